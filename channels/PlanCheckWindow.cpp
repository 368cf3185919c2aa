// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanCheckWindow.h"

#include "ui/WindowHost.h"

#include "ChannelSets.h"
#include "RadioDocument.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kChannelRole = Qt::UserRole;

} // namespace

PlanCheckWindow::PlanCheckWindow(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_planLabel(new QLabel(this))
    , m_plan(new QComboBox(this))
    , m_result(new QLabel(this))
    , m_findings(new QTreeWidget(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("PlanCheckWindow"));
    m_plan->setObjectName(QStringLiteral("Combo_plan"));
    m_result->setObjectName(QStringLiteral("Label_result"));
    m_findings->setObjectName(QStringLiteral("Tree_findings"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_planLabel->setBuddy(m_plan);
    for (const QString& name : ChannelSets::names())
        m_plan->addItem(ChannelSets::title(name), name);
    m_result->setWordWrap(true);
    m_result->setTextFormat(Qt::PlainText);
    m_findings->setColumnCount(ColumnCount);
    m_findings->setRootIsDecorated(false);
    m_findings->setUniformRowHeights(true);
    m_findings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_findings->header()->setStretchLastSection(true);

    auto* choice = new QHBoxLayout;
    choice->addWidget(m_planLabel);
    choice->addWidget(m_plan);
    choice->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_result);
    layout->addWidget(m_findings, 1);
    layout->addLayout(buttons);

    connect(m_plan, &QComboBox::currentIndexChanged, this, &PlanCheckWindow::takePlan);
    // Enter on a line; a double-click is taken from the list's viewport, before the list expands or collapses.
    connect(m_findings, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { showChannelOf(item); });
    m_findings->viewport()->installEventFilter(this);
    connect(m_close, &QPushButton::clicked, this, &PlanCheckWindow::closeWindow);
    connect(&m_document, &RadioDocument::changed, this, &PlanCheckWindow::showFindings);
    closeOnEscape();

    setCaptions();
    takePlan();
}

QRect PlanCheckWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.4);
    const int height = int(mainSize.height() / 1.5);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 4, width, height };
}

void PlanCheckWindow::choosePlan(const QString& name)
{
    const int index = m_plan->findData(name);
    if (index >= 0)
        m_plan->setCurrentIndex(index);
}

int PlanCheckWindow::channelOf(const QTreeWidgetItem* item)
{
    return item ? item->data(ColChannel, kChannelRole).toInt() : 0;
}

// The plan is taken from its channel set once, and again when the language
// changes, which words its title.
void PlanCheckWindow::takePlan()
{
    m_checked = BandPlan::stockPlan(m_plan->currentData().toString());
    showFindings();
}

void PlanCheckWindow::showFindings()
{
    m_findings->clear();
    if (!m_checked) {
        m_result->clear();
        return;
    }
    const QList<BandPlan::Finding> found = BandPlan::check(m_document.data(), *m_checked);
    for (const BandPlan::Finding& finding : found) {
        auto* line = new QTreeWidgetItem(m_findings);
        line->setData(ColChannel, kChannelRole, finding.channel);
        line->setText(ColChannel, QString::number(finding.channel));
        line->setText(ColTx, finding.txText);
        line->setText(ColProblem, BandPlan::findingText(finding, *m_checked));
        // A narrow window elides the sentence; the tip holds all of it.
        line->setToolTip(ColProblem, line->text(ColProblem));
    }
    for (int column = 0; column < ColProblem; ++column)
        m_findings->resizeColumnToContents(column);
    if (!found.isEmpty())
        m_findings->setCurrentItem(m_findings->topLevelItem(0));
    m_result->setText(found.isEmpty()
                          ? tr("Every channel that transmits keeps to the plan of %1. Receive-only channels "
                               "never break a plan.")
                                .arg(m_checked->title)
                          : tr("Channels that break the plan of %1: %2. Double-click one (or press Enter) to "
                               "select it in the channel table.")
                                .arg(m_checked->title)
                                .arg(found.size()));
}

void PlanCheckWindow::setCaptions()
{
    setWindowTitle(tr("Check against a plan"));
    m_planLabel->setText(tr("Band plan:"));
    m_findings->setHeaderLabels({ tr("Channel"), tr("TX frequency"), tr("Problem") });
    m_findings->setAccessibleName(tr("Channels that break the plan"));
    m_close->setText(tr("Close"));
    for (int i = 0; i < m_plan->count(); ++i)
        m_plan->setItemText(i, ChannelSets::title(m_plan->itemData(i).toString()));
}

bool PlanCheckWindow::showChannelOf(const QTreeWidgetItem* item)
{
    const int channel = channelOf(item);
    if (channel == 0 || !m_host)
        return false;
    m_host->showChannel(channel);
    return true;
}

bool PlanCheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_findings->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (showChannelOf(m_findings->itemAt(click->position().toPoint())))
            return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

void PlanCheckWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        takePlan();
    }
    ChildWindow::changeEvent(event);
}
