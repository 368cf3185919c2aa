// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompt.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace Prompt {

namespace {

Handler& handler()
{
    static Handler h;
    return h;
}

} // namespace

void setHandler(Handler h)
{
    handler() = std::move(h);
}

QMessageBox::StandardButton show(QWidget* parent, const Message& message)
{
    if (handler())
        return handler()(message);
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    // Paths and reasons in a message can be copied into a search or a report.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setInformativeText(message.informativeText);
    box.setDetailedText(message.detailedText);
    for (auto it = message.buttonTexts.cbegin(); it != message.buttonTexts.cend(); ++it)
        if (QAbstractButton* button = box.button(it.key()))
            button->setText(it.value());
    return QMessageBox::StandardButton(box.exec());
}

QString titleText(Title title)
{
    return title == Title::Capital ? QCoreApplication::translate("Prompt", "Operate Prompt")
                                   : QCoreApplication::translate("Prompt", "Operate prompt");
}

void inform(QWidget* parent, const QString& text, Title title)
{
    show(parent, { titleText(title), text, {}, {}, QMessageBox::Warning, QMessageBox::Ok, {} });
}

void inform(QWidget* parent, const QString& text, const QStringList& lines)
{
    constexpr int kShownLines = 10;
    const QString details = lines.size() > kShownLines ? lines.join(QLatin1Char('\n')) : QString();
    show(parent, { titleText(Title::Lower), text, lines.mid(0, kShownLines).join(QLatin1Char('\n')), details,
                   QMessageBox::Warning, QMessageBox::Ok, {} });
}

bool ask(QWidget* parent, const QString& text, Title title)
{
    const QMap<QMessageBox::StandardButton, QString> buttonTexts = {
        { QMessageBox::Yes, QCoreApplication::translate("Prompt", "Yes") },
        { QMessageBox::No, QCoreApplication::translate("Prompt", "No") },
    };
    return show(parent, { titleText(title), text, {}, {}, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                          buttonTexts })
        == QMessageBox::Yes;
}

} // namespace Prompt
