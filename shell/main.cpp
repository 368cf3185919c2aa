#include "MDImain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qv3n"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/qv3n.svg")));
    MDImain mainWindow;
    mainWindow.start();
    return QApplication::exec();
}
