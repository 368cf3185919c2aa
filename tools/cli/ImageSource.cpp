// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSource.h"

#include "CliText.h"
#include "Console.h"
#include "Transfer.h"
#include "Verbs.h"

#include "MemoryImage.h"
#include "NativeFile.h"
#include "RadioDocument.h"
#include "WorkingCopy.h"

#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// A serial device, or a link to one (a FIFO or a socket is not).
bool isDevice(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    return ::stat(NativeFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
#else
    const QFileInfo file(path);
    return file.exists() && !file.isFile() && !file.isDir();
#endif
}

} // namespace

ImageSource imageSource(const QString& operand)
{
    static const QRegularExpression comName(QStringLiteral("^COM\\d+$"), QRegularExpression::CaseInsensitiveOption);
    const bool device = operand.startsWith(QLatin1String("/dev/")) || isDevice(operand);
    if (comName.match(operand).hasMatch() || device)
        return { ImageSource::Kind::Port, operand };
    return { ImageSource::Kind::File, operand };
}

ExitStatus loadImage(const ImageSource& source, const Arguments& args, MemoryImage& image, int& version)
{
    if (source.kind == ImageSource::Kind::File) {
        if (!Verbs::readRadioFile(source.operand, args, image, &version))
            return ExitStatus::FileError;
        // Compared as the program takes it in, as a radio is.
        image = enteredImage(image);
        return ExitStatus::Ok;
    }

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
    if (radio.version() != version) {
        Console::error(CommandLine::tr("The radio's memory format is version %1, not version %2 (see "
                                       "--radio-version); the two cannot be compared.")
                           .arg(radio.version())
                           .arg(version));
        return ExitStatus::Refused;
    }
    image = imageAfterRead(image, transfer.radioImage());
    return ExitStatus::Ok;
}
