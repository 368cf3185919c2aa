// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The write window: checks the working copy and writes a copy of it to the
// radio, backing the radio up first and reading it back afterwards when the
// user asks for it (both on by default, remembered between runs).

#include "LinkWindow.h"

class PathLabel;
class QCheckBox;
class QLabel;
class QPushButton;

class WriteWindow : public LinkWindow
{
    Q_OBJECT
public:
    // How many backups the program keeps.
    static constexpr int kKeptBackups = 50;

    WriteWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host = nullptr, QWidget* parent = nullptr);

protected:
    void retranslateUi() override;
    QString helpText() const override;
    void startTransfer() override;

private:
    void showStep(LinkSequence::Step step);
    void showBackupPath();
    // After a write that broke off or failed its verify: the radio's memory
    // from before it, when it was backed up, can go back to the radio.
    void offerBackup(LinkSequence::Outcome outcome);
    void writeBackupBack();

    QLabel* m_step;
    QCheckBox* m_verify;
    QCheckBox* m_backup;
    PathLabel* m_backupPlace;
    QPushButton* m_showBackup;
    QPushButton* m_writeBackup;
    QString m_backupToWriteBack;
};
