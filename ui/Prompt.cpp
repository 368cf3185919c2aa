// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>

namespace Prompt {

namespace {

class Answerer : public QObject
{
public:
    Answerer(QWidget* window, Handler handler)
        : QObject(window)
        , handler(std::move(handler))
    {
    }
    const Handler handler;
};

Answerer* answererOf(const QWidget* window)
{
    for (QObject* child : window->children())
        if (auto* answerer = dynamic_cast<Answerer*>(child))
            return answerer;
    return nullptr;
}

// The handler of the nearest window up the chain of owners that has one.
const Handler* handlerFor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const Answerer* answerer = answererOf(widget))
            return &answerer->handler;
    return nullptr;
}

} // namespace

void setHandler(QWidget* window, Handler handler)
{
    delete answererOf(window);
    if (handler)
        new Answerer(window, std::move(handler));
}

QMessageBox::StandardButton show(QWidget* parent, const Message& message)
{
    // A window that speaks while it opens has no owner yet: the window in front answers for it.
    const Handler* handler = handlerFor(parent);
    if (!handler)
        handler = handlerFor(QApplication::activeWindow());
    if (handler)
        return (*handler)(message);
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
