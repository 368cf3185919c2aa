// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's message boxes: exclamation icon, OK (or Yes/No), and the title
// "Operate prompt" / "Operate Prompt" in the current language. Tests give a
// window a handler that records the messages shown over it and answers them.

#include <QMap>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace Prompt {

enum class Title { Lower, Capital };   // "Operate prompt" / "Operate Prompt"

struct Message
{
    QString title;
    QString text;
    QString informativeText;
    QString detailedText;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMap<QMessageBox::StandardButton, QString> buttonTexts;   // captions in the current language
};

using Handler = std::function<QMessageBox::StandardButton(const Message&)>;

// Answers every message shown over window, or over a window or dialog it owns,
// with handler instead of a box, for as long as window exists; empty restores the boxes.
void setHandler(QWidget* window, Handler handler);

QMessageBox::StandardButton show(QWidget* parent, const Message& message);

QString titleText(Title title);

// An exclamation box with OK.
void inform(QWidget* parent, const QString& text, Title title = Title::Lower);

// An exclamation box with OK and lines below its text: the first few, and all of them under the details.
void inform(QWidget* parent, const QString& text, const QStringList& lines);

// An exclamation box with Yes and No in the current language; true when Yes was chosen.
bool ask(QWidget* parent, const QString& text, Title title = Title::Capital);

} // namespace Prompt
