#include "MDImain.h"

#include "Form_setup.h"
#include "Form_type.h"
#include "Prompt.h"
#include "frmAbout.h"
#include "channels/frm_chann.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "fm/Form_Edit_Test.h"
#include "options/frm_option.h"
#include "link/Form_Comm_Read.h"
#include "link/Form_Comm_Write.h"
#include "print/ChannelList.h"
#include "print/PrintCommands.h"

#include "Globals.h"
#include "Language.h"
#include "LinkEngine.h"
#include "Tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

QPointer<MDImain> theMainWindow;

// Status-bar panel widths, percent of the window width at start-up.
constexpr std::array<int, MDImain::kPanelCount> kPanelWidthPercent = { 5, 15, 6, 8, 10, 5, 16, 35 };

QString rangePanelText()
{
    auto str = [](double v) { return QLatin1Char(' ') + QString::number(v); };
    return str(FreqRangeLow) + QStringLiteral("--") + str(FreqRangeHigh) + QStringLiteral(" MHZ");
}

} // namespace

MDImain::MDImain(QWidget* parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea(this))
{
    theMainWindow = this;
    setObjectName(QStringLiteral("MDImain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/qv3n.svg")));
    m_area->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDImain::onSubWindowActivated);
    createMenus();
    createToolbar();
    createStatusBar();
}

MDImain* MDImain::instance()
{
    return theMainWindow;
}

void MDImain::start()
{
    RadioVersion = 2;
    RadioVersionText = versionText(RadioVersion);
    UiLanguage = true;
    applyUiLanguage();
    SetAboutTexts();

    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    resize(int(screen.width() / 1.5), int(screen.height() / 1.5));
    show();

    setPanelWidths();
    setPanelText(1, QString());
    setCaptions(true);

    CommPortNumber = 1;
    setPanelText(3, QStringLiteral("COM%1").arg(CommPortNumber));
    ModelIndex = 0;
    ChannelCount = 128;
    BuildToneTables();
    BuildModelTable();
    setPanelText(5, RadioVersionText);
    setPanelText(7, rangePanelText());
    ResetRadioImage();
    openChannelWindow();
}

QString MDImain::panelText(int panel) const
{
    return m_panels.at(panel - 1)->text();
}

void MDImain::setPanelText(int panel, const QString& text)
{
    m_panels.at(panel - 1)->setText(text);
}

void MDImain::closeEvent(QCloseEvent* event)
{
    // A transfer cut in half leaves the radio partly written.
    if (linkBusy()) {
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

void MDImain::createMenus()
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
    m_fileNew = action(m_file, "File_New", QKeySequence(Qt::CTRL | Qt::Key_N), &MDImain::newImage);
    m_fileOpen = action(m_file, "File_Open", QKeySequence(Qt::CTRL | Qt::Key_O), &MDImain::openChannelFile);
    m_fileSave = action(m_file, "File_save", QKeySequence(Qt::CTRL | Qt::Key_S), &MDImain::saveChannelFile);
    m_fileSaveAs = action(m_file, "File_saveas", {}, &MDImain::saveChannelFile);
    m_filePrint = action(m_file, "File_print", QKeySequence::Print, &MDImain::printChannelList);
    m_filePdf = action(m_file, "File_pdf", {}, &MDImain::exportChannelListPdf);
    m_fileExit = action(m_file, "File_exit", {}, &MDImain::close);
    m_procType = action(nullptr, "proc_type", {}, &MDImain::openModelWindow);
    m_edit = submenu("Edit");
    m_channelEdit = action(m_edit, "Channel_edit", {}, &MDImain::openChannelWindow);
    m_optionalEdit = action(m_edit, "Optional_edit", {}, &MDImain::openOptionWindow);
    m_testEdit = action(m_edit, "Test_edit", {}, &MDImain::openFmWindow);
    m_program = submenu("Program");
    m_progRead = action(m_program, "Prog_read", QKeySequence(Qt::CTRL | Qt::Key_R), &MDImain::openReadWindow);
    m_progWrite = action(m_program, "Prog_write", QKeySequence(Qt::CTRL | Qt::Key_W), &MDImain::openWriteWindow);
    m_procSetup = action(nullptr, "proc_setup", {}, &MDImain::openSetupWindow);
    m_language = submenu("Language_Setup");
    m_languageChn = action(m_language, "Language_chn", {}, &MDImain::chooseChinese);
    m_languageEng = action(m_language, "Language_eng", {}, &MDImain::chooseEnglish);
    m_languageChn->setCheckable(true);
    m_languageEng->setCheckable(true);
    m_languageChn->setText(QStringLiteral("中文"));
    m_languageEng->setText(QStringLiteral("English"));
    m_menuAbout = action(nullptr, "Menu_About", {}, &MDImain::openAboutWindow);
    m_menuExit = action(nullptr, "Menu_exit", {}, &MDImain::close);
}

QAction* MDImain::toolbarButton(const QString& key, const QString& icon)
{
    QToolBar* bar = findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QAction* button = bar->addAction(QIcon(icon), QString());
    button->setObjectName(key);
    button->setData(key);
    return button;
}

void MDImain::createToolbar()
{
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->toggleViewAction()->setVisible(false);
    connect(toolbarButton(QStringLiteral("open"), QStringLiteral(":/icons/open.svg")), &QAction::triggered, this,
            &MDImain::openChannelFile);
    connect(toolbarButton(QStringLiteral("save"), QStringLiteral(":/icons/save.svg")), &QAction::triggered, this,
            &MDImain::saveChannelFile);
    connect(toolbarButton(QStringLiteral("edit_chann"), QStringLiteral(":/icons/edit_chann.svg")),
            &QAction::triggered, this, &MDImain::openChannelWindow);
    connect(toolbarButton(QStringLiteral("read"), QStringLiteral(":/icons/read.svg")), &QAction::triggered, this,
            &MDImain::openReadWindow);
    connect(toolbarButton(QStringLiteral("write"), QStringLiteral(":/icons/write.svg")), &QAction::triggered, this,
            &MDImain::openWriteWindow);
    connect(toolbarButton(QStringLiteral("Exit"), QStringLiteral(":/icons/exit.svg")), &QAction::triggered, this,
            &MDImain::close);
}

void MDImain::createStatusBar()
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

void MDImain::setPanelWidths()
{
    for (int i = 0; i < kPanelCount; ++i)
        m_panels[i]->setFixedWidth(width() * kPanelWidthPercent[i] / 100);
}

void MDImain::setCaptions(bool startUp)
{
    m_file->setTitle(tr("File"));
    m_fileNew->setText(tr("New"));
    m_fileOpen->setText(tr("Open"));
    m_fileSave->setText(tr("Save"));
    m_fileSaveAs->setText(tr("Save As"));
    m_filePrint->setText(tr("Print..."));
    m_filePdf->setText(tr("Export PDF..."));
    m_fileExit->setText(tr("Exit"));
    m_procType->setText(startUp ? tr("Model", "menu at start-up") : tr("Model", "menu"));
    m_edit->setTitle(tr("Edit"));
    m_channelEdit->setText(tr("Channel Information "));
    m_optionalEdit->setText(tr("Optional Features"));
    m_testEdit->setText(tr("Radio"));
    m_program->setTitle(tr("Program"));
    m_progRead->setText(tr("Read from radio"));
    m_progWrite->setText(tr("Write to radio"));
    m_procSetup->setText(tr("Communication"));
    m_language->setTitle(tr("Language"));
    m_languageChn->setChecked(UiLanguage);
    m_languageEng->setChecked(!UiLanguage);
    m_menuAbout->setText(tr("About"));
    m_menuExit->setText(tr("Exit"));

    setWindowTitle(mainWindowTitle());
    setPanelText(1, tr("State"));
    setPanelText(2, QString());
    setPanelText(3, QStringLiteral("COM%1").arg(CommPortNumber));
    setPanelText(4, tr("  Version"));
    setPanelText(6, startUp ? tr("Band", "status bar at start-up") : tr("Band", "status bar"));
    setPanelText(8, makerName());
}

void MDImain::showInArea(ChildWindow* child)
{
    QMdiSubWindow* frame = m_area->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    // The frame's Close takes Ctrl+W on some systems; that key writes to the radio.
    for (QAction* action : frame->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(m_progWrite->shortcut()) > 0)
            action->setShortcuts(keys);
    }
    frame->setGeometry(child->placement(m_area->size()));
    frame->show();
}

void MDImain::onSubWindowActivated(QMdiSubWindow* frame)
{
    if (frame && frame->widget())
        if (auto* child = qobject_cast<ChildWindow*>(frame->widget()))
            child->activated();
}

void MDImain::refreshWindows()
{
    for (QMdiSubWindow* frame : m_area->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(frame->widget()))
            child->activated();
}

bool MDImain::confirmDiscardChanges(DiscardReason reason)
{
    if (auto* table = window<frm_chann>())
        table->CommitNameEdit(false);
    if (!RadioImage.isModified())
        return true;

    Prompt::Message question;
    question.title = Prompt::titleText(Prompt::Title::Capital);
    const bool fileKnown = !ParamFileName.isEmpty();
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
    }
    if (fileKnown)
        question.informativeText = tr("Save writes them to %1.").arg(QDir::toNativeSeparators(ParamFileName));
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
            return Form_save_chann::saveFile(this, ParamFileName);
        openWindow<Form_save_chann>();
        return false;
    default:
        return false;
    }
}

void MDImain::newImage()
{
    if (!confirmDiscardChanges(DiscardReason::New))
        return;
    ResetRadioImage();
    // The new image belongs to no file: saving it must not overwrite the last one.
    ParamFileName.clear();
    refreshWindows();
}

void MDImain::openChannelFile()
{
    openWindow<Form_open_chann>();
}

void MDImain::saveChannelFile()
{
    openWindow<Form_save_chann>();
}

ChannelList MDImain::channelList()
{
    // A channel name still being typed belongs on the page.
    if (auto* table = window<frm_chann>())
        table->CommitNameEdit(false);
    const QString title = ParamFileName.isEmpty() ? ChannelList::radioTitle() : QFileInfo(ParamFileName).fileName();
    return ChannelList(RadioImage, RadioVersion, title, QDateTime::currentDateTime());
}

void MDImain::printChannelList()
{
    PrintCommands::preview(this, channelList());
}

void MDImain::exportChannelListPdf()
{
    const QFileInfo file(ParamFileName);
    const QString suggested = ParamFileName.isEmpty() ? QDir::current().filePath(ChannelList::radioTitle() + QStringLiteral(".pdf"))
                                                      : file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
    PrintCommands::exportPdf(this, channelList(), suggested);
}

void MDImain::openModelWindow()
{
    openWindow<Form_type>();
}

void MDImain::openChannelWindow()
{
    openWindow<frm_chann>();
}

void MDImain::openOptionWindow()
{
    openWindow<frm_option>();
}

void MDImain::openFmWindow()
{
    openWindow<Form_Edit_Test>();
}

void MDImain::openReadWindow()
{
    openWindow<Form_Comm_Read>();
}

void MDImain::openWriteWindow()
{
    openWindow<Form_Comm_Write>();
}

void MDImain::openSetupWindow()
{
    openWindow<Form_setup>();
}

void MDImain::chooseChinese()
{
    switchLanguage(true);
}

void MDImain::chooseEnglish()
{
    switchLanguage(false);
}

void MDImain::switchLanguage(bool chinese)
{
    // The switch reopens the link windows, which would cut a transfer in half.
    if (linkBusy()) {
        m_languageChn->setChecked(UiLanguage);
        m_languageEng->setChecked(!UiLanguage);
        Prompt::inform(this, linkBusyText());
        return;
    }
    if (UiLanguage != chinese) {
        UiLanguage = chinese;
        applyUiLanguage();
        SetAboutTexts();
    }
    setCaptions(false);
    reloadOpenWindows();
}

template <class W>
void MDImain::reloadWindow()
{
    if (!window<W>())
        return;
    // Closing lets the window commit what is typed into it; the frame goes at
    // once so that the old window's flag is cleared before the new one sets it.
    QMdiSubWindow* frame = m_frames.take(&W::staticMetaObject);
    frame->close();
    delete frame;
    openWindow<W>();
}

void MDImain::reloadOpenWindows()
{
    reloadWindow<frmAbout>();
    reloadWindow<frm_option>();
    reloadWindow<frm_chann>();
    reloadWindow<Form_setup>();
    reloadWindow<Form_type>();
    reloadWindow<Form_save_chann>();
    reloadWindow<Form_open_chann>();
    reloadWindow<Form_Comm_Read>();
    reloadWindow<Form_Comm_Write>();
    reloadWindow<Form_Edit_Test>();
}

void MDImain::openAboutWindow()
{
    openWindow<frmAbout>();
}
