#pragma once

// The main window: menus, toolbar and status bar, the area that holds every
// other window, and the program's start-up.

#include "ChildWindow.h"

#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <array>

class ChannelList;
class QAction;
class QLabel;
class QMenu;

class MDImain : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kPanelCount = 8;

    explicit MDImain(QWidget* parent = nullptr);

    // The one main window, for the windows that write into its status bar.
    static MDImain* instance();

    // Runs the start-up and shows the window.
    void start();

    QString panelText(int panel) const;           // panels 1..8
    void setPanelText(int panel, const QString& text);

    QMdiArea* mdiArea() const { return m_area; }

    // Opens a window, or leaves the open one as it is: each exists at most once.
    template <class W>
    W* openWindow();

    // The open instance of a window, or nullptr.
    template <class W>
    W* window() const;

    // Refills every open window from the image, as their activation does.
    void refreshWindows();

    // What is about to replace the image or end the program.
    enum class DiscardReason { Exit, New, Open };

    // Asks whether unsaved changes to the image are to be saved, discarded or
    // kept. True when the caller may go on: nothing was changed, the user chose
    // Discard, or Save wrote the last channel file used. Without such a file,
    // Save opens the save dialog and the caller stops.
    bool confirmDiscardChanges(DiscardReason reason);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void setCaptions(bool startUp);
    void setPanelWidths();
    QAction* toolbarButton(const QString& key, const QString& icon);
    void showInArea(ChildWindow* child);
    void onSubWindowActivated(QMdiSubWindow* frame);

    void newImage();
    void openChannelFile();
    void saveChannelFile();
    ChannelList channelList();
    void printChannelList();
    void exportChannelListPdf();
    void openModelWindow();
    void openChannelWindow();
    void openOptionWindow();
    void openFmWindow();
    void openReadWindow();
    void openWriteWindow();
    void openSetupWindow();
    void chooseChinese();
    void chooseEnglish();
    void switchLanguage(bool chinese);
    void reloadOpenWindows();
    template <class W>
    void reloadWindow();
    void openAboutWindow();

    QMdiArea* m_area = nullptr;
    QHash<const QMetaObject*, QPointer<QMdiSubWindow>> m_frames;
    std::array<QLabel*, kPanelCount> m_panels{};

    QMenu* m_file = nullptr;
    QMenu* m_edit = nullptr;
    QMenu* m_program = nullptr;
    QMenu* m_language = nullptr;
    QAction* m_fileNew = nullptr;
    QAction* m_fileOpen = nullptr;
    QAction* m_fileSave = nullptr;
    QAction* m_fileSaveAs = nullptr;
    QAction* m_filePrint = nullptr;
    QAction* m_filePdf = nullptr;
    QAction* m_fileExit = nullptr;
    QAction* m_procType = nullptr;
    QAction* m_channelEdit = nullptr;
    QAction* m_optionalEdit = nullptr;
    QAction* m_testEdit = nullptr;
    QAction* m_progRead = nullptr;
    QAction* m_progWrite = nullptr;
    QAction* m_procSetup = nullptr;
    QAction* m_languageChn = nullptr;
    QAction* m_languageEng = nullptr;
    QAction* m_menuAbout = nullptr;
    QAction* m_menuExit = nullptr;
};

template <class W>
W* MDImain::window() const
{
    const QPointer<QMdiSubWindow> frame = m_frames.value(&W::staticMetaObject);
    return frame ? qobject_cast<W*>(frame->widget()) : nullptr;
}

template <class W>
W* MDImain::openWindow()
{
    if (W* open = window<W>())
        return open;
    auto* child = new W;
    showInArea(child);
    m_frames.insert(&W::staticMetaObject, qobject_cast<QMdiSubWindow*>(child->parentWidget()));
    return child;
}
