// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File > Restore from backup: lists the radio backups taken before writes
// (date, time, the radio's memory format, channels in use); the one chosen
// becomes the working copy as one undo step, and the window offers to write
// it to the radio at once.

#include "Backups.h"
#include "ui/ChildWindow.h"

class LinkContext;
class QLabel;
class QPushButton;
class QTableWidget;
class RadioDocument;
class WindowHost;

class BackupRestoreWindow : public ChildWindow
{
    Q_OBJECT
public:
    enum Column { ColDate, ColTime, ColVersion, ColChannels, ColumnCount };

    BackupRestoreWindow(RadioDocument& document, const LinkContext& links, WindowHost* host = nullptr,
                        QWidget* parent = nullptr);
    QRect placement(const QSize& mainSize) const override;
    void activated() override;

private:
    void showBackups();
    void restore();

    RadioDocument& m_document;
    const LinkContext& m_links;
    WindowHost* const m_host;
    QLabel* m_folder;
    QTableWidget* m_list;
    QPushButton* m_restore;
    QPushButton* m_close;
    QList<Backups::Backup> m_backups;
};
