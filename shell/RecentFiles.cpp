// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentFiles.h"

#include <QCoreApplication>
#include <QSettings>

namespace RecentFiles {

namespace {

const QString kKey = QStringLiteral("recentFiles");

bool kept()
{
    return !QCoreApplication::organizationName().isEmpty();
}

void store(const QStringList& files)
{
    QSettings().setValue(kKey, files);
}

} // namespace

QStringList list()
{
    return kept() ? QSettings().value(kKey).toStringList().mid(0, kMaxCount) : QStringList();
}

void add(const QString& path)
{
    if (!kept() || path.isEmpty())
        return;
    QStringList files = list();
    files.removeAll(path);
    files.prepend(path);
    store(files.mid(0, kMaxCount));
}

void remove(const QString& path)
{
    if (!kept())
        return;
    QStringList files = list();
    if (files.removeAll(path) > 0)
        store(files);
}

} // namespace RecentFiles
