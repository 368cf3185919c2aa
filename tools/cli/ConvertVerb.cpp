// SPDX-License-Identifier: GPL-3.0-or-later
// The verb that turns a channel file into a radio text and back, each kind
// told by its suffix.

#include "CliText.h"
#include "Console.h"
#include "Verbs.h"

#include "MemoryImage.h"
#include "RadioFile.h"

namespace Verbs {

ExitStatus runConvert(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("IN") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("convert needs the file to write: -o OUT.yaml or -o OUT.chann"), args.verb);
    MemoryImage image;
    int version = 0;
    if (!readRadioFile(args.operands.at(0), args, image, &version))
        return ExitStatus::FileError;
    const NativeFile::WriteResult saved = RadioFile::save(args.output, image, version);
    if (!saved.ok) {
        Console::error(saveFailedText(args.output, saved.reason));
        return ExitStatus::FileError;
    }
    if (args.quiet)
        return ExitStatus::Ok;
    Console::err(CommandLine::tr("%1 is written.").arg(shownPath(args.output)));
    // A channel file does not say its memory format.
    if (RadioFile::kindOf(args.output) == RadioFile::Kind::ChannelFile && version != 2)
        Console::err(CommandLine::tr("It is in memory format %1: show, check and write it with --radio-version %1.")
                         .arg(version));
    return ExitStatus::Ok;
}

QString convertHelpText()
{
    return CommandLine::tr(
        "Usage: qv3n-cli convert IN -o OUT [--base FILE] [--radio-version 1|2] [--quiet]\n"
        "                        [--lang en|zh]\n"
        "\n"
        "Converts between a channel file (.chann) and a radio text (.yaml), each kind\n"
        "told by its suffix. The radio text holds the whole radio as readable text:\n"
        "the channels in use, the optional features, the frequency mode, the range,\n"
        "the FM presets and, in hex, every other byte, so that a channel file turned\n"
        "into text and back is the same to the byte. A radio text that cannot be read\n"
        "is refused whole, with the line and column of every problem (exit status 3).\n"
        "\n"
        "  -o, --output F      the file to write: OUT.yaml or OUT.chann\n"
        "  --base F            the channel file or radio text that gives what a radio\n"
        "                      text leaves out (default: the program's default image)\n"
        "  --radio-version N   the memory format of a channel file: 2 (the default) or 1;\n"
        "                      a radio text states its own\n"
        "  -q, --quiet         no completion message, only errors\n");
}

} // namespace Verbs
