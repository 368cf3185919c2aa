// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainActions.h"

#include "MenuBarKeyboard.h"

#include "ChannelSets.h"
#include "UndoHistory.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <utility>

MainActions::MainActions(QMainWindow& window)
{
    createMenus(window);
    createWindowKeys(window);
    createToolbar(window);
}

void MainActions::createMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    auto action = [bar](QMenu* menu, const char* name, QKeySequence shortcut) {
        QAction* a = menu ? menu->addAction(QString()) : bar->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setShortcut(shortcut);
        return a;
    };
    auto submenu = [bar](const char* name) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    m_file = submenu("File");
    m_fileNew = action(m_file, "File_New", QKeySequence(Qt::CTRL | Qt::Key_N));
    m_fileOpen = action(m_file, "File_Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    m_fileSave = action(m_file, "File_save", QKeySequence(Qt::CTRL | Qt::Key_S));
    m_fileSaveAs = action(m_file, "File_saveas", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_fileRecent = m_file->addMenu(QString());
    m_fileRecent->setObjectName(QStringLiteral("File_recent"));
    m_file->addSeparator();
    m_fileImportCsv = action(m_file, "File_import_csv", QKeySequence(Qt::CTRL | Qt::Key_I));
    m_fileChannelSets = m_file->addMenu(QString());
    m_fileChannelSets->setObjectName(QStringLiteral("File_channel_sets"));
    for (const QString& set : ChannelSets::names()) {
        QAction* entry = m_fileChannelSets->addAction(QString());
        entry->setObjectName(QStringLiteral("File_set_") + set);
        entry->setData(set);
    }
    m_fileExportCsv = action(m_file, "File_export_csv", QKeySequence(Qt::CTRL | Qt::Key_E));
    m_fileCompare = action(m_file, "File_compare_file", QKeySequence(Qt::CTRL | Qt::Key_K));
    m_fileCompareRadio = action(m_file, "File_compare_radio", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    m_file->addSeparator();
    m_filePrint = action(m_file, "File_print", QKeySequence::Print);
    m_filePdf = action(m_file, "File_pdf", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    m_file->addSeparator();
    m_fileBackups = action(m_file, "File_backups", {});
    m_fileRestoreBackup = action(m_file, "File_restore_backup", {});
    m_fileExit = action(m_file, "File_exit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_procType = action(nullptr, "proc_type", QKeySequence(Qt::CTRL | Qt::Key_M));
    m_edit = submenu("Edit");
    m_editUndo = action(m_edit, "Edit_undo", QKeySequence::Undo);
    m_editRedo = action(m_edit, "Edit_redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_editRedo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    m_edit->addSeparator();
    m_editWindowActionsEnd = m_edit->addSeparator();
    m_editDuplicates = action(m_edit, "Edit_find_duplicates", {});
    m_editCheckPlan = action(m_edit, "Edit_check_plan", {});
    m_edit->addSeparator();
    m_channelEdit = action(m_edit, "Channel_edit", QKeySequence(Qt::CTRL | Qt::Key_1));
    m_optionalEdit = action(m_edit, "Optional_edit", QKeySequence(Qt::CTRL | Qt::Key_2));
    m_testEdit = action(m_edit, "Test_edit", QKeySequence(Qt::CTRL | Qt::Key_3));
    m_program = submenu("Program");
    m_progRead = action(m_program, "Prog_read", QKeySequence(Qt::CTRL | Qt::Key_R));
    m_progWrite = action(m_program, "Prog_write", QKeySequence(Qt::CTRL | Qt::Key_W));
    m_progFleet = action(m_program, "Prog_fleet", {});
    m_procSetup = action(nullptr, "proc_setup", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_language = submenu("Language_Setup");
    m_languageChn = action(m_language, "Language_chn", QKeySequence(Qt::CTRL | Qt::Key_F11));
    m_languageEng = action(m_language, "Language_eng", QKeySequence(Qt::CTRL | Qt::Key_F12));
    m_languageChn->setCheckable(true);
    m_languageEng->setCheckable(true);
    m_languageChn->setText(QStringLiteral("中文(&C)"));
    m_languageEng->setText(QStringLiteral("&English"));
    m_menuAbout = action(nullptr, "Menu_About", QKeySequence(Qt::CTRL | Qt::Key_F1));
    m_menuExit = action(nullptr, "Menu_exit", {});

    new MenuBarKeyboard(bar);
}

void MainActions::createWindowKeys(QMainWindow& window)
{
    auto key = [&window](const char* name, const QKeySequence& shortcut) {
        auto* action = new QAction(&window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        window.addAction(action);
        return action;
    };
    // Ctrl+F4, as the frames' own Close shows it.
    m_closeWindowKey = key("Window_close", QKeySequence(Qt::CTRL | Qt::Key_F4));
    m_contextHelpKey = key("Help_context", QKeySequence(Qt::Key_F1));
    m_nextWindowKey = key("Window_next", QKeySequence(Qt::CTRL | Qt::Key_Tab));
    m_previousWindowKey = key("Window_previous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
}

void MainActions::createToolbar(QMainWindow& window)
{
    QToolBar* bar = window.addToolBar(QString());
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->toggleViewAction()->setVisible(false);
    auto button = [bar](const QString& key, const QString& icon) {
        QAction* button = bar->addAction(QIcon(icon), QString());
        button->setObjectName(key);
        button->setData(key);
        return button;
    };
    m_openButton = button(QStringLiteral("open"), QStringLiteral(":/icons/open.svg"));
    m_saveButton = button(QStringLiteral("save"), QStringLiteral(":/icons/save.svg"));
    m_channelsButton = button(QStringLiteral("edit_chann"), QStringLiteral(":/icons/edit_chann.svg"));
    m_readButton = button(QStringLiteral("read"), QStringLiteral(":/icons/read.svg"));
    m_writeButton = button(QStringLiteral("write"), QStringLiteral(":/icons/write.svg"));
    m_exitButton = button(QStringLiteral("Exit"), QStringLiteral(":/icons/exit.svg"));
}

void MainActions::retranslate(bool startUp)
{
    m_file->setTitle(tr("&File"));
    m_fileNew->setText(tr("&New"));
    m_fileOpen->setText(tr("&Open…"));
    m_fileSave->setText(tr("&Save"));
    m_fileSaveAs->setText(tr("Save &As…"));
    m_fileRecent->setTitle(tr("&Recent files"));
    m_fileImportCsv->setText(tr("&Import CSV…"));
    m_fileChannelSets->setTitle(tr("Insert c&hannel set"));
    for (int i = 0; i < m_fileChannelSets->actions().size(); ++i) {
        QAction* entry = m_fileChannelSets->actions().at(i);
        entry->setText(QStringLiteral("&%1 %2…").arg(i + 1).arg(asMenuText(ChannelSets::title(entry->data().toString()))));
    }
    m_fileExportCsv->setText(tr("&Export CSV…"));
    m_fileCompare->setText(tr("&Compare with file…"));
    m_fileCompareRadio->setText(tr("Compare with ra&dio…"));
    m_filePrint->setText(tr("&Print…"));
    m_filePdf->setText(tr("Export PD&F…"));
    m_fileBackups->setText(tr("Open &Backups Folder"));
    m_fileRestoreBackup->setText(tr("Res&tore from Backup…"));
    m_fileExit->setText(tr("E&xit"));
    m_procType->setText(startUp ? tr("&Model", "menu at start-up") : tr("&Model", "menu"));
    m_edit->setTitle(tr("&Edit"));
    m_channelEdit->setText(tr("C&hannel Information "));
    m_optionalEdit->setText(tr("&Optional Features"));
    m_testEdit->setText(tr("R&adio"));
    m_editDuplicates->setText(tr("Find duplicate channe&ls"));
    m_editCheckPlan->setText(tr("Chec&k against a plan…"));
    m_program->setTitle(tr("&Program"));
    m_progRead->setText(tr("&Read from radio"));
    m_progWrite->setText(tr("&Write to radio"));
    m_progFleet->setText(tr("&Fleet programming…"));
    m_procSetup->setText(tr("&Communication"));
    m_language->setTitle(tr("&Language"));
    m_menuAbout->setText(tr("&About"));
    m_menuExit->setText(tr("E&xit"));

    const std::pair<QAction*, std::pair<QString, QString>> toolbarTexts[] = {
        { m_openButton, { tr("Open"), tr("Opens a channel file") } },
        { m_saveButton, { tr("Save"), tr("Saves the radio data to a channel file") } },
        { m_channelsButton, { tr("Channels"), tr("Shows the channel table") } },
        { m_readButton, { tr("Read"), tr("Reads the radio's data") } },
        { m_writeButton, { tr("Write"), tr("Writes the data to the radio") } },
        { m_exitButton, { tr("Exit"), tr("Ends the program") } },
    };
    for (const auto& [button, texts] : toolbarTexts) {
        button->setText(texts.first);
        button->setToolTip(texts.second);
    }
}

void MainActions::showUndoCaptions(const UndoHistory& history)
{
    m_editUndo->setText(history.canUndo() ? tr("&Undo %1").arg(asMenuText(history.undoText())) : tr("&Undo"));
    m_editRedo->setText(history.canRedo() ? tr("&Redo %1").arg(asMenuText(history.redoText())) : tr("&Redo"));
    m_editUndo->setEnabled(history.canUndo());
    m_editRedo->setEnabled(history.canRedo());
}

void MainActions::showLanguage(bool chinese)
{
    m_languageChn->setChecked(chinese);
    m_languageEng->setChecked(!chinese);
}

void MainActions::addWindowEditActions(const QList<QAction*>& actions)
{
    m_edit->insertActions(m_editWindowActionsEnd, actions);
}

QList<QAction*> MainActions::channelSetEntries() const
{
    return m_fileChannelSets->actions();
}

QString MainActions::asMenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
