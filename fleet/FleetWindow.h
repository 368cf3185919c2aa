// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Program > Fleet programming: the ports of the station in a grid, each with
// its own link, and one channel file (the working copy, or a file chosen here)
// written to every checked radio at once: backup, write and verify side by
// side, each row with its own progress and outcome. A failed row is retried
// alone; Next batch clears the rows for the next radios. Every radio goes
// into the report. The working copy is never changed, and the window refuses
// to close while any port transfers.

#include "ui/ChildWindow.h"

#include <optional>

class CommPort;
class FleetPortTable;
class FleetRun;
class LinkContext;
class PathLabel;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RadioDocument;
class WindowHost;
struct FleetPlan;

class FleetWindow : public ChildWindow
{
    Q_OBJECT
public:
    // port: where the COMs' devices are looked up; links: the radios' intervals,
    // and where their transfers count; host: asked to commit what is typed
    // elsewhere before the working copy is taken.
    FleetWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host = nullptr,
                QWidget* parent = nullptr);

    QRect placement(const QSize& mainSize) const override;

    FleetRun* run() const { return m_run; }
    // Whether any port transfers.
    bool transferring() const;

    // The channel file to write instead of the working copy; empty: the working copy.
    void setChannelFile(const QString& path);
    void setReportPath(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void listPorts();
    void programChecked();
    void retryCurrent();
    void nextBatch();
    void chooseChannelFile();
    void chooseReport();
    void openReport();
    void showCurrentAdvice();
    void showButtons();
    // The plan for a batch, or nothing when the file cannot be read or is refused (said so).
    std::optional<FleetPlan> makePlan();

    RadioDocument& m_document;
    CommPort& m_port;
    WindowHost* const m_host;
    FleetRun* m_run;
    QLabel* m_fileCaption;
    QRadioButton* m_useWorkingCopy;
    QRadioButton* m_useFile;
    PathLabel* m_filePlace;
    QPushButton* m_chooseFile;
    QCheckBox* m_backup;
    QCheckBox* m_verify;
    PathLabel* m_reportPlace;
    QPushButton* m_chooseReport;
    QPushButton* m_openReport;
    FleetPortTable* m_table;
    QLabel* m_advice;
    QPushButton* m_refresh;
    QPushButton* m_program;
    QPushButton* m_retry;
    QPushButton* m_nextBatch;
    QPushButton* m_close;
    QString m_filePath;
};
