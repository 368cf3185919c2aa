// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: menus, toolbar and status bar, the area that holds every
// other window, and the program's start-up. Its title names the open channel
// file and marks unsaved changes; a channel file dropped on it is opened.

#include "ui/ChildWindow.h"
#include "ui/WindowHost.h"

#include "print/ChineseFont.h"

#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <array>
#include <type_traits>

class ChannelList;
class ChannelTableWindow;
class CommPort;
class LinkContext;
class MemoryImage;
class QAction;
class QLabel;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class RadioDocument;

class MainWindow : public QMainWindow, public WindowHost
{
    Q_OBJECT
public:
    static constexpr int kPanelCount = 8;
    // The status bar's panels, left to right.
    enum class Panel { State = 1, Blank, Port, VersionCaption, Version, BandCaption, Band, Maker };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up and shows the window.
    // Shows the window in Chinese, or in English (and says why) when no font can draw Chinese.
    void start(bool chineseFont = ChineseFont::installed());

    // The working copy every window shows and edits.
    RadioDocument& document() const { return *m_document; }
    CommPort& port() const { return *m_port; }
    // Whether a transfer runs, and the radio's intervals for the transfer windows.
    LinkContext& links() const { return *m_links; }

    QString panelText(Panel panel) const;
    void setPanelText(Panel panel, const QString& text);

    QMdiArea* mdiArea() const { return m_area; }

    // Opens a window, or leaves the open one as it is: each exists at most once.
    template <class W>
    W* openWindow();

    // Opens a window, or brings the open one to the front.
    template <class W>
    W* frontWindow();

    // The open instance of a window, or nullptr.
    template <class W>
    W* window() const;

    bool confirmDiscardChanges(DiscardReason reason) override;
    void commitPendingEdits() override;
    void closeFileDialogs() override;
    void showVersionText(const QString& text) override;
    void showChannel(int channel) override;
    void selectChannels(const QList<int>& channels) override;
    int selectedChannel() const override;
    void showComparison(const MemoryImage& other, const QString& otherName) override;

    // Compares the working copy with a channel file in the comparison window.
    bool compareWithFile(const QString& path);

    // Loads a channel file, as the open dialog does (a file named on the command line).
    bool openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <class W>
    W* create();
    void createMenus();
    void createWindowKeys();
    void showContextHelp();
    void createToolbar();
    void createStatusBar();
    void setCaptions(bool startUp);
    void showTitle();
    void showRecentFiles();
    void setPanelWidths();
    // Lays out the bars and the area now rather than at the next turn of the event loop.
    void settleLayout();
    QAction* toolbarButton(const QString& key, const QString& icon);
    void showInArea(ChildWindow* child);
    void growAreaFor(const QSize& needed);
    void onSubWindowActivated(QMdiSubWindow* frame);
    // The channel table, open and in front, showing every row of `shown`.
    ChannelTableWindow* frontChannelTable(const QList<int>& shown);

    void undo();
    void redo();
    void showUndoCaptions();
    void newImage();
    void openChannelFile();
    void saveChannelFile();
    ChannelList channelList();
    void printChannelList();
    void exportChannelListPdf();
    QString exportPath(const QString& suffix) const;
    void openBackupsFolder();
    void openModelWindow();
    void openChannelWindow();
    void openOptionWindow();
    void openFmWindow();
    void openReadWindow();
    void openWriteWindow() override;
    void openSetupWindow();
    void chooseChinese();
    void chooseEnglish();
    void switchLanguage(bool chinese);
    void reloadOpenWindows();
    template <class W>
    void reloadWindow();
    void openAboutWindow();

    RadioDocument* m_document;
    CommPort* m_port;
    LinkContext* m_links;
    bool m_chinese = true;
    QMdiArea* m_area = nullptr;
    QHash<const QMetaObject*, QPointer<QMdiSubWindow>> m_frames;
    std::array<QLabel*, kPanelCount> m_panels{};

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
};

template <class W>
W* MainWindow::window() const
{
    const QPointer<QMdiSubWindow> frame = m_frames.value(&W::staticMetaObject);
    return frame ? qobject_cast<W*>(frame->widget()) : nullptr;
}

template <class W>
W* MainWindow::openWindow()
{
    if (W* open = window<W>())
        return open;
    W* child = create<W>();
    showInArea(child);
    m_frames.insert(&W::staticMetaObject, qobject_cast<QMdiSubWindow*>(child->parentWidget()));
    return child;
}

template <class W>
W* MainWindow::frontWindow()
{
    W* child = openWindow<W>();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
        m_area->setActiveSubWindow(frame);
    return child;
}

// Each window is given what it works on.
template <class W>
W* MainWindow::create()
{
    if constexpr (std::is_constructible_v<W, RadioDocument&, CommPort&, LinkContext&, WindowHost*>)
        return new W(*m_document, *m_port, *m_links, this);
    else if constexpr (std::is_constructible_v<W, RadioDocument&, const LinkContext&, WindowHost*>)
        return new W(*m_document, *m_links, this);
    else if constexpr (std::is_constructible_v<W, RadioDocument&, WindowHost*>)
        return new W(*m_document, this);
    else if constexpr (std::is_constructible_v<W, RadioDocument&>)
        return new W(*m_document);
    else if constexpr (std::is_constructible_v<W, WindowHost*>)
        return new W(this);
    else
        return new W(*m_port);
}
