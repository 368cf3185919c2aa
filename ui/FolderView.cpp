// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderView.h"

#include "Prompt.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QUrl>

namespace FolderView {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FolderView)
};

} // namespace

void show(QWidget* parent, const QString& folder)
{
    if (QDir().mkpath(folder) && QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return;
    const QString path = QDir::toNativeSeparators(folder);
    const Prompt::Message message{ Prompt::titleText(Prompt::Title::Lower),
                                   Text::tr("The folder could not be opened in a file manager. It is:"),
                                   path,
                                   {},
                                   QMessageBox::Information,
                                   QMessageBox::Ok | QMessageBox::Apply,
                                   { { QMessageBox::Ok, Text::tr("OK") }, { QMessageBox::Apply, Text::tr("Copy path") } } };
    if (Prompt::show(parent, message) == QMessageBox::Apply)
        QGuiApplication::clipboard()->setText(path);
}

} // namespace FolderView
