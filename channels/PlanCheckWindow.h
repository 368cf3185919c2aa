// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Edit > Check against a plan…: every channel that transmits outside the
// chosen service's band plan, or wider or with more power than the plan
// allows there. A double-click (or Enter) selects the channel in the channel
// table. It follows every change of the document.

#include "ui/ChildWindow.h"

#include "BandPlan.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RadioDocument;
class WindowHost;

class PlanCheckWindow : public ChildWindow
{
    Q_OBJECT
public:
    enum Column { ColChannel, ColTx, ColProblem, ColumnCount };

    explicit PlanCheckWindow(RadioDocument& document, WindowHost* host = nullptr, QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;

    // Checks against the stock plan of that name (a channel set's file name without ".csv").
    void choosePlan(const QString& name);

    QTreeWidget* findings() const { return m_findings; }
    static int channelOf(const QTreeWidgetItem* item);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects the line's channel in the channel table; false for a line without one.
    bool showChannelOf(const QTreeWidgetItem* item);
    void takePlan();
    void showFindings();
    void setCaptions();

    RadioDocument& m_document;
    WindowHost* const m_host;
    QLabel* m_planLabel;
    QComboBox* m_plan;
    QLabel* m_result;
    QTreeWidget* m_findings;
    QPushButton* m_close;
    std::optional<BandPlan::Plan> m_checked;
};
