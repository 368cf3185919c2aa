// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioFile.h"

#include "ChannelFile.h"
#include "RadioText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace RadioFile {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RadioFile)
};

const QString kChannelSuffix = QStringLiteral(".chann");
const QString kTextSuffix = QStringLiteral(".yaml");

// A whole radio as text takes some 30 KiB; far more is no radio text, and is not read into memory.
constexpr qint64 kMaxTextSize = 4 * 1024 * 1024;

Loaded loadText(const QString& path, const MemoryImage& base, int baseVersion)
{
    const QString shown = QDir::toNativeSeparators(path);
    Loaded loaded;
    QFile file;
    QString reason;
    if (!NativeFile::openForReading(path, &file, &reason)) {
        loaded.error = Text::tr("The radio text %1 cannot be opened: %2").arg(shown, reason);
        return loaded;
    }
    const QByteArray text = file.read(kMaxTextSize + 1);
    if (file.error() != QFileDevice::NoError) {
        loaded.error = Text::tr("The radio text %1 cannot be opened: %2").arg(shown, file.errorString());
        return loaded;
    }
    if (text.size() > kMaxTextSize) {
        loaded.error = Text::tr("The radio text %1 is larger than 4 MiB, far more than a radio needs. Nothing was "
                                "loaded.")
                           .arg(shown);
        return loaded;
    }
    const RadioText::ReadResult result = RadioText::parse(text, base, baseVersion);
    if (!result.ok()) {
        loaded.error = Text::tr("The radio text %1 was not loaded; correct these places in it:").arg(shown);
        const qsizetype listed = std::min<qsizetype>(result.problems.size(), kMaxListedProblems);
        for (qsizetype i = 0; i < listed; ++i)
            loaded.problems << RadioText::problemLine(result.problems[i]);
        if (result.problems.size() > listed)
            loaded.problems << Text::tr("(%1 more not listed)").arg(result.problems.size() - listed);
        return loaded;
    }
    loaded.image = result.image;
    loaded.version = result.version;
    return loaded;
}

} // namespace

Kind kindOf(const QString& path)
{
    return path.endsWith(kTextSuffix, Qt::CaseInsensitive) ? Kind::RadioText : Kind::ChannelFile;
}

bool isRadioFileName(const QString& path)
{
    return path.endsWith(kChannelSuffix, Qt::CaseInsensitive) || path.endsWith(kTextSuffix, Qt::CaseInsensitive);
}

NameCheck checkName(const QString& name)
{
    static const QString forbidden = QStringLiteral("*$\\/#");
    if (std::any_of(name.begin(), name.end(), [](QChar ch) { return forbidden.contains(ch); }))
        return NameCheck::InvalidCharacter;
    for (const QString& suffix : { kChannelSuffix, kTextSuffix })
        if (name.endsWith(suffix) || name.endsWith(suffix.toUpper()))
            return NameCheck::Ok;
    return NameCheck::WrongSuffix;
}

Loaded load(const QString& path, const MemoryImage& base, int baseVersion)
{
    if (kindOf(path) == Kind::RadioText)
        return loadText(path, base, baseVersion);
    Loaded loaded;
    const ChannelFile::ReadResult result = ChannelFile::read(path);
    if (!result.ok())
        loaded.error = ChannelFile::readErrorMessage(result, QDir::toNativeSeparators(path));
    else
        loaded.image.setBytes(result.bytes);
    return loaded;
}

NativeFile::WriteResult save(const QString& path, const MemoryImage& image, int version)
{
    if (kindOf(path) == Kind::RadioText)
        return NativeFile::replace(path, RadioText::format(image, version));
    return ChannelFile::write(path, image.bytes());
}

} // namespace RadioFile
