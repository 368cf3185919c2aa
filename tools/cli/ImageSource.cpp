#include "ImageSource.h"

#include "CliText.h"
#include "Console.h"
#include "Transfer.h"
#include "Verbs.h"

#include "MemoryImage.h"
#include "RadioDocument.h"
#include "WorkingCopy.h"

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

ExitStatus loadImage(const ImageSource& source, const Arguments& args, MemoryImage& image)
{
    if (source.kind == ImageSource::Kind::File)
        return Verbs::readChannelFile(source.operand, image) ? ExitStatus::Ok : ExitStatus::FileError;

    PortChoice port;
    QString error;
    if (!parsePort(source.operand, &port, &error))
        return Verbs::usageError(error, args.verb);
    RadioDocument radio;
    Transfer transfer(radio, port, args.quiet, args.traceFile);
    const ExitStatus status = transfer.read();
    if (status != ExitStatus::Ok)
        return status;
    // Frequencies of another memory format would read as other frequencies.
    if (radio.version() != Verbs::fileVersion(args)) {
        Console::error(CommandLine::tr("The radio's memory format is version %1, not version %2 (see "
                                       "--radio-version); the two cannot be compared.")
                           .arg(radio.version())
                           .arg(Verbs::fileVersion(args)));
        return ExitStatus::Refused;
    }
    image = overReadBlocks(image, transfer.radioImage());
    return ExitStatus::Ok;
}
