// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "PortSetupDialog.h"
#include "MenuBarKeyboard.h"
#include "ModelDialog.h"
#include "RecentFiles.h"
#include "ui/ContextHelp.h"
#include "ui/FolderView.h"
#include "ui/Prompt.h"
#include "AboutDialog.h"
#include "channels/ChannelFindBar.h"
#include "channels/ChannelTableWindow.h"
#include "channels/DuplicatesWindow.h"
#include "channels/PlanCheckWindow.h"
#include "files/ChannelExchange.h"
#include "files/CompareWindow.h"
#include "files/OpenFileDialog.h"
#include "files/SaveFileDialog.h"
#include "fm/FmPresetsWindow.h"
#include "options/OptionsWindow.h"
#include "transfer/CompareWithRadioWindow.h"
#include "transfer/ReadWindow.h"
#include "link/Backups.h"
#include "transfer/BackupRestoreWindow.h"
#include "transfer/WriteWindow.h"
#include "fleet/FleetWindow.h"
#include "print/ChannelList.h"

#include "files/PrintCommands.h"

#include "Language.h"
#include "ChannelSets.h"
#include "LinkContext.h"
#include "CommPort.h"
#include "RadioDocument.h"
#include "RadioFile.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include <algorithm>

namespace {

const QKeySequence kCloseWindowKey(Qt::CTRL | Qt::Key_F4);

// Status-bar panel widths, percent of the window width at start-up.
constexpr std::array<int, MainWindow::kPanelCount> kPanelWidthPercent = { 5, 15, 6, 8, 10, 5, 16, 35 };

// The channel file or radio text among dropped files, or empty.
QString droppedChannelFile(const QMimeData* data)
{
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && RadioFile::isRadioFileName(url.toLocalFile()))
            return url.toLocalFile();
    return {};
}

// The room the status bar's own layout takes from its panels: the spacing
// before the first panel and the gap after each one.
int statusBarSpacing(const QStatusBar* bar)
{
    const QLayout* outer = bar->layout();
    for (int i = 0; outer && i < outer->count(); ++i) {
        const auto* row = qobject_cast<QBoxLayout*>(outer->itemAt(i)->layout());
        if (!row)
            continue;
        int leading = 0;
        for (int j = 0; j < row->count() && row->itemAt(j)->spacerItem(); ++j)
            leading += row->itemAt(j)->sizeHint().width();
        return leading + row->spacing() * MainWindow::kPanelCount;
    }
    return 0;
}

// A file name or step name shown as a menu item: an ampersand in it is no mnemonic.
QString asMenuText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString rangePanelText(const RadioDocument& document)
{
    auto str = [](double v) { return QLatin1Char(' ') + QString::number(v); };
    return str(document.rangeLow()) + QStringLiteral("--") + str(document.rangeHigh()) + QStringLiteral(" MHZ");
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_document(new RadioDocument(this))
    , m_port(new CommPort(this))
    , m_links(new LinkContext(this))
    , m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDImain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/qv3n.svg")));
    setAcceptDrops(true);
    m_area->setObjectName(QStringLiteral("MdiArea"));
    // A window that closes hands the front to the one that was active before it.
    m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);
    createMenus();
    createWindowKeys();
    createToolbar();
    createStatusBar();

    connect(m_document, &RadioDocument::changed, this, [this] { setPanelText(Panel::Version, m_document->versionText()); });
    connect(m_document, &RadioDocument::modifiedChanged, this, &QWidget::setWindowModified);
    // The file in use is the one most recently used.
    connect(m_document, &RadioDocument::fileNameChanged, this, [this](const QString& fileName) {
        RecentFiles::add(fileName);
        showTitle();
    });
    connect(m_port, &CommPort::commPortNumberChanged, this,
            [this](int number) { setPanelText(Panel::Port, QStringLiteral("COM%1").arg(number)); });
    connect(m_document->history(), &UndoHistory::changed, this, &MainWindow::showUndoCaptions);
    showUndoCaptions();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    // The area's windows and the document go after this class's part of the
    // object: closing the windows activates others, which may not reach the
    // handlers of a main window that is half gone.
    disconnect(m_area, nullptr, this, nullptr);
    disconnect(m_document, nullptr, this, nullptr);
    disconnect(m_document->history(), nullptr, this, nullptr);
}

void MainWindow::start(bool chineseFont)
{
    // Chinese drawn without a font for it is a window of boxes, the Language menu included.
    m_chinese = chineseFont;
    applyUiLanguage(m_chinese);

    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    resize(int(screen.width() / 1.5), int(screen.height() / 1.5));
    show();

    setPanelWidths();
    setPanelText(Panel::State, QString());
    setCaptions(true);

    setPanelText(Panel::Port, QStringLiteral("COM%1").arg(m_port->commPortNumber()));
    setPanelText(Panel::Version, m_document->versionText());
    setPanelText(Panel::Band, rangePanelText(*m_document));
    openChannelWindow();
    // The window may have grown for the channel table.
    setPanelWidths();
    if (!chineseFont)
        Prompt::inform(this, tr("No font that covers Chinese is installed, so the program starts in English. "
                                "Install %1 to see it in Chinese.")
                                 .arg(ChineseFont::package()));
}

QString MainWindow::panelText(Panel panel) const
{
    return m_panels.at(int(panel) - 1)->text();
}

void MainWindow::setPanelText(Panel panel, const QString& text)
{
    QLabel* label = m_panels.at(int(panel) - 1);
    label->setText(text);
    if (label->sizeHint().width() > label->width() && panel != Panel::Maker)
        setPanelWidths();
}

// The mark is the document's, whoever else sets it: a maximised child window
// that closes, for one, hands the main window its own state.
void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != m_document->isModified())
        setWindowModified(m_document->isModified());
}

// An editor with nothing of its own to undo or redo leaves Ctrl+Z and Ctrl+Y
// to the document, wherever in the program it has the focus; one with typing
// of its own takes that back first.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::ShortcutOverride && editor && editor->window() == this) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        const bool undo = m_editUndo->shortcuts().contains(pressed) && !editor->isUndoAvailable();
        const bool redo = m_editRedo->shortcuts().contains(pressed) && !editor->isRedoAvailable();
        if (undo || redo) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A transfer cut in half leaves the radio partly written.
    if (m_links->transferRunning()) {
        Prompt::inform(this, linkBusyCloseText());
        event->ignore();
        return;
    }
    if (!confirmDiscardChanges(DiscardReason::Exit)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedChannelFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedChannelFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag source waits for the drop to end; the file opens after it.
    QMetaObject::invokeMethod(this, [this, path] { openFile(path); }, Qt::QueuedConnection);
}

void MainWindow::createMenus()
{
    auto action = [this](QMenu* menu, const char* name, QKeySequence shortcut, auto slot) {
        QAction* a = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto submenu = [this](const char* name) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    m_file = submenu("File");
    m_fileNew = action(m_file, "File_New", QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newImage);
    m_fileOpen = action(m_file, "File_Open", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openChannelFile);
    m_fileSave = action(m_file, "File_save", QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveChannelFile);
    m_fileSaveAs = action(m_file, "File_saveas", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::saveChannelFile);
    m_fileRecent = m_file->addMenu(QString());
    m_fileRecent->setObjectName(QStringLiteral("File_recent"));
    connect(m_fileRecent, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    m_file->addSeparator();
    m_fileImportCsv = action(m_file, "File_import_csv", QKeySequence(Qt::CTRL | Qt::Key_I),
                             [this] { ChannelExchange::importCsv(this, *m_document, this); });
    m_fileChannelSets = m_file->addMenu(QString());
    m_fileChannelSets->setObjectName(QStringLiteral("File_channel_sets"));
    for (const QString& set : ChannelSets::names()) {
        QAction* entry = m_fileChannelSets->addAction(QString());
        entry->setObjectName(QStringLiteral("File_set_") + set);
        entry->setData(set);
        connect(entry, &QAction::triggered, this,
                [this, set] { ChannelExchange::insertChannelSet(this, *m_document, this, set); });
    }
    m_fileExportCsv = action(m_file, "File_export_csv", QKeySequence(Qt::CTRL | Qt::Key_E),
                             [this] { ChannelExchange::exportCsv(this, *m_document, this, exportPath(QStringLiteral("csv"))); });
    m_fileCompare = action(m_file, "File_compare_file", QKeySequence(Qt::CTRL | Qt::Key_K), [this] {
        QString name;
        if (const std::optional<MemoryImage> other = ChannelExchange::chooseComparisonFile(this, &name))
            showComparison(*other, name);
    });
    m_fileCompareRadio = action(m_file, "File_compare_radio", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), [this] { openWindow<CompareWithRadioWindow>(); });
    m_file->addSeparator();
    m_filePrint = action(m_file, "File_print", QKeySequence::Print, &MainWindow::printChannelList);
    m_filePdf = action(m_file, "File_pdf", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &MainWindow::exportChannelListPdf);
    m_file->addSeparator();
    m_fileBackups = action(m_file, "File_backups", {}, &MainWindow::openBackupsFolder);
    m_fileRestoreBackup = action(m_file, "File_restore_backup", {}, [this] { openWindow<BackupRestoreWindow>(); });
    m_fileExit = action(m_file, "File_exit", QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::close);
    m_procType = action(nullptr, "proc_type", QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::openModelWindow);
    m_edit = submenu("Edit");
    m_editUndo = action(m_edit, "Edit_undo", QKeySequence::Undo, &MainWindow::undo);
    m_editRedo = action(m_edit, "Edit_redo", QKeySequence(Qt::CTRL | Qt::Key_Y), &MainWindow::redo);
    m_editRedo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    m_edit->addSeparator();
    m_editWindowActionsEnd = m_edit->addSeparator();
    m_editDuplicates = action(m_edit, "Edit_find_duplicates", {}, [this] { frontWindow<DuplicatesWindow>(); });
    m_editCheckPlan = action(m_edit, "Edit_check_plan", {}, [this] { frontWindow<PlanCheckWindow>(); });
    m_edit->addSeparator();
    m_channelEdit = action(m_edit, "Channel_edit", QKeySequence(Qt::CTRL | Qt::Key_1), &MainWindow::openChannelWindow);
    m_optionalEdit = action(m_edit, "Optional_edit", QKeySequence(Qt::CTRL | Qt::Key_2), &MainWindow::openOptionWindow);
    m_testEdit = action(m_edit, "Test_edit", QKeySequence(Qt::CTRL | Qt::Key_3), &MainWindow::openFmWindow);
    m_program = submenu("Program");
    m_progRead = action(m_program, "Prog_read", QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::openReadWindow);
    m_progWrite = action(m_program, "Prog_write", QKeySequence(Qt::CTRL | Qt::Key_W), &MainWindow::openWriteWindow);
    m_progFleet = action(m_program, "Prog_fleet", {}, [this] { openWindow<FleetWindow>(); });
    m_procSetup = action(nullptr, "proc_setup", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &MainWindow::openSetupWindow);
    m_language = submenu("Language_Setup");
    m_languageChn = action(m_language, "Language_chn", QKeySequence(Qt::CTRL | Qt::Key_F11), &MainWindow::chooseChinese);
    m_languageEng = action(m_language, "Language_eng", QKeySequence(Qt::CTRL | Qt::Key_F12), &MainWindow::chooseEnglish);
    m_languageChn->setCheckable(true);
    m_languageEng->setCheckable(true);
    m_languageChn->setText(QStringLiteral("中文(&C)"));
    m_languageEng->setText(QStringLiteral("&English"));
    m_menuAbout = action(nullptr, "Menu_About", QKeySequence(Qt::CTRL | Qt::Key_F1), &MainWindow::openAboutWindow);
    m_menuExit = action(nullptr, "Menu_exit", {}, &MainWindow::close);

    new MenuBarKeyboard(menuBar());
}

// Keys for the windows inside the area and their controls, wherever the focus
// is in the main window.
void MainWindow::createWindowKeys()
{
    auto key = [this](const char* name, const QKeySequence& shortcut, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    // A read or write window that is transferring refuses, as its close box does.
    key("Window_close", kCloseWindowKey, [this] {
        if (QMdiSubWindow* frame = m_area->activeSubWindow())
            frame->close();
    });
    key("Help_context", QKeySequence(Qt::Key_F1), &MainWindow::showContextHelp);
    key("Window_next", QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { m_area->activateNextSubWindow(); });
    key("Window_previous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
        [this] { m_area->activatePreviousSubWindow(); });
}

void MainWindow::showContextHelp()
{
    QString text = ContextHelp::textFor(QApplication::focusWidget());
    if (text.isEmpty())
        text = tr("This control has no help of its own; the window's Help button says what the window does.");
    Prompt::show(this, { tr("Help"), text, {}, {}, QMessageBox::Information, QMessageBox::Ok,
                         { { QMessageBox::Ok, tr("OK") } } });
}

QAction* MainWindow::toolbarButton(const QString& key, const QString& icon)
{
    QToolBar* bar = findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QAction* button = bar->addAction(QIcon(icon), QString());
    button->setObjectName(key);
    button->setData(key);
    return button;
}

void MainWindow::createToolbar()
{
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->toggleViewAction()->setVisible(false);
    connect(toolbarButton(QStringLiteral("open"), QStringLiteral(":/icons/open.svg")), &QAction::triggered, this,
            &MainWindow::openChannelFile);
    connect(toolbarButton(QStringLiteral("save"), QStringLiteral(":/icons/save.svg")), &QAction::triggered, this,
            &MainWindow::saveChannelFile);
    connect(toolbarButton(QStringLiteral("edit_chann"), QStringLiteral(":/icons/edit_chann.svg")),
            &QAction::triggered, this, &MainWindow::openChannelWindow);
    connect(toolbarButton(QStringLiteral("read"), QStringLiteral(":/icons/read.svg")), &QAction::triggered, this,
            &MainWindow::openReadWindow);
    connect(toolbarButton(QStringLiteral("write"), QStringLiteral(":/icons/write.svg")), &QAction::triggered, this,
            &MainWindow::openWriteWindow);
    connect(toolbarButton(QStringLiteral("Exit"), QStringLiteral(":/icons/exit.svg")), &QAction::triggered, this,
            &MainWindow::close);
}

void MainWindow::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < kPanelCount; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        bar->addWidget(panel);
        m_panels[i] = panel;
    }
}

void MainWindow::setPanelWidths()
{
    // The panels share what the bar's own spacing leaves, so the last one ends
    // inside the bar; a panel whose text needs more than its share gets it,
    // from the last panel's share.
    const int available = width() - statusBarSpacing(statusBar());
    int used = 0;
    for (int i = 0; i < kPanelCount - 1; ++i) {
        const int width = qMax(available * kPanelWidthPercent[i] / 100, m_panels[i]->sizeHint().width());
        m_panels[i]->setFixedWidth(width);
        used += width;
    }
    m_panels[kPanelCount - 1]->setFixedWidth(qMax(0, available - used));
}

void MainWindow::settleLayout()
{
    // The status bar fits its height to new panel texts only when its posted
    // layout request arrives; the window's layout then places the area.
    QCoreApplication::sendPostedEvents(statusBar(), QEvent::LayoutRequest);
    layout()->activate();
}

void MainWindow::setCaptions(bool startUp)
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
    showUndoCaptions();
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
    m_languageChn->setChecked(m_chinese);
    m_languageEng->setChecked(!m_chinese);
    m_menuAbout->setText(tr("&About"));
    m_menuExit->setText(tr("E&xit"));

    showTitle();
    const std::pair<const char*, std::pair<QString, QString>> toolbarTexts[] = {
        { "open", { tr("Open"), tr("Opens a channel file") } },
        { "save", { tr("Save"), tr("Saves the radio data to a channel file") } },
        { "edit_chann", { tr("Channels"), tr("Shows the channel table") } },
        { "read", { tr("Read"), tr("Reads the radio's data") } },
        { "write", { tr("Write"), tr("Writes the data to the radio") } },
        { "Exit", { tr("Exit"), tr("Ends the program") } },
    };
    for (const auto& [key, texts] : toolbarTexts) {
        QAction* button = findChild<QAction*>(QLatin1String(key));
        button->setText(texts.first);
        button->setToolTip(texts.second);
    }
    setPanelText(Panel::State, tr("State"));
    setPanelText(Panel::Blank, QString());
    setPanelText(Panel::Port, QStringLiteral("COM%1").arg(m_port->commPortNumber()));
    setPanelText(Panel::VersionCaption, tr("  Version"));
    setPanelText(Panel::BandCaption, startUp ? tr("Band", "status bar at start-up") : tr("Band", "status bar"));
    setPanelText(Panel::Maker, makerName());
}

void MainWindow::showTitle()
{
    const QString fileName = m_document->fileName();
    // Qt shows the [*] mark as "*" while the data has unsaved changes.
    setWindowTitle(fileName.isEmpty()
                       ? mainWindowTitle() + QStringLiteral("[*]")
                       : tr("%1 - %2[*]").arg(mainWindowTitle().trimmed(), QFileInfo(fileName).fileName()));
    setWindowModified(m_document->isModified());
}

void MainWindow::showRecentFiles()
{
    m_fileRecent->clear();
    const QStringList files = RecentFiles::list();
    if (files.isEmpty())
        m_fileRecent->addAction(tr("(none)"))->setEnabled(false);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = m_fileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(asMenuText(QDir::toNativeSeparators(path))));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!openFile(path) && !QFileInfo::exists(path))
                RecentFiles::remove(path);
        });
    }
}

void MainWindow::showInArea(ChildWindow* child)
{
    m_edit->insertActions(m_editWindowActionsEnd, child->editActions());
    QMdiSubWindow* frame = m_area->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    // The frame's Close takes Ctrl+W on some systems, a key that writes to the
    // radio. Its menu shows the key that closes a window here, but leaves the
    // key to the main window's own action, which also works where the focus is
    // in no window.
    const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (QAction* action : frame->systemMenu()->actions()) {
        const QList<QKeySequence> keys = action->shortcuts();
        if (std::any_of(closeKeys.cbegin(), closeKeys.cend(), [&](const QKeySequence& k) { return keys.contains(k); })) {
            action->setShortcut(kCloseWindowKey);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    // At start-up the bars have only just been filled: the area has its size
    // once the window's layout has taken them in.
    settleLayout();
    // The share of the main window a window takes may be too small for its
    // contents on a small screen: it gets the room it needs, the main window
    // growing for it as far as the screen allows, and it stays in sight.
    growAreaFor(frame->sizeHint());
    const QSize area = m_area->size();
    QRect place = child->placement(area);
    place.setSize(place.size().expandedTo(frame->sizeHint()).boundedTo(area));
    place.moveTo(qBound(0, place.left(), area.width() - place.width()), qBound(0, place.top(), area.height() - place.height()));
    frame->setGeometry(place);
    frame->show();
}

void MainWindow::growAreaFor(const QSize& needed)
{
    const QSize missing = (needed - m_area->size()).expandedTo(QSize(0, 0));
    if (missing == QSize(0, 0) || isMaximized() || isFullScreen())
        return;
    const QRect screenRoom = screen()->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    resize((size() + missing).boundedTo(screenRoom.size() - decoration));
    // Moved back inside the screen when it grew past its edge.
    const QRect frame = frameGeometry();
    move(qBound(screenRoom.left(), frame.left(), screenRoom.right() + 1 - frame.width()),
         qBound(screenRoom.top(), frame.top(), screenRoom.bottom() + 1 - frame.height()));
    settleLayout();
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* frame)
{
    if (frame && frame->widget())
        if (auto* child = qobject_cast<ChildWindow*>(frame->widget()))
            child->activated();
}

void MainWindow::commitPendingEdits()
{
    for (QMdiSubWindow* frame : m_area->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(frame->widget()))
            child->commitPendingEdit();
}

bool MainWindow::confirmDiscardChanges(DiscardReason reason)
{
    commitPendingEdits();
    if (!m_document->isModified())
        return true;

    Prompt::Message question;
    question.title = Prompt::titleText(Prompt::Title::Capital);
    const QString fileName = m_document->fileName();
    const bool fileKnown = !fileName.isEmpty();
    switch (reason) {
    case DiscardReason::Exit:
        question.text = tr("The radio data has changed since it was last loaded or saved. "
                           "Save the changes before the program closes?");
        question.informativeText = tr("Save opens the save dialog; the program stays open.");
        break;
    case DiscardReason::New:
        question.text = tr("The radio data has changed since it was last loaded or saved. "
                           "Save the changes before starting anew?");
        question.informativeText = tr("Save opens the save dialog; the data stays as it is.");
        break;
    case DiscardReason::Open:
        question.text = tr("The radio data has changed since it was last loaded or saved. "
                           "Save the changes before another file is loaded?");
        question.informativeText = tr("Save opens the save dialog; the file is not loaded.");
        break;
    case DiscardReason::Read:
        question.text = tr("The radio data has changed since it was last loaded or saved. "
                           "Save the changes before the radio's data is read over them?");
        question.informativeText = tr("Save opens the save dialog; the radio is not read.");
        break;
    }
    if (fileKnown)
        question.informativeText = tr("Save writes them to %1.").arg(QDir::toNativeSeparators(fileName));
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    question.buttonTexts = { { QMessageBox::Save, tr("Save", "question button") },
                             { QMessageBox::Discard, tr("Discard") },
                             { QMessageBox::Cancel, tr("Cancel") } };

    switch (Prompt::show(this, question)) {
    case QMessageBox::Discard:
        return true;
    case QMessageBox::Save:
        // The dialogs are windows beside the others, not modal boxes, so
        // nothing here can wait for a name to be chosen.
        if (fileKnown)
            return SaveFileDialog::saveFile(this, *m_document, fileName);
        openWindow<SaveFileDialog>();
        return false;
    default:
        return false;
    }
}

void MainWindow::closeFileDialogs()
{
    if (auto* dialog = window<OpenFileDialog>())
        dialog->closeWindow();
    if (auto* dialog = window<SaveFileDialog>())
        dialog->closeWindow();
}

void MainWindow::showVersionText(const QString& text)
{
    setPanelText(Panel::Version, text);
}

void MainWindow::showChannel(int channel)
{
    ChannelTableWindow* table = frontChannelTable({ channel });
    QTableWidget* grid = table->grid();
    grid->setCurrentCell(channel - 1, ChannelTableWindow::ColNumber);
    grid->scrollToItem(grid->item(channel - 1, ChannelTableWindow::ColNumber), QAbstractItemView::PositionAtCenter);
    grid->setFocus();
}

void MainWindow::selectChannels(const QList<int>& channels)
{
    if (channels.isEmpty())
        return;
    ChannelTableWindow* table = frontChannelTable(channels);
    table->selectChannels(channels);
    QTableWidget* grid = table->grid();
    grid->scrollToItem(grid->item(channels.first() - 1, ChannelTableWindow::ColNumber), QAbstractItemView::PositionAtCenter);
    grid->setFocus();
}

int MainWindow::selectedChannel() const
{
    const ChannelTableWindow* table = window<ChannelTableWindow>();
    return table ? table->selectedChannels().value(0, 0) : 0;
}

ChannelTableWindow* MainWindow::frontChannelTable(const QList<int>& shown)
{
    ChannelTableWindow* table = openWindow<ChannelTableWindow>();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(table->parentWidget()))
        m_area->setActiveSubWindow(frame);
    const bool hidden = std::any_of(shown.cbegin(), shown.cend(),
                                    [table](int channel) { return table->grid()->isRowHidden(channel - 1); });
    if (hidden)
        table->findBar()->closeBar();
    return table;
}

bool MainWindow::compareWithFile(const QString& path)
{
    const std::optional<MemoryImage> other = ChannelExchange::readComparisonFile(this, path);
    if (other)
        showComparison(*other, QFileInfo(path).fileName());
    return other.has_value();
}

void MainWindow::showComparison(const MemoryImage& other, const QString& otherName)
{
    commitPendingEdits();
    CompareWindow* window = openWindow<CompareWindow>();
    window->setComparison(m_document->image(), other, otherName, m_document->version());
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        m_area->setActiveSubWindow(frame);
}

bool MainWindow::openFile(const QString& path)
{
    return OpenFileDialog::loadFile(this, *m_document, this, path);
}

void MainWindow::undo()
{
    if (m_links->transferRunning()) {
        Prompt::inform(this, linkBusyText());
        return;
    }
    commitPendingEdits();
    m_document->history()->undo();
}

void MainWindow::redo()
{
    if (m_links->transferRunning()) {
        Prompt::inform(this, linkBusyText());
        return;
    }
    commitPendingEdits();
    m_document->history()->redo();
}

void MainWindow::showUndoCaptions()
{
    const UndoHistory* stack = m_document->history();
    m_editUndo->setText(stack->canUndo() ? tr("&Undo %1").arg(asMenuText(stack->undoText())) : tr("&Undo"));
    m_editRedo->setText(stack->canRedo() ? tr("&Redo %1").arg(asMenuText(stack->redoText())) : tr("&Redo"));
    m_editUndo->setEnabled(stack->canUndo());
    m_editRedo->setEnabled(stack->canRedo());
}

void MainWindow::newImage()
{
    if (!confirmDiscardChanges(DiscardReason::New))
        return;
    // The new image belongs to no file: saving it must not overwrite the last one.
    m_document->takeImage([] { return tr("New"); }, factoryImage(), m_document->version(), QString());
}

void MainWindow::openChannelFile()
{
    openWindow<OpenFileDialog>();
}

void MainWindow::saveChannelFile()
{
    openWindow<SaveFileDialog>();
}

ChannelList MainWindow::channelList()
{
    // What is still being typed belongs on the page.
    commitPendingEdits();
    const QString fileName = m_document->fileName();
    const QString title = fileName.isEmpty() ? ChannelList::radioTitle() : QFileInfo(fileName).fileName();
    return ChannelList(m_document->data(), title, QDateTime::currentDateTime());
}

void MainWindow::printChannelList()
{
    PrintCommands::preview(this, channelList());
}

// An export is proposed under the channel file's name, in its folder, or as
// "radio" in the folder last used after a read or New.
QString MainWindow::exportPath(const QString& suffix) const
{
    const QString fileName = m_document->fileName();
    if (fileName.isEmpty())
        return QDir::current().filePath(ChannelList::radioTitle() + QLatin1Char('.') + suffix);
    const QFileInfo file(fileName);
    return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
}

void MainWindow::exportChannelListPdf()
{
    PrintCommands::exportPdf(this, channelList(), exportPath(QStringLiteral("pdf")));
}

void MainWindow::openBackupsFolder()
{
    // The write window puts a copy of the radio here before it writes.
    FolderView::show(this, Backups::defaultFolder());
}

void MainWindow::openModelWindow()
{
    openWindow<ModelDialog>();
}

void MainWindow::openChannelWindow()
{
    openWindow<ChannelTableWindow>();
}

void MainWindow::openOptionWindow()
{
    openWindow<OptionsWindow>();
}

void MainWindow::openFmWindow()
{
    openWindow<FmPresetsWindow>();
}

void MainWindow::openReadWindow()
{
    openWindow<ReadWindow>();
}

void MainWindow::openWriteWindow()
{
    openWindow<WriteWindow>();
}

void MainWindow::openSetupWindow()
{
    openWindow<PortSetupDialog>();
}

void MainWindow::chooseChinese()
{
    switchLanguage(true);
}

void MainWindow::chooseEnglish()
{
    switchLanguage(false);
}

void MainWindow::switchLanguage(bool chinese)
{
    // The switch reopens the link windows, which would cut a transfer in half.
    if (m_links->transferRunning()) {
        m_languageChn->setChecked(m_chinese);
        m_languageEng->setChecked(!m_chinese);
        Prompt::inform(this, linkBusyText());
        return;
    }
    commitPendingEdits();
    if (m_chinese != chinese) {
        m_chinese = chinese;
        applyUiLanguage(chinese);
    }
    setCaptions(false);
    // The window the user was in stays in front.
    const QMdiSubWindow* active = m_area->activeSubWindow();
    const QMetaObject* activeKind = active && active->widget() ? active->widget()->metaObject() : nullptr;
    reloadOpenWindows();
    if (QMdiSubWindow* frame = m_frames.value(activeKind))
        m_area->setActiveSubWindow(frame);
}

template <class W>
void MainWindow::reloadWindow()
{
    if (!window<W>())
        return;
    // A link window keeps the outcome of its transfer and the link trace: it
    // is worded again in place rather than closed.
    if constexpr (std::is_base_of_v<LinkWindow, W>) {
        window<W>()->retranslate();
        return;
    }
    // Closing lets the window commit what is typed into it; the frame goes at
    // once so that the old window's flag is cleared before the new one sets it.
    QMdiSubWindow* frame = m_frames.take(&W::staticMetaObject);
    frame->close();
    delete frame;
    openWindow<W>();
}

void MainWindow::reloadOpenWindows()
{
    reloadWindow<AboutDialog>();
    reloadWindow<OptionsWindow>();
    reloadWindow<ChannelTableWindow>();
    reloadWindow<PortSetupDialog>();
    reloadWindow<ModelDialog>();
    reloadWindow<SaveFileDialog>();
    reloadWindow<OpenFileDialog>();
    reloadWindow<ReadWindow>();
    reloadWindow<CompareWithRadioWindow>();
    reloadWindow<WriteWindow>();
    reloadWindow<BackupRestoreWindow>();
    reloadWindow<FmPresetsWindow>();
}

void MainWindow::openAboutWindow()
{
    openWindow<AboutDialog>();
}
