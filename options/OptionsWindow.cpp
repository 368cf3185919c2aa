// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsWindow.h"

#include "FrequencyModeFrame.h"
#include "FrequencyRangeFrame.h"
#include "OptionalFeaturesFrame.h"
#include "ui/Prompt.h"

#include "FieldGuide.h"
#include "ShownSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

StepName windowStep()
{
    return [] { return Captions::option(Captions::Option::OptionalFeatures); };
}

} // namespace

OptionsWindow::OptionsWindow(RadioDocument& document, QWidget* parent)
    : ChildWindow(parent)
    , m_editing{ document, this }
    , m_features(new OptionalFeaturesFrame(m_editing, this))
    , m_frequencyMode(new FrequencyModeFrame(m_editing, this))
    , m_range(new FrequencyRangeFrame(m_editing, this))
    , m_help(new QPushButton(tr("Help"), this))
    , m_close(new QPushButton(tr("Close"), this))
{
    setObjectName(QStringLiteral("frm_option"));
    setWindowTitle(Captions::option(Captions::Option::OptionalFeatures));
    m_help->setObjectName(QStringLiteral("Command_help"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    auto* right = new QVBoxLayout;
    right->addWidget(m_frequencyMode);
    right->addWidget(m_range);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_features, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    describeSettings();
    setEnterChain();
    for (SettingsFrame* frame : frames())
        connect(frame, &SettingsFrame::refreshNeeded, this, &OptionsWindow::refresh);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, &OptionsWindow::focusChanged);
    connect(m_close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(m_help, &QPushButton::clicked, this, &OptionsWindow::showHelp);
    connect(&document, &RadioDocument::changed, this, &OptionsWindow::refresh);
    refresh();
    writeBackShownValues();
}

OptionsWindow::~OptionsWindow()
{
    // Children are destroyed after this class is gone; their focus changes
    // must not reach the handlers any more.
    m_closing = true;
    disconnect(m_focusConnection);
}

QList<SettingsFrame*> OptionsWindow::frames() const
{
    return { m_range, m_features, m_frequencyMode };
}

QRect OptionsWindow::placement(const QSize& mainSize) const
{
    const QSize size(int(mainSize.width() / 1.2), int(mainSize.height() / 1.25));
    return { (mainSize.width() - size.width()) / 2, 0, size.width(), size.height() };
}

void OptionsWindow::refresh()
{
    const Depth busy(m_editing.busy);
    const Depth refreshing(m_editing.refreshing);
    for (SettingsFrame* frame : frames())
        frame->showSettings();
}

void OptionsWindow::activated()
{
    // Typed frequencies are checked against the range block's limits again,
    // whatever the model dialog made of them meanwhile.
    m_editing.document.edit(windowStep(), [](RadioData& data) { takeRangeFromImage(data); });
    refresh();
}

void OptionsWindow::writeBackShownValues()
{
    bool inRange = true;
    m_editing.document.edit(windowStep(), [&](RadioData& data) {
        inRange = ShownSettings::writeBack(data, m_frequencyMode->receiveText(), m_frequencyMode->offsetText());
    });
    if (!inRange)
        Prompt::inform(this, FrequencyModeFrame::txMessage());
}

void OptionsWindow::describeSettings()
{
    for (const SettingsFrame* frame : frames()) {
        const QHash<QWidget*, Captions::Option> settings = frame->settings();
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            it.key()->setWhatsThis(FieldGuide::describe(it.value()));
    }
}

void OptionsWindow::showHelp()
{
    Prompt::show(this, { tr("Help"), windowTitle(), FieldGuide::all(), {}, QMessageBox::Information, QMessageBox::Ok,
                         { { QMessageBox::Ok, tr("OK") } } });
}

void OptionsWindow::setEnterChain()
{
    const char* const names[] = { "Combo_TOT",   "Combo_vox",    "Combo_Sql",    "Option_freq", "Option_chann",
                                  "Combo_Lamp",  "Combo_Mdf",    "Combo_Scan",   "Combo_pri",   "Check_Beep",
                                  "Check_Save",  "Check_Pri",    "Text_RX_Freq", "Combo_Decode", "Combo_Encode",
                                  "Combo_Step",  "Combo_WN",     "Combo_TXP",    "Combo_Sft_d", "Text_Offset_Freq" };
    QList<QWidget*> chain;
    for (const char* name : names)
        chain << findChild<QWidget*>(QLatin1String(name));
    chain << m_close;
    for (int i = 0; i + 1 < chain.size(); ++i) {
        m_enterNext.insert(chain[i], chain[i + 1]);
        chain[i]->installEventFilter(this);
    }
    // Tab walks the same way, the range boxes before Close.
    QList<QWidget*> tabOrder = chain;
    tabOrder.insert(tabOrder.size() - 1, findChild<QWidget*>(QStringLiteral("Text_pvfo_d0")));
    tabOrder.insert(tabOrder.size() - 1, findChild<QWidget*>(QStringLiteral("Text_pvfo_d1")));
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void OptionsWindow::commitPendingEdit()
{
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (SettingsFrame* frame = frameLeftBy(box); frame && m_editing.typed.contains(box))
        runLeaveHandler(frame, box);
}

SettingsFrame* OptionsWindow::frameLeftBy(QWidget* widget) const
{
    for (SettingsFrame* frame : frames())
        for (QLineEdit* box : frame->leaveBoxes())
            if (box == widget)
                return frame;
    return nullptr;
}

void OptionsWindow::runLeaveHandler(SettingsFrame* frame, QLineEdit* box)
{
    const Depth busy(m_editing.busy);
    m_editing.typed.remove(box);
    frame->leave(box);
}

void OptionsWindow::focusChanged(QWidget* old, QWidget* now)
{
    // Only the user's own focus changes inside the main window run leave
    // handlers: not those that a handler causes (putting the focus back into
    // a refused box), not a message box or dialog taking the focus, and not
    // the program losing it to another program. Moving to another window of
    // the program may pass through no focus widget at all, and counts.
    SettingsFrame* frame = frameLeftBy(old);
    if (m_editing.busy > 0 || m_closing || !frame)
        return;
    const bool withinMainWindow = now ? now->window() == window() : QApplication::activeWindow() == window();
    if (!withinMainWindow || QApplication::activeModalWidget())
        return;
    runLeaveHandler(frame, static_cast<QLineEdit*>(old));
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QWidget* next = m_enterNext.value(static_cast<QWidget*>(watched))) {
                if (next->isVisible() && next->isEnabled())
                    next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void OptionsWindow::closeEvent(QCloseEvent* event)
{
    // A value still being typed is stored (or refused) before the window goes.
    commitPendingEdit();
    m_closing = true;
    disconnect(m_focusConnection);
    ChildWindow::closeEvent(event);
}
