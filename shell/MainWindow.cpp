// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "MainActions.h"
#include "PortSetupDialog.h"
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
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include <algorithm>

namespace {

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
    m_actions = std::make_unique<MainActions>(*this);
    connectActions();
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
        const bool undo = m_actions->editUndo()->shortcuts().contains(pressed) && !editor->isUndoAvailable();
        const bool redo = m_actions->editRedo()->shortcuts().contains(pressed) && !editor->isRedoAvailable();
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

void MainWindow::connectActions()
{
    auto on = [this](QAction* action, auto slot) { connect(action, &QAction::triggered, this, slot); };

    on(m_actions->fileNew(), &MainWindow::newImage);
    on(m_actions->fileOpen(), &MainWindow::openChannelFile);
    on(m_actions->fileSave(), &MainWindow::saveChannelFile);
    on(m_actions->fileSaveAs(), &MainWindow::saveChannelFile);
    connect(m_actions->recentFilesMenu(), &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    on(m_actions->fileImportCsv(), [this] { ChannelExchange::importCsv(this, *m_document, this); });
    for (QAction* entry : m_actions->channelSetEntries()) {
        const QString set = entry->data().toString();
        on(entry, [this, set] { ChannelExchange::insertChannelSet(this, *m_document, this, set); });
    }
    on(m_actions->fileExportCsv(),
       [this] { ChannelExchange::exportCsv(this, *m_document, this, exportPath(QStringLiteral("csv"))); });
    on(m_actions->fileCompare(), [this] {
        QString name;
        if (const std::optional<MemoryImage> other = ChannelExchange::chooseComparisonFile(this, &name))
            showComparison(*other, name);
    });
    on(m_actions->fileCompareRadio(), [this] { openWindow<CompareWithRadioWindow>(); });
    on(m_actions->filePrint(), &MainWindow::printChannelList);
    on(m_actions->filePdf(), &MainWindow::exportChannelListPdf);
    on(m_actions->fileBackups(), &MainWindow::openBackupsFolder);
    on(m_actions->fileRestoreBackup(), [this] { openWindow<BackupRestoreWindow>(); });
    on(m_actions->fileExit(), &MainWindow::close);
    on(m_actions->model(), &MainWindow::openModelWindow);
    on(m_actions->editUndo(), &MainWindow::undo);
    on(m_actions->editRedo(), &MainWindow::redo);
    on(m_actions->editDuplicates(), [this] { frontWindow<DuplicatesWindow>(); });
    on(m_actions->editCheckPlan(), [this] { frontWindow<PlanCheckWindow>(); });
    on(m_actions->channelEdit(), &MainWindow::openChannelWindow);
    on(m_actions->optionalEdit(), &MainWindow::openOptionWindow);
    on(m_actions->fmEdit(), &MainWindow::openFmWindow);
    on(m_actions->programRead(), &MainWindow::openReadWindow);
    on(m_actions->programWrite(), &MainWindow::openWriteWindow);
    on(m_actions->programFleet(), [this] { openWindow<FleetWindow>(); });
    on(m_actions->portSetup(), &MainWindow::openSetupWindow);
    on(m_actions->languageChinese(), &MainWindow::chooseChinese);
    on(m_actions->languageEnglish(), &MainWindow::chooseEnglish);
    on(m_actions->about(), &MainWindow::openAboutWindow);
    on(m_actions->menuExit(), &MainWindow::close);

    // A read or write window that is transferring refuses, as its close box does.
    on(m_actions->closeWindowKey(), [this] {
        if (QMdiSubWindow* frame = m_area->activeSubWindow())
            frame->close();
    });
    on(m_actions->contextHelpKey(), &MainWindow::showContextHelp);
    on(m_actions->nextWindowKey(), [this] { m_area->activateNextSubWindow(); });
    on(m_actions->previousWindowKey(), [this] { m_area->activatePreviousSubWindow(); });

    on(m_actions->openButton(), &MainWindow::openChannelFile);
    on(m_actions->saveButton(), &MainWindow::saveChannelFile);
    on(m_actions->channelsButton(), &MainWindow::openChannelWindow);
    on(m_actions->readButton(), &MainWindow::openReadWindow);
    on(m_actions->writeButton(), &MainWindow::openWriteWindow);
    on(m_actions->exitButton(), &MainWindow::close);
}

void MainWindow::showContextHelp()
{
    QString text = ContextHelp::textFor(QApplication::focusWidget());
    if (text.isEmpty())
        text = tr("This control has no help of its own; the window's Help button says what the window does.");
    Prompt::show(this, { tr("Help"), text, {}, {}, QMessageBox::Information, QMessageBox::Ok,
                         { { QMessageBox::Ok, tr("OK") } } });
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
    m_actions->retranslate(startUp);
    showUndoCaptions();
    m_actions->showLanguage(m_chinese);
    showTitle();
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
    QMenu* menu = m_actions->recentFilesMenu();
    menu->clear();
    const QStringList files = RecentFiles::list();
    if (files.isEmpty())
        menu->addAction(tr("(none)"))->setEnabled(false);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(MainActions::asMenuText(QDir::toNativeSeparators(path))));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!openFile(path) && !QFileInfo::exists(path))
                RecentFiles::remove(path);
        });
    }
}

void MainWindow::showInArea(ChildWindow* child)
{
    m_actions->addWindowEditActions(child->editActions());
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
            action->setShortcut(m_actions->closeWindowKey()->shortcut());
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
    m_actions->showUndoCaptions(*m_document->history());
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
        m_actions->showLanguage(m_chinese);
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
