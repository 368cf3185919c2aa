// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's menus, toolbar and window keys: built in their order, with
// their names, shortcuts and mnemonics, and worded in the language in use. What
// they do is the main window's business: it connects them.

#include <QCoreApplication>
#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class UndoHistory;

class MainActions
{
    Q_DECLARE_TR_FUNCTIONS(MainActions)
public:
    // Fills the window's menu bar and toolbar, and gives it the window keys.
    explicit MainActions(QMainWindow& window);

    // Words the menus and the toolbar again; some captions read differently at start-up.
    void retranslate(bool startUp);
    // Undo and Redo name the step they take back or do again.
    void showUndoCaptions(const UndoHistory& history);
    // Ticks the language in use.
    void showLanguage(bool chinese);
    // A window's own Edit actions go into the Edit menu while it is open.
    void addWindowEditActions(const QList<QAction*>& actions);

    // A file name or step name shown as a menu item: an ampersand in it is no mnemonic.
    static QString asMenuText(QString text);

    // File
    QAction* fileNew() const { return m_fileNew; }
    QAction* fileOpen() const { return m_fileOpen; }
    QAction* fileSave() const { return m_fileSave; }
    QAction* fileSaveAs() const { return m_fileSaveAs; }
    // Filled each time it opens.
    QMenu* recentFilesMenu() const { return m_fileRecent; }
    QAction* fileImportCsv() const { return m_fileImportCsv; }
    // One entry per stock channel set, its name in the entry's data.
    QList<QAction*> channelSetEntries() const;
    QAction* fileExportCsv() const { return m_fileExportCsv; }
    QAction* fileCompare() const { return m_fileCompare; }
    QAction* fileCompareRadio() const { return m_fileCompareRadio; }
    QAction* filePrint() const { return m_filePrint; }
    QAction* filePdf() const { return m_filePdf; }
    QAction* fileBackups() const { return m_fileBackups; }
    QAction* fileRestoreBackup() const { return m_fileRestoreBackup; }
    QAction* fileExit() const { return m_fileExit; }
    // Model, a command of the menu bar itself.
    QAction* model() const { return m_procType; }
    // Edit
    QAction* editUndo() const { return m_editUndo; }
    QAction* editRedo() const { return m_editRedo; }
    QAction* editDuplicates() const { return m_editDuplicates; }
    QAction* editCheckPlan() const { return m_editCheckPlan; }
    QAction* channelEdit() const { return m_channelEdit; }
    QAction* optionalEdit() const { return m_optionalEdit; }
    QAction* fmEdit() const { return m_testEdit; }
    // Program, then Communication on the menu bar
    QAction* programRead() const { return m_progRead; }
    QAction* programWrite() const { return m_progWrite; }
    QAction* programFleet() const { return m_progFleet; }
    QAction* portSetup() const { return m_procSetup; }
    // Language
    QAction* languageChinese() const { return m_languageChn; }
    QAction* languageEnglish() const { return m_languageEng; }
    // About and Exit on the menu bar
    QAction* about() const { return m_menuAbout; }
    QAction* menuExit() const { return m_menuExit; }

    // The toolbar
    QAction* openButton() const { return m_openButton; }
    QAction* saveButton() const { return m_saveButton; }
    QAction* channelsButton() const { return m_channelsButton; }
    QAction* readButton() const { return m_readButton; }
    QAction* writeButton() const { return m_writeButton; }
    QAction* exitButton() const { return m_exitButton; }

    // Keys for the windows inside the area and their controls, wherever the
    // focus is in the main window.
    QAction* closeWindowKey() const { return m_closeWindowKey; }
    QAction* contextHelpKey() const { return m_contextHelpKey; }
    QAction* nextWindowKey() const { return m_nextWindowKey; }
    QAction* previousWindowKey() const { return m_previousWindowKey; }

private:
    void createMenus(QMainWindow& window);
    void createWindowKeys(QMainWindow& window);
    void createToolbar(QMainWindow& window);

    QMenu* m_file = nullptr;
    QMenu* m_edit = nullptr;
    QMenu* m_program = nullptr;
    QMenu* m_language = nullptr;
    QMenu* m_fileRecent = nullptr;
    QAction* m_fileNew = nullptr;
    QAction* m_fileOpen = nullptr;
    QAction* m_fileSave = nullptr;
    QAction* m_fileSaveAs = nullptr;
    QAction* m_fileImportCsv = nullptr;
    QMenu* m_fileChannelSets = nullptr;
    QAction* m_fileExportCsv = nullptr;
    QAction* m_fileCompare = nullptr;
    QAction* m_fileCompareRadio = nullptr;
    QAction* m_filePrint = nullptr;
    QAction* m_filePdf = nullptr;
    QAction* m_fileBackups = nullptr;
    QAction* m_fileRestoreBackup = nullptr;
    QAction* m_fileExit = nullptr;
    QAction* m_editUndo = nullptr;
    QAction* m_editRedo = nullptr;
    QAction* m_editWindowActionsEnd = nullptr;   // a window's Edit actions go before this separator
    QAction* m_procType = nullptr;
    QAction* m_channelEdit = nullptr;
    QAction* m_optionalEdit = nullptr;
    QAction* m_testEdit = nullptr;
    QAction* m_editDuplicates = nullptr;
    QAction* m_editCheckPlan = nullptr;
    QAction* m_progRead = nullptr;
    QAction* m_progWrite = nullptr;
    QAction* m_progFleet = nullptr;
    QAction* m_procSetup = nullptr;
    QAction* m_languageChn = nullptr;
    QAction* m_languageEng = nullptr;
    QAction* m_menuAbout = nullptr;
    QAction* m_menuExit = nullptr;

    QAction* m_openButton = nullptr;
    QAction* m_saveButton = nullptr;
    QAction* m_channelsButton = nullptr;
    QAction* m_readButton = nullptr;
    QAction* m_writeButton = nullptr;
    QAction* m_exitButton = nullptr;

    QAction* m_closeWindowKey = nullptr;
    QAction* m_contextHelpKey = nullptr;
    QAction* m_nextWindowKey = nullptr;
    QAction* m_previousWindowKey = nullptr;
};
