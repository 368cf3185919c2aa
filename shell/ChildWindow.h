#pragma once

// Base of every window that lives inside the main window: it keeps its
// window-open flag while it exists, places itself relative to the main
// window, refills itself when it becomes the active window, and closes its
// frame when it closes itself.

#include <QRect>
#include <QSize>
#include <QWidget>

// The original layouts are given in twips; a pixel is 15 twips on a 96 dpi screen.
constexpr int kTwipsPerPixel = 15;
constexpr int twips(int t) { return t / kTwipsPerPixel; }

class ChildWindow : public QWidget
{
    Q_OBJECT
public:
    ChildWindow(bool& openFlag, QWidget* parent = nullptr);
    ~ChildWindow() override;

    // Where the window goes inside a main window area of the given size.
    virtual QRect placement(const QSize& mainSize) const = 0;

    // Runs every time the window becomes the active window.
    virtual void activated() {}

    // Closes the window together with its frame in the main window.
    void closeWindow();

private:
    bool& m_openFlag;
};
