// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFrame.h"

#include "ui/Prompt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

SettingsFrame::SettingsFrame(OptionsEditing& editing, QWidget* parent)
    : QWidget(parent)
    , m_editing(editing)
{
}

void SettingsFrame::showIndex(QComboBox* list, int value)
{
    list->setCurrentIndex(qBound(0, value, list->count() - 1));
}

void SettingsFrame::showText(QLineEdit* box, const QString& text)
{
    // A refresh leaves alone the box the user is typing in (it may run on a
    // return to the window, also from a message box, or on a list changed
    // with the mouse wheel); leaving the box stores or refuses the typing.
    if (box->text() == text || (m_editing.typed.contains(box) && box == m_editing.window->focusWidget()))
        return;
    const QScopedValueRollback setting(m_settingText, m_settingText + 1);
    box->setText(text);
}

void SettingsFrame::watchTyping(QLineEdit* box)
{
    // Only typing that is still in the box counts; a refused text is gone.
    connect(box, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        if (box->text() == text)
            m_editing.typed.insert(box);
    });
}

void SettingsFrame::refuse(QLineEdit* box, const QString& message)
{
    Prompt::inform(this, message);
    m_editing.typed.remove(box);
    showText(box, QString());
    box->setFocus();
}
