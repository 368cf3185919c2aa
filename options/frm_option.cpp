// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_option.h"

#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "Captions.h"
#include "ChannelEdit.h"
#include "Checks.h"
#include "FieldGuide.h"
#include "Codecs.h"
#include "FrequencyMode.h"
#include "OptionLists.h"
#include "RadioDocument.h"
#include "Settings.h"
#include "ShownSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using Settings::BitField;

namespace {

constexpr int kMaxFreqTextLength = 9;     // receive and transmit boxes
constexpr int kMaxOffsetTextLength = 8;
constexpr int kLowestRangeMHz = 400;      // bounds of the frequency range
constexpr int kHighestRangeMHz = 470;

// Counts a handler that is running, so that focus changes it causes itself
// do not run leave handlers.
class BusyScope
{
public:
    explicit BusyScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~BusyScope() { --m_depth; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_depth;
};

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

OptionsWindow::OptionsWindow(RadioDocument& document, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("frm_option"));
    createControls();
    describeSettings();
    fillLists();
    layOut();
    setEnterChain();
    connectHandlers();
    connect(&m_document, &RadioDocument::changed, this, &OptionsWindow::RefreshOptionWindow);
    RefreshOptionWindow();
    writeBackShownValues();
}

OptionsWindow::~OptionsWindow()
{
    // Children are destroyed after this class is gone; their focus changes
    // must not reach the handlers any more.
    m_closing = true;
    disconnect(m_focusConnection);
}

QRect OptionsWindow::placement(const QSize& mainSize) const
{
    const QSize size(int(mainSize.width() / 1.2), int(mainSize.height() / 1.25));
    return { (mainSize.width() - size.width()) / 2, 0, size.width(), size.height() };
}

void OptionsWindow::activated()
{
    // Typed frequencies are checked against the range block's limits again,
    // whatever the model dialog made of them meanwhile.
    m_document.edit(windowStep(), [](RadioData& data) { takeRangeFromImage(data); });
    RefreshOptionWindow();
}

void OptionsWindow::writeBackShownValues()
{
    bool inRange = true;
    m_document.edit(windowStep(), [&](RadioData& data) {
        inRange = ShownSettings::writeBack(data, Text_RX_Freq->text(), Text_Offset_Freq->text());
    });
    if (!inRange)
        Prompt::inform(this, txMessage());
}

void OptionsWindow::commitPendingEdit()
{
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (box && hasLeaveHandler(box) && m_edited.contains(box))
        runLeaveHandler(box);
}

template <class Change>
void OptionsWindow::edit(QWidget* control, Change&& change)
{
    m_document.edit(stepName(control), std::forward<Change>(change));
}

StepName OptionsWindow::windowStep()
{
    return [] { return Captions::option(Captions::Option::OptionalFeatures); };
}

// The setting each control edits, by the caption that names it.
QHash<QWidget*, Captions::Option> OptionsWindow::settingsOfControls() const
{
    using Captions::Option;
    return {
        { Combo_TOT, Option::TimeOut },         { Combo_vox, Option::Vox },
        { Combo_Sql, Option::Squelch },         { Combo_Lamp, Option::Backlight },
        { Combo_Mdf, Option::ChannelDisplay },  { Combo_Scan, Option::Scans },
        { Combo_pri, Option::PriorityChannel }, { Frame_mode, Option::WorkMode },
        { Check_Chann, Option::OnlyChannelMode }, { Check_Save, Option::Save },
        { Check_Beep, Option::Beep },           { Text_RX_Freq, Option::RxFrequency },
        { Combo_Decode, Option::Decode },       { Combo_Encode, Option::Encode },
        { Combo_Step, Option::Step },           { Combo_Sft_d, Option::Duplex },
        { Text_Offset_Freq, Option::Offset },   { Combo_WN, Option::Width },
        { Combo_TXP, Option::Power },           { Frame_Freq_range, Option::FrequencyRange },
        { Option_freq, Option::WorkMode },      { Option_chann, Option::WorkMode },
        { Text_TX_Freq, Option::TxFrequency },  { Frame_vfo, Option::FrequencyMode },
        { Text_pvfo_d0, Option::FrequencyRange }, { Text_pvfo_d1, Option::FrequencyRange },
    };
}

// A change is named after the caption of its control's label, or of the control itself.
StepName OptionsWindow::stepName(QWidget* control) const
{
    const Captions::Option which = settingsOfControls().value(control, Captions::Option::OptionalFeatures);
    return [which] { return Captions::option(which).trimmed(); };
}

void OptionsWindow::createControls()
{
    setWindowTitle(Captions::option(Captions::Option::OptionalFeatures));

    Label_tot = named(new QLabel(Captions::option(Captions::Option::TimeOut), this), "Label_tot");
    Label_vox = named(new QLabel(Captions::option(Captions::Option::Vox), this), "Label_vox");
    Label_sql = named(new QLabel(Captions::option(Captions::Option::Squelch), this), "Label_sql");
    Label_lamp = named(new QLabel(Captions::option(Captions::Option::Backlight), this), "Label_lamp");
    Label_mdf = named(new QLabel(Captions::option(Captions::Option::ChannelDisplay), this), "Label_mdf");
    Label_Scan = named(new QLabel(Captions::option(Captions::Option::Scans), this), "Label_Scan");
    Label_pri = named(new QLabel(Captions::option(Captions::Option::PriorityChannel), this), "Label_pri");
    Label_PF = named(new QLabel(this), "Label_PF");
    Combo_TOT = named(new QComboBox(this), "Combo_TOT");
    Combo_vox = named(new QComboBox(this), "Combo_vox");
    Combo_Sql = named(new QComboBox(this), "Combo_Sql");
    Combo_Lamp = named(new QComboBox(this), "Combo_Lamp");
    Combo_Mdf = named(new QComboBox(this), "Combo_Mdf");
    Combo_Scan = named(new QComboBox(this), "Combo_Scan");
    Combo_pri = named(new QComboBox(this), "Combo_pri");
    Combo_PF = named(new QComboBox(this), "Combo_PF");
    Frame_mode = named(new QGroupBox(Captions::option(Captions::Option::WorkMode), this), "Frame_mode");
    Option_freq = named(new QRadioButton(Captions::option(Captions::Option::FrequencyWorkMode), Frame_mode), "Option_freq");
    Option_chann = named(new QRadioButton(Captions::option(Captions::Option::ChannelWorkMode), Frame_mode), "Option_chann");
    Check_Chann = named(new QCheckBox(Captions::option(Captions::Option::OnlyChannelMode), Frame_mode), "Check_Chann");
    Check_Save = named(new QCheckBox(Captions::option(Captions::Option::Save), this), "Check_Save");
    Check_Beep = named(new QCheckBox(Captions::option(Captions::Option::Beep), this), "Check_Beep");
    Check_Pri = named(new QCheckBox(this), "Check_Pri");

    Frame_vfo = named(new QGroupBox(Captions::option(Captions::Option::FrequencyMode), this), "Frame_vfo");
    Label_Rx_freq = named(new QLabel(Captions::option(Captions::Option::RxFrequency), Frame_vfo), "Label_Rx_freq");
    Label_Tx_Freq = named(new QLabel(Captions::option(Captions::Option::TxFrequency), Frame_vfo), "Label_Tx_Freq");
    Label_Decode = named(new QLabel(Captions::option(Captions::Option::Decode), Frame_vfo), "Label_Decode");
    Label_Encode = named(new QLabel(Captions::option(Captions::Option::Encode), Frame_vfo), "Label_Encode");
    Label_Step = named(new QLabel(Captions::option(Captions::Option::Step), Frame_vfo), "Label_Step");
    Label_Sft_d = named(new QLabel(Captions::option(Captions::Option::Duplex), Frame_vfo), "Label_Sft_d");
    Label_offset = named(new QLabel(Captions::option(Captions::Option::Offset), Frame_vfo), "Label_offset");
    Label_wn = named(new QLabel(Captions::option(Captions::Option::Width), Frame_vfo), "Label_wn");
    Label_Txp = named(new QLabel(Captions::option(Captions::Option::Power), Frame_vfo), "Label_Txp");
    Text_RX_Freq = named(new QLineEdit(Frame_vfo), "Text_RX_Freq");
    Text_TX_Freq = named(new QLineEdit(Frame_vfo), "Text_TX_Freq");
    Text_Offset_Freq = named(new QLineEdit(Frame_vfo), "Text_Offset_Freq");
    Combo_Decode = named(new QComboBox(Frame_vfo), "Combo_Decode");
    Combo_Encode = named(new QComboBox(Frame_vfo), "Combo_Encode");
    Check_DNI = named(new QCheckBox(QStringLiteral("INV"), Frame_vfo), "Check_DNI");
    Check_ENI = named(new QCheckBox(QStringLiteral("INV"), Frame_vfo), "Check_ENI");
    Combo_Step = named(new QComboBox(Frame_vfo), "Combo_Step");
    Combo_Sft_d = named(new QComboBox(Frame_vfo), "Combo_Sft_d");
    Combo_WN = named(new QComboBox(Frame_vfo), "Combo_WN");
    Combo_TXP = named(new QComboBox(Frame_vfo), "Combo_TXP");

    Frame_Freq_range = named(new QGroupBox(Captions::option(Captions::Option::FrequencyRange), this), "Frame_Freq_range");
    Label_From = named(new QLabel(tr("From"), Frame_Freq_range), "Label_From");
    Label_to = named(new QLabel(tr("to"), Frame_Freq_range), "Label_to");
    Label_MHZ = named(new QLabel(QStringLiteral("MHZ"), Frame_Freq_range), "Label_MHZ");
    Text_pvfo_d0 = named(new QLineEdit(Frame_Freq_range), "Text_pvfo_d0");
    Text_pvfo_d1 = named(new QLineEdit(Frame_Freq_range), "Text_pvfo_d1");

    Command_help = named(new QPushButton(tr("Help"), this), "Command_help");
    Command_Close = named(new QPushButton(tr("Close"), this), "Command_Close");

    // The PF key and priority scan pass through this window unseen.
    Combo_PF->hide();
    Label_PF->hide();
    Check_Pri->hide();
    Check_DNI->setEnabled(false);
    Check_ENI->setEnabled(false);
    Text_TX_Freq->setEnabled(false);

    Label_tot->setBuddy(Combo_TOT);
    Label_vox->setBuddy(Combo_vox);
    Label_sql->setBuddy(Combo_Sql);
    Label_lamp->setBuddy(Combo_Lamp);
    Label_mdf->setBuddy(Combo_Mdf);
    Label_Scan->setBuddy(Combo_Scan);
    Label_pri->setBuddy(Combo_pri);
    Label_Rx_freq->setBuddy(Text_RX_Freq);
    Label_Tx_Freq->setBuddy(Text_TX_Freq);
    Label_Decode->setBuddy(Combo_Decode);
    Label_Encode->setBuddy(Combo_Encode);
    Label_Step->setBuddy(Combo_Step);
    Label_Sft_d->setBuddy(Combo_Sft_d);
    Label_offset->setBuddy(Text_Offset_Freq);
    Label_wn->setBuddy(Combo_WN);
    Label_Txp->setBuddy(Combo_TXP);
    Label_From->setBuddy(Text_pvfo_d0);
    Label_to->setBuddy(Text_pvfo_d1);
}

void OptionsWindow::describeSettings()
{
    const QHash<QWidget*, Captions::Option> settings = settingsOfControls();
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        it.key()->setWhatsThis(FieldGuide::describe(it.value()));
}

void OptionsWindow::fillLists()
{
    auto fill = [](QComboBox* list, const QStringList& entries) {
        list->clear();
        list->addItems(entries);
    };
    fill(Combo_TOT, OptionLists::timeOut());
    fill(Combo_vox, OptionLists::voxLevel());
    fill(Combo_Sql, OptionLists::squelchLevel());
    fill(Combo_Lamp, OptionLists::backlight());
    fill(Combo_Mdf, OptionLists::channelDisplay());
    fill(Combo_Scan, OptionLists::scanMode());
    fill(Combo_pri, OptionLists::priorityChannel());
    fill(Combo_Decode, OptionLists::tones());
    fill(Combo_Encode, OptionLists::tones());
    fill(Combo_Step, OptionLists::tuningStep());
    fill(Combo_Sft_d, OptionLists::duplex());
    fill(Combo_WN, OptionLists::width());
    fill(Combo_TXP, OptionLists::power());
    for (QComboBox* list : findChildren<QComboBox*>())
        list->setMaxVisibleItems(16);
}

void OptionsWindow::layOut()
{
    auto addRow = [](QGridLayout* grid, QLabel* label, QWidget* field, QWidget* extra = nullptr) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (extra)
            grid->addWidget(extra, row, 2);
    };

    auto* general = new QGridLayout;
    general->setColumnStretch(1, 1);
    addRow(general, Label_tot, Combo_TOT);
    addRow(general, Label_vox, Combo_vox);
    addRow(general, Label_sql, Combo_Sql);

    auto* mode = new QGridLayout(Frame_mode);
    mode->addWidget(Option_freq, 0, 0);
    mode->addWidget(Option_chann, 0, 1);
    mode->addWidget(Check_Chann, 1, 0, 1, 2);
    general->addWidget(Frame_mode, general->rowCount(), 0, 1, 2);

    addRow(general, Label_lamp, Combo_Lamp);
    addRow(general, Label_mdf, Combo_Mdf);
    addRow(general, Label_Scan, Combo_Scan);
    addRow(general, Label_pri, Combo_pri);
    addRow(general, Label_PF, Combo_PF);
    auto* checks = new QHBoxLayout;
    checks->addWidget(Check_Beep);
    checks->addWidget(Check_Save);
    checks->addWidget(Check_Pri);
    checks->addStretch();
    general->addLayout(checks, general->rowCount(), 0, 1, 2);
    general->setRowStretch(general->rowCount(), 1);

    auto* vfo = new QGridLayout(Frame_vfo);
    vfo->setColumnStretch(1, 1);
    addRow(vfo, Label_Rx_freq, Text_RX_Freq);
    addRow(vfo, Label_Tx_Freq, Text_TX_Freq);
    addRow(vfo, Label_Decode, Combo_Decode, Check_DNI);
    addRow(vfo, Label_Encode, Combo_Encode, Check_ENI);
    addRow(vfo, Label_Step, Combo_Step);
    addRow(vfo, Label_wn, Combo_WN);
    addRow(vfo, Label_Txp, Combo_TXP);
    addRow(vfo, Label_Sft_d, Combo_Sft_d);
    addRow(vfo, Label_offset, Text_Offset_Freq);

    auto* range = new QHBoxLayout(Frame_Freq_range);
    range->addWidget(Label_From);
    range->addWidget(Text_pvfo_d0, 1);
    range->addSpacing(12);
    range->addWidget(Label_to);
    range->addWidget(Text_pvfo_d1, 1);
    range->addWidget(Label_MHZ);

    auto* right = new QVBoxLayout;
    right->addWidget(Frame_vfo);
    right->addWidget(Frame_Freq_range);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(general, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_help);
    buttons->addWidget(Command_Close);

    auto* window = new QVBoxLayout(this);
    window->addLayout(columns, 1);
    window->addLayout(buttons);
}

void OptionsWindow::setEnterChain()
{
    const QList<QWidget*> chain = { Combo_TOT, Combo_vox, Combo_Sql, Option_freq, Option_chann, Combo_Lamp,
                                    Combo_Mdf, Combo_Scan, Combo_pri, Check_Beep, Check_Save, Check_Pri,
                                    Text_RX_Freq, Combo_Decode, Combo_Encode, Combo_Step, Combo_WN, Combo_TXP,
                                    Combo_Sft_d, Text_Offset_Freq, Command_Close };
    for (int i = 0; i + 1 < chain.size(); ++i) {
        m_enterNext.insert(chain[i], chain[i + 1]);
        chain[i]->installEventFilter(this);
    }
    // Tab walks the same way, the range boxes before Close.
    QList<QWidget*> tabOrder = chain;
    tabOrder.insert(tabOrder.size() - 1, Text_pvfo_d0);
    tabOrder.insert(tabOrder.size() - 1, Text_pvfo_d1);
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

// The store handlers act on the user's changes only: the refresh sets the
// controls with m_refreshing raised.
void OptionsWindow::connectIndex(QComboBox* list, BitField field)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, field](int index) {
        if (m_refreshing == 0 && index >= 0)
            edit(list, [&](RadioData& data) { Settings::setValue(data.image, field, index); });
    });
}

void OptionsWindow::connectFlag(QCheckBox* box, BitField field)
{
    connect(box, &QCheckBox::toggled, this, [this, box, field](bool checked) {
        if (m_refreshing == 0)
            edit(box, [&](RadioData& data) { Settings::setOn(data.image, field, checked); });
    });
}

void OptionsWindow::connectTone(QComboBox* list, QCheckBox* inverted, BitField tone, BitField invertedBit)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, inverted, tone, invertedBit](int index) {
        if (m_refreshing > 0 || index < 0)
            return;
        const ChannelRecord::StoredTone stored = ChannelRecord::toneFromListPosition(index);
        inverted->setChecked(stored.inverted);
        edit(list, [&](RadioData& data) {
            Settings::setValue(data.image, tone, stored.code);
            Settings::setOn(data.image, invertedBit, stored.inverted);
        });
    });
}

void OptionsWindow::connectHandlers()
{
    using namespace Settings;
    connectIndex(Combo_Sql, kSquelchLevel);
    connectIndex(Combo_vox, kVoxLevel);
    connectIndex(Combo_TOT, kTimeOutTimer);
    connectIndex(Combo_Lamp, kBacklight);
    connectIndex(Combo_Scan, kScanMode);
    connectIndex(Combo_Mdf, kChannelShowsName);
    connectIndex(Combo_Step, kTuningStep);
    connectIndex(Combo_WN, kVfoWide);
    connectIndex(Combo_TXP, kVfoHighPower);
    connectFlag(Check_Beep, kKeyBeep);
    connectFlag(Check_Save, kBatterySave);
    connectFlag(Check_Pri, kPriorityScan);
    connectTone(Combo_Decode, Check_DNI, kVfoDecodeTone, kVfoDecodeInverted);
    connectTone(Combo_Encode, Check_ENI, kVfoEncodeTone, kVfoEncodeInverted);
    for (QRadioButton* mode : { Option_chann, Option_freq }) {
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (m_refreshing == 0 && checked)
                edit(Frame_mode, [&](RadioData& data) { setOn(data.image, kChannelMode, mode == Option_chann); });
        });
    }
    connect(Check_Chann, &QCheckBox::toggled, this, &OptionsWindow::onlyChannelModeChanged);
    connect(Combo_pri, &QComboBox::currentIndexChanged, this, &OptionsWindow::priorityChannelChosen);
    connect(Combo_Sft_d, &QComboBox::currentIndexChanged, this, &OptionsWindow::duplexChosen);

    for (QLineEdit* box : { Text_RX_Freq, Text_TX_Freq, Text_Offset_Freq }) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { frequencyTextChanged(box); });
    }
    for (QLineEdit* box : { Text_RX_Freq, Text_Offset_Freq, Text_pvfo_d0, Text_pvfo_d1 }) {
        box->installEventFilter(this);
        // Only typing that is still in the box counts; a refused text is gone.
        connect(box, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            if (box->text() == text)
                m_edited.insert(box);
        });
    }
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, &OptionsWindow::focusChanged);
    connect(Command_Close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(Command_help, &QPushButton::clicked, this, [this] {
        Prompt::show(this, { tr("Help"), windowTitle(), FieldGuide::all(), {}, QMessageBox::Information,
                             QMessageBox::Ok, { { QMessageBox::Ok, tr("OK") } } });
    });
}

void OptionsWindow::showIndex(QComboBox* list, int value)
{
    list->setCurrentIndex(qBound(0, value, list->count() - 1));
}

void OptionsWindow::showChecked(QCheckBox* box, bool checked)
{
    box->setChecked(checked);
}

void OptionsWindow::showText(QLineEdit* box, const QString& text)
{
    // A refresh leaves alone the box the user is typing in (it may run on a
    // return to the window, also from a message box, or on a list changed
    // with the mouse wheel); leaving the box stores or refuses the typing.
    if (box->text() == text || (m_edited.contains(box) && box == focusWidget()))
        return;
    const QScopedValueRollback setting(m_settingText, m_settingText + 1);
    box->setText(text);
}

void OptionsWindow::showTone(QComboBox* list, QCheckBox* inverted, BitField tone, BitField invertedBit)
{
    const MemoryImage& image = m_document.image();
    const bool isInverted = Settings::isSet(image, invertedBit);
    showIndex(list, ChannelRecord::toneListPosition(Settings::value(image, tone), isInverted));
    inverted->setChecked(isInverted);
}

void OptionsWindow::RefreshOptionWindow()
{
    using namespace Settings;
    const BusyScope busy(m_busy);
    const QScopedValueRollback refreshing(m_refreshing, m_refreshing + 1);
    const RadioData& data = m_document.data();
    const MemoryImage& image = data.image;

    showText(Text_pvfo_d0, QString::number(rangeLimit(image, RangeLimit::Lower)));
    showText(Text_pvfo_d1, QString::number(rangeLimit(image, RangeLimit::Upper)));

    showIndex(Combo_Sql, value(image, kSquelchLevel));
    showIndex(Combo_vox, value(image, kVoxLevel));
    showIndex(Combo_TOT, value(image, kTimeOutTimer));

    showChecked(Check_Save, isSet(image, kBatterySave));
    showChecked(Check_Chann, isSet(image, kOnlyChannelMode));
    Option_freq->setEnabled(!isSet(image, kOnlyChannelMode));
    showIndex(Combo_Mdf, value(image, kChannelShowsName));
    showChecked(Check_Beep, isSet(image, kKeyBeep));
    showIndex(Combo_Step, value(image, kTuningStep));
    if (isSet(image, kChannelMode) || isSet(image, kOnlyChannelMode))
        Option_chann->setChecked(true);
    else
        Option_freq->setChecked(true);

    showIndex(Combo_Lamp, value(image, kBacklight));
    showIndex(Combo_Scan, value(image, kScanMode));
    showChecked(Check_Pri, isSet(image, kPriorityScan));
    showIndex(Combo_pri, value(image, kPriorityChannel));

    showText(Text_Offset_Freq, freqText(data, kOffsetFreq));
    showTone(Combo_Decode, Check_DNI, kVfoDecodeTone, kVfoDecodeInverted);
    showText(Text_RX_Freq, freqText(data, kVfoRxFreq));
    showTone(Combo_Encode, Check_ENI, kVfoEncodeTone, kVfoEncodeInverted);
    showText(Text_TX_Freq, freqText(data, kVfoTxFreq));
    showIndex(Combo_WN, value(image, kVfoWide));
    showIndex(Combo_TXP, value(image, kVfoHighPower));
    showIndex(Combo_Sft_d, value(image, kVfoDuplex));
}

void OptionsWindow::onlyChannelModeChanged(bool checked)
{
    if (m_refreshing > 0)
        return;
    edit(Check_Chann, [&](RadioData& data) {
        Settings::setOn(data.image, Settings::kOnlyChannelMode, checked);
        if (checked)
            Settings::setOn(data.image, Settings::kChannelMode, true);
    });
}

void OptionsWindow::priorityChannelChosen(int index)
{
    if (m_refreshing > 0 || index < 0)
        return;
    // A channel that is not in use becomes "None".
    edit(Combo_pri, [&](RadioData& data) {
        Settings::setValue(data.image, Settings::kPriorityChannel, index);
        checkPriorityChannel(data.image);
    });
    RefreshOptionWindow();
}

void OptionsWindow::duplexChosen(int index)
{
    using namespace Settings;
    if (m_refreshing > 0 || index < 0)
        return;
    const BusyScope busy(m_busy);
    bool inRange = true;
    edit(Combo_Sft_d, [&](RadioData& data) {
        inRange = FrequencyMode::storeDuplex(data, Text_RX_Freq->text(), Text_Offset_Freq->text(), index,
                                             FrequencyMode::UpperLimit::Included);
    });
    RefreshOptionWindow();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

QString OptionsWindow::boxMessage(QLineEdit* box) const
{
    if (box == Text_RX_Freq)
        return tr("Over the range of RX frequency .");
    if (box == Text_TX_Freq)
        return txMessage();
    return tr("Over the range of Offset frequency .");
}

QString OptionsWindow::txMessage() const
{
    return tr("Over the range of TX frequency .");
}

bool OptionsWindow::frequencyKeyPressed(QLineEdit* box, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return false;   // the Enter chain moves on
    const QString text = event->text();
    // Keys that type nothing (arrows, Home, Delete) and shortcuts keep their
    // native meaning; Backspace is accepted.
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QChar c = text.front();
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return false;
    if (c == u'.' && box->text().trimmed().isEmpty())
        return true;
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return false;
    Prompt::inform(this, boxMessage(box));
    return true;
}

void OptionsWindow::frequencyTextChanged(QLineEdit* box)
{
    const QString text = box->text();
    const int longest = box == Text_Offset_Freq ? kMaxOffsetTextLength : kMaxFreqTextLength;
    const bool refused = text.size() > longest
                         || (box == Text_Offset_Freq && leadingNumber(text) > Settings::kMaxOffsetMHz);
    const bool typed = m_settingText == 0;
    if (!refused) {
        if (!typed && !text.isEmpty())   // a stored value it can show again
            m_refusedShown.remove(box);
        return;
    }
    // A stored value the box cannot hold is told once, not on every refresh.
    if (typed || m_refusedShown.value(box) != text) {
        if (!typed)
            m_refusedShown.insert(box, text);
        Prompt::inform(this, boxMessage(box));
    }
    m_edited.remove(box);
    showText(box, QString());
    if (box->isEnabled())
        box->setFocus();
}

void OptionsWindow::refuse(QLineEdit* box, const QString& message)
{
    Prompt::inform(this, message);
    m_edited.remove(box);
    showText(box, QString());
    box->setFocus();
}

void OptionsWindow::receiveLeft()
{
    using namespace Settings;
    const QString text = Text_RX_Freq->text();
    const double rx = leadingNumber(text);
    if (text.size() > kMaxFreqTextLength || !ChannelEdit::isFreqInRange(m_document.data(), rx)) {
        refuse(Text_RX_Freq, boxMessage(Text_RX_Freq));
        return;
    }
    // The transmit frequency follows the new receive frequency by the duplex, in the same step.
    bool inRange = true;
    edit(Text_RX_Freq, [&](RadioData& data) {
        storeFreqText(data, kVfoRxFreq, text);
        inRange = FrequencyMode::storeDuplex(data, text, Text_Offset_Freq->text(), value(data.image, kVfoDuplex),
                                             FrequencyMode::UpperLimit::Included);
    });
    RefreshOptionWindow();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

void OptionsWindow::offsetLeft()
{
    using namespace Settings;
    const QString text = Text_Offset_Freq->text();
    const double offset = leadingNumber(text);
    // A negative offset (only pasting can bring one) would not match what is stored.
    if (text.size() > kMaxOffsetTextLength || offset > kMaxOffsetMHz || offset < 0) {
        refuse(Text_Offset_Freq, boxMessage(Text_Offset_Freq));
        return;
    }
    bool inRange = true;
    edit(Text_Offset_Freq, [&](RadioData& data) {
        inRange = FrequencyMode::storeDuplex(data, Text_RX_Freq->text(), text, value(data.image, kVfoDuplex),
                                             FrequencyMode::UpperLimit::Excluded);
        storeFreqText(data, kOffsetFreq, text);
    });
    RefreshOptionWindow();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

void OptionsWindow::lowerLimitLeft()
{
    const double v = leadingNumber(Text_pvfo_d0->text());
    if (v < kLowestRangeMHz) {
        Prompt::inform(this, tr("frequency of lower limit can't less than the lowest of work frequency. "),
                       Prompt::Title::Capital);
        showText(Text_pvfo_d0, QString::number(kLowestRangeMHz));
        Text_pvfo_d0->setFocus();
    } else if (leadingNumber(Text_pvfo_d1->text()) < v) {
        Prompt::inform(this, tr("frequency of lower limit can't more than frequency of upper limit."),
                       Prompt::Title::Capital);
        showText(Text_pvfo_d0, Text_pvfo_d1->text());
        Text_pvfo_d0->setFocus();
    }
    StoreFrequencyRange();
    CheckFrequencyLimits();
}

void OptionsWindow::upperLimitLeft()
{
    const double v = leadingNumber(Text_pvfo_d1->text());
    if (v > kHighestRangeMHz) {
        Prompt::inform(this, tr("frequency of upper limit can't more than the highest of work frequency. "),
                       Prompt::Title::Capital);
        showText(Text_pvfo_d1, QString::number(kHighestRangeMHz));
        Text_pvfo_d1->setFocus();
    } else if (leadingNumber(Text_pvfo_d0->text()) > v) {
        Prompt::inform(this, tr("frequency of upper limit can't less than frequency of lower limit."),
                       Prompt::Title::Capital);
        showText(Text_pvfo_d1, Text_pvfo_d0->text());
        Text_pvfo_d1->setFocus();
    }
    StoreFrequencyRange();
    CheckFrequencyLimits();
}

void OptionsWindow::StoreFrequencyRange()
{
    // Each limit is stored as the whole MHz of the value its box holds, so
    // that texts such as "0420", "4.5e2" or "455.5" keep the digits of the
    // limit shown after the refresh. A box whose value has no three-digit
    // whole part (a damaged range the refresh showed) leaves its cells alone.
    // Typed frequencies are checked against the stored range from now on.
    edit(Frame_Freq_range, [&](RadioData& data) {
        Settings::storeRangeLimit(data.image, Settings::RangeLimit::Lower, leadingNumber(Text_pvfo_d0->text().trimmed()));
        Settings::storeRangeLimit(data.image, Settings::RangeLimit::Upper, leadingNumber(Text_pvfo_d1->text().trimmed()));
        takeRangeFromImage(data);
    });
    RefreshOptionWindow();
}

void OptionsWindow::CheckFrequencyLimits()
{
    if (checkVfoInRange(m_document.image()) != 0) {
        Prompt::inform(this, Captions::vfoOutOfRange());
        return;
    }
    if (const int channel = findChannelOutOfRange(m_document.image())) {
        Prompt::inform(this, Captions::channelOutOfRange(channel));
    }
}

bool OptionsWindow::hasLeaveHandler(QWidget* widget) const
{
    return widget == Text_RX_Freq || widget == Text_Offset_Freq || widget == Text_pvfo_d0 || widget == Text_pvfo_d1;
}

void OptionsWindow::runLeaveHandler(QLineEdit* box)
{
    const BusyScope busy(m_busy);
    m_edited.remove(box);
    if (box == Text_RX_Freq)
        receiveLeft();
    else if (box == Text_Offset_Freq)
        offsetLeft();
    else if (box == Text_pvfo_d0)
        lowerLimitLeft();
    else if (box == Text_pvfo_d1)
        upperLimitLeft();
}

void OptionsWindow::focusChanged(QWidget* old, QWidget* now)
{
    // Only the user's own focus changes inside the main window run leave
    // handlers: not those that a handler causes (putting the focus back into
    // a refused box), not a message box or dialog taking the focus, and not
    // the program losing it to another program. Moving to another window of
    // the program may pass through no focus widget at all, and counts.
    if (m_busy > 0 || m_closing || !hasLeaveHandler(old))
        return;
    const bool withinMainWindow = now ? now->window() == window() : QApplication::activeWindow() == window();
    if (!withinMainWindow || QApplication::activeModalWidget())
        return;
    runLeaveHandler(static_cast<QLineEdit*>(old));
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return ChildWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if ((watched == Text_RX_Freq || watched == Text_Offset_Freq)
        && frequencyKeyPressed(static_cast<QLineEdit*>(watched), key))
        return true;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (QWidget* next = m_enterNext.value(static_cast<QWidget*>(watched))) {
            if (next->isVisible() && next->isEnabled())
                next->setFocus(Qt::TabFocusReason);
            return true;
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
