// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel-file dialog: a drive list, the chosen drive's folders, the
// chosen folder's radio files of the chosen type (channel file or radio text)
// and a name box, with Confirm and Cancel. It
// serves two roles, loading and saving; each role is its own window so that
// each exists at most once.

#include "ui/ChildWindow.h"

class RadioDocument;
class WindowHost;

class DriveRootFilter;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeView;

class ChannelFileDialog : public ChildWindow
{
    Q_OBJECT
public:
    QRect placement(const QSize& mainSize) const override;

    // The folder Dir1 shows: the file named in Text1 lies there.
    QString folder() const { return m_folder; }

protected:
    ChannelFileDialog(RadioDocument& document, WindowHost* host, QWidget* parent);
    void setCaptions(const QString& title, const QString& nameCaption);

    virtual QString invalidNameMessage() const = 0;
    virtual QString suffixMessage() const = 0;
    // Loads or saves the accepted file and reports the outcome; false keeps the dialog open.
    virtual bool perform(const QString& path) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

    RadioDocument& m_document;
    WindowHost* const m_host;

private:
    void fillDrives();
    void chooseDrive(int index);
    void showDrive(const QString& root);
    void showFolder(const QString& path);
    void showType(int index);
    void listFolder(const QString& path);
    void confirm();

    QLabel* m_driveCaption;
    QLabel* m_nameCaption;
    QComboBox* m_drives;
    QTreeView* m_folderTree;
    QListView* m_fileList;
    QLineEdit* m_name;
    QComboBox* m_type;
    QPushButton* m_confirm;
    QPushButton* m_cancel;

    QFileSystemModel* m_folders;
    DriveRootFilter* m_driveFilter;
    QFileSystemModel* m_files;
    QString m_folder;
};
