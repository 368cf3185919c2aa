#include "ImageSource.h"

#include "CliText.h"
#include "Verbs.h"

#include "MemoryImage.h"

#include <QFileInfo>
#include <QRegularExpression>

ImageSource imageSource(const QString& operand)
{
    static const QRegularExpression comName(QStringLiteral("^COM\\d+$"), QRegularExpression::CaseInsensitiveOption);
    const QFileInfo file(operand);
    const bool device = operand.startsWith(QLatin1String("/dev/"))
                        || (file.exists() && !file.isFile() && !file.isDir());
    if (comName.match(operand).hasMatch() || device)
        return { ImageSource::Kind::Port, operand };
    return { ImageSource::Kind::File, operand };
}

ExitStatus loadImage(const ImageSource& source, Verb verb, MemoryImage& image)
{
    switch (source.kind) {
    case ImageSource::Kind::File:
        return Verbs::readChannelFile(source.operand, image) ? ExitStatus::Ok : ExitStatus::FileError;
    case ImageSource::Kind::Port: {
        PortChoice port;
        QString error;
        if (!parsePort(source.operand, &port, &error))
            return Verbs::usageError(error, verb);
        // The link engine reads into the program's working copy only; a read
        // into an image of its own plugs in here, as a Transfer that fills image.
        return Verbs::usageError(CommandLine::tr("%1 names a port, and comparing with a radio is not available in "
                                                 "this version. Read the radio into a file first (qv3n-cli read %1 "
                                                 "-o FILE.chann) and compare that file.")
                                     .arg(source.operand),
                                 verb);
    }
    }
    return ExitStatus::Usage;
}
