// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backups.h"

#include "ChannelFile.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>

namespace Backups {

namespace {

const QString kPrefix = QStringLiteral("qv3n-backup-");
const QString kSuffix = QStringLiteral(".chann");

// A name that is not yet taken and sorts by time: a second backup within the
// same millisecond gets "_02" and so on, which sorts after the plain name.
QString freshName(const QDir& dir)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString name = kPrefix + stamp + kSuffix;
    for (int n = 2; dir.exists(name); ++n)
        name = kPrefix + stamp + QStringLiteral("_%1").arg(n, 2, 10, QLatin1Char('0')) + kSuffix;
    return name;
}

void keepNewest(const QDir& dir, int keep)
{
    if (keep <= 0)
        return;
    const QStringList names = dir.entryList({ kPrefix + QLatin1Char('*') + kSuffix }, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + keep < names.size(); ++i)
        QFile::remove(dir.filePath(names.at(i)));
}

} // namespace

QString defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("backups"));
}

QString save(const QString& folder, const MemoryImage& radio, int keep, QString* reason)
{
    QDir dir(folder);
    errno = 0;
    if (!dir.mkpath(QStringLiteral("."))) {
        *reason = qt_error_string(errno);
        return {};
    }
    MemoryImage backup = factoryImage();
    for (int b = 0; b < MemoryMap::kReadBlockCount; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            backup.setCell(b, c, radio.cell(b, c));
    const QString path = dir.filePath(freshName(dir));
    const ChannelFile::WriteResult result = ChannelFile::write(path, backup.bytes());
    if (!result.ok) {
        *reason = result.reason;
        return {};
    }
    keepNewest(dir, keep);
    return path;
}

} // namespace Backups
