// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backups.h"

#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>

namespace Backups {

namespace {

const QString kPrefix = QStringLiteral("qv3n-backup-");
const QString kSuffix = QStringLiteral(".chann");
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// A name that is not yet taken and sorts by time: a second backup within the
// same millisecond gets "_02" and so on, which sorts after the plain name. The
// radio's memory format ends it: "-v2".
QString freshName(const QDir& dir, int version)
{
    const QString stamp = kPrefix + QDateTime::currentDateTime().toString(kStampFormat);
    // Taken by a backup of either format, or by one from before formats were named.
    auto taken = [&dir](const QString& base) {
        return !dir.entryList({ base + kSuffix, base + QStringLiteral("-v?") + kSuffix }, QDir::Files).isEmpty();
    };
    QString base = stamp;
    for (int n = 2; taken(base); ++n)
        base = stamp + QStringLiteral("_%1").arg(n, 2, 10, QLatin1Char('0'));
    return base + QStringLiteral("-v%1").arg(version) + kSuffix;
}

int channelsInUse(const MemoryImage& image)
{
    int used = 0;
    for (int channel = MemoryMap::kFirstChannelBlock; channel < MemoryMap::kFirstChannelBlock + MemoryMap::kChannelCount;
         ++channel)
        used += ChannelRecord::isUsed(image, channel) ? 1 : 0;
    return used;
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

QString save(const QString& folder, const MemoryImage& radio, int version, int keep, QString* reason)
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
    const QString path = dir.filePath(freshName(dir, version));
    const ChannelFile::WriteResult result = ChannelFile::write(path, backup.bytes());
    if (!result.ok) {
        *reason = result.reason;
        return {};
    }
    keepNewest(dir, keep);
    return path;
}

std::optional<Backup> find(const QString& path)
{
    static const QRegularExpression name(QStringLiteral("^%1(\\d{8}-\\d{6}-\\d{3})(?:_\\d+)?(?:-v([12]))?%2$")
                                             .arg(QRegularExpression::escape(kPrefix), QRegularExpression::escape(kSuffix)));
    const QRegularExpressionMatch match = name.match(QFileInfo(path).fileName());
    if (!match.hasMatch())
        return std::nullopt;
    const ChannelFile::ReadResult file = ChannelFile::read(path);
    if (!file.ok())
        return std::nullopt;
    MemoryImage image;
    image.setBytes(file.bytes);
    return Backup { path, QDateTime::fromString(match.captured(1), kStampFormat), match.captured(2).toInt(),
                    channelsInUse(image) };
}

QList<Backup> list(const QString& folder)
{
    const QDir dir(folder);
    QList<Backup> backups;
    for (const QString& fileName : dir.entryList({ kPrefix + QLatin1Char('*') + kSuffix }, QDir::Files, QDir::Name | QDir::Reversed))
        if (const std::optional<Backup> backup = find(dir.filePath(fileName)))
            backups.append(*backup);
    return backups;
}

} // namespace Backups
