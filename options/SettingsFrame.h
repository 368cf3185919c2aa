// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the three frames of the optional-features window share: the document
// they edit through its one door (each change one undo step named after the
// caption of its control), showing stored values without running the store
// handlers, and the text boxes whose typing is stored, or refused, when they
// are left.

#include "Captions.h"
#include "RadioDocument.h"

#include <QHash>
#include <QSet>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Shared by the window and its frames.
struct OptionsEditing
{
    RadioDocument& document;
    QWidget* window;             // the optional-features window
    int busy = 0;                // > 0 while a refresh or a leave handler runs: the focus changes it makes run no leave handler
    int refreshing = 0;          // > 0 while a refresh sets the controls: their store handlers do nothing
    QSet<QLineEdit*> typed = {}; // boxes typed into since their leave handler last ran
};

// Counts a handler or refresh while it runs.
class Depth
{
public:
    explicit Depth(int& depth) : m_depth(depth) { ++m_depth; }
    ~Depth() { --m_depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    int& m_depth;
};

class SettingsFrame : public QWidget
{
    Q_OBJECT
public:
    SettingsFrame(OptionsEditing& editing, QWidget* parent);

    // Shows every field of the frame; it changes nothing.
    virtual void showSettings() = 0;

    // The setting each control edits, by the caption that names it.
    virtual QHash<QWidget*, Captions::Option> settings() const = 0;

    // The boxes whose typing is stored when they are left, and what leaving one does.
    virtual QList<QLineEdit*> leaveBoxes() const { return {}; }
    virtual void leave(QLineEdit*) {}

signals:
    // A handler changed what the window must show again, also when the
    // document did not change (a refused choice shown back as it was).
    void refreshNeeded();

protected:
    RadioDocument& document() const { return m_editing.document; }
    bool refreshing() const { return m_editing.refreshing > 0; }

    // Changes the document as one undo step named after the control's caption.
    template <class Change>
    void edit(QWidget* control, Change&& change)
    {
        const Captions::Option setting = settings().value(control, Captions::Option::OptionalFeatures);
        document().edit([setting] { return Captions::option(setting).trimmed(); }, std::forward<Change>(change));
    }

    // Showing values: a list beyond its last item shows the last one; a box
    // the user is typing in keeps the typing.
    static void showIndex(QComboBox* list, int value);
    void showText(QLineEdit* box, const QString& text);
    bool settingText() const { return m_settingText > 0; }

    // Counts what the user types into the box.
    void watchTyping(QLineEdit* box);
    // Shows the message, empties the box and puts the focus back into it.
    void refuse(QLineEdit* box, const QString& message);

    OptionsEditing& m_editing;

private:
    int m_settingText = 0;   // > 0 while the program sets a box's text
};
