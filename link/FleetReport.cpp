// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetReport.h"

#include "Csv.h"
#include "MemoryMap.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace FleetReport {

namespace {

// The program's own data folder, whichever of its programs asks: the command
// line's report is the window's.
const QString kOrganization = QStringLiteral("Quillmere Radio Workshop");
const QString kProgram = QStringLiteral("qv3n");

} // namespace

QStringList header()
{
    return { QStringLiteral("Time"),    QStringLiteral("Operator"), QStringLiteral("Asset"),
             QStringLiteral("Port"),    QStringLiteral("Device"),   QStringLiteral("Cable"),
             QStringLiteral("Version"), QStringLiteral("File"),     QStringLiteral("Image SHA-256"),
             QStringLiteral("Backup"),  QStringLiteral("Verify"),   QStringLiteral("Seconds"),
             QStringLiteral("Result"),  QStringLiteral("Reason") };
}

QStringList Row::fields() const
{
    // With its offset from UTC, so rows from stations in other zones sort right.
    QDateTime time = started;
    time.setOffsetFromUtc(started.offsetFromUtc());
    return { time.toString(Qt::ISODate),
             operatorName,
             asset,
             port,
             device,
             cable,
             version > 0 ? QString::number(version) : QString(),
             file,
             imageSha256,
             QDir::toNativeSeparators(backup),
             verify,
             QString::number(seconds, 'f', 1),
             ok ? QStringLiteral("ok") : QStringLiteral("failed"),
             reason };
}

bool append(const QString& path, const QList<Row>& rows, QString* reason)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *reason = QCoreApplication::translate("FleetReport", "The folder %1 cannot be made.").arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *reason = file.errorString();
        return false;
    }
    QString text;
    if (file.size() == 0)
        text += Csv::line(header());
    for (const Row& row : rows)
        text += Csv::line(row.fields());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

bool read(const QString& path, Table* table, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    Csv::Reader reader(text);
    Csv::Row row;
    *table = Table();
    while (reader.next(&row)) {
        if (row.line == 1)
            table->header = row.fields;
        else if (row.fields != QStringList { QString() })
            table->rows.append(row.fields);
    }
    if (reader.errorLine() != 0) {
        *reason = QCoreApplication::translate("FleetReport", "line %1 is not a CSV row").arg(reader.errorLine());
        return false;
    }
    return true;
}

QString defaultPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(kOrganization + QLatin1Char('/') + kProgram + QStringLiteral("/fleet-report.csv"));
}

QString imageSha256(const MemoryImage& image)
{
    const int written = (MemoryMap::kLastWrittenBlock + 1) * MemoryImage::kCellsPerBlock;
    const QByteArray bytes(reinterpret_cast<const char*>(image.bytes().data()), written);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString operatorName()
{
    for (const char* name : { "USER", "LOGNAME", "USERNAME" }) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
#ifdef Q_OS_UNIX
    // Started without a login shell's environment (a desktop entry, a service).
    if (const passwd* account = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return {};
}

} // namespace FleetReport
