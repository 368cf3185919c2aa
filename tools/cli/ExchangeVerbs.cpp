// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that move channels between channel files and spreadsheets, and
// the comparison of two images.

#include "CliText.h"
#include "Console.h"
#include "ImageSource.h"
#include "Verbs.h"

#include "ChannelCsv.h"
#include "ChannelRecord.h"
#include "RadioData.h"
#include "RadioFile.h"
#include "ImageCompare.h"
#include "NativeFile.h"

#include <QRegularExpression>
#include <optional>

namespace {

bool noOutputWanted(const Arguments& args, ExitStatus* status)
{
    if (args.output.isEmpty())
        return true;
    *status = Verbs::usageError(CommandLine::tr("%1 takes no -o; it prints to standard output.").arg(verbName(args.verb)),
                                args.verb);
    return false;
}

bool writeCsv(const QString& path, const QByteArray& text)
{
    const NativeFile::WriteResult written = NativeFile::replace(path, text);
    if (written.ok)
        return true;
    Console::error(CommandLine::tr("The CSV file %1 could not be written: %2\n"
                                   "A file of that name already on disk is left as it was.")
                       .arg(Verbs::shownPath(path), written.reason));
    return false;
}

// --into: empty, or from:N; none replaces all channels.
std::optional<ChannelCsv::Placement> placement(const QString& into, const MemoryImage& base)
{
    if (into.isEmpty())
        return ChannelCsv::Placement::replaceAll();
    if (into == QLatin1String("empty"))
        return ChannelCsv::Placement::fillEmpty(base);
    static const QRegularExpression from(QStringLiteral("^from:(\\d{1,3})$"));
    const QRegularExpressionMatch match = from.match(into);
    const int first = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (first < MemoryMap::kFirstChannelBlock || first > MemoryMap::kChannelCount)
        return std::nullopt;
    return ChannelCsv::Placement::fromChannel(first);
}

QString problemText(const ChannelCsv::Problem& problem)
{
    const QString line = ChannelCsv::problemLine(problem);
    return problem.kind == ChannelCsv::Problem::Kind::Refused ? CommandLine::tr("refused: %1").arg(line)
                                                              : CommandLine::tr("adjusted: %1").arg(line);
}

} // namespace

namespace Verbs {

ExitStatus runExport(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("FILE") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("export needs the CSV file to write: -o OUT.csv"), args.verb);
    MemoryImage image;
    int version = 0;
    if (!readRadioFile(args.operands.at(0), args, image, &version))
        return ExitStatus::FileError;
    if (!writeCsv(args.output, ChannelCsv::exportChannels(image, version)))
        return ExitStatus::FileError;
    if (!args.quiet) {
        int used = 0;
        for (int channel = MemoryMap::kFirstChannelBlock; channel < MemoryMap::kFirstChannelBlock + MemoryMap::kChannelCount;
             ++channel)
            used += ChannelRecord::isUsed(image, channel) ? 1 : 0;
        Console::err(CommandLine::tr("Channels in use written to %1: %2.").arg(shownPath(args.output)).arg(used));
    }
    return ExitStatus::Ok;
}

ExitStatus runImport(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("IN.csv") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("import needs the channel file to write: -o OUT.chann"), args.verb);
    MemoryImage base = factoryImage();
    int version = fileVersion(args);
    if (!args.base.isEmpty() && !readRadioFile(args.base, args, base, &version))
        return ExitStatus::FileError;
    const std::optional<ChannelCsv::Placement> into = placement(args.into, base);
    if (!into)
        return usageError(CommandLine::tr("--into takes empty or from:N with N from 1 to 128, not \"%1\".").arg(args.into),
                          args.verb);

    const QString csvPath = args.operands.at(0);
    const ChannelCsv::ImportResult result = ChannelCsv::read(csvPath, version, FreqRange::of(base), *into);
    if (!result.ok()) {
        Console::error(ChannelCsv::errorText(result, shownPath(csvPath)));
        return ExitStatus::FileError;
    }
    if (!args.quiet && !ChannelCsv::placementNote(result).isEmpty())
        Console::err(ChannelCsv::placementNote(result));
    for (const ChannelCsv::Problem& problem : result.problems)
        if (!args.quiet || problem.kind == ChannelCsv::Problem::Kind::Refused)
            Console::err(problemText(problem));
    if (result.unlistedProblemCount > 0)
        Console::err(ChannelCsv::unlistedProblemsLine(result));
    if (result.refusedCount > 0 && !args.skipBad) {
        Console::error(CommandLine::tr("%1 of %2 rows refused; nothing was written. Correct them, or leave them out "
                                       "with --skip-bad.")
                           .arg(result.refusedCount)
                           .arg(result.rowCount));
        return ExitStatus::Refused;
    }
    const NativeFile::WriteResult saved = RadioFile::save(args.output, ChannelCsv::withChannels(base, result), version);
    if (!saved.ok) {
        Console::error(saveFailedText(args.output, saved.reason));
        return ExitStatus::FileError;
    }
    if (!args.quiet)
        Console::err(CommandLine::tr("Channels imported into %1: %2; rows left out: %3.")
                         .arg(shownPath(args.output))
                         .arg(result.importedCount())
                         .arg(result.refusedCount));
    return ExitStatus::Ok;
}

ExitStatus runDiff(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("A"), QStringLiteral("B") }, &status) || !noOutputWanted(args, &status))
        return status;
    const ImageSource sources[] = { imageSource(args.operands.at(0)), imageSource(args.operands.at(1)) };
    MemoryImage images[2];
    int versions[2] = { fileVersion(args), fileVersion(args) };
    // Files first: a radio holds only the blocks a read fetches, and takes the
    // rest (and the memory format it must use) from the file it is compared
    // with, so that the rest never differs.
    for (const ImageSource::Kind kind : { ImageSource::Kind::File, ImageSource::Kind::Port })
        for (int side = 0; side < 2 && status == ExitStatus::Ok; ++side)
            if (sources[side].kind == kind) {
                if (kind == ImageSource::Kind::Port) {
                    images[side] = images[1 - side];
                    versions[side] = versions[1 - side];
                }
                status = loadImage(sources[side], args, images[side], versions[side]);
            }
    if (status != ExitStatus::Ok)
        return status;
    // Frequencies of another memory format would read as other frequencies.
    if (versions[0] != versions[1]) {
        Console::error(CommandLine::tr("%1 is in memory format %2 and %3 in memory format %4; the two cannot be "
                                       "compared.")
                           .arg(args.operands.at(0))
                           .arg(versions[0])
                           .arg(args.operands.at(1))
                           .arg(versions[1]));
        return ExitStatus::Refused;
    }
    const MemoryImage& before = images[0];
    const MemoryImage& after = images[1];

    const QList<ImageCompare::Difference> differences = ImageCompare::compare(before, after, versions[0]);
    for (const ImageCompare::Difference& difference : differences)
        Console::out(difference.text);
    if (differences.isEmpty() && !args.quiet)
        Console::err(CommandLine::tr("%1 and %2 hold the same.").arg(args.operands.at(0), args.operands.at(1)));
    return differences.isEmpty() ? ExitStatus::Ok : ExitStatus::Differ;
}

QString exchangeHelpText(Verb verb)
{
    switch (verb) {
    case Verb::Export:
        return CommandLine::tr(
            "Usage: qv3n-cli export FILE -o OUT.csv [--base F] [--radio-version 1|2] [--quiet]\n"
            "                       [--lang en|zh]\n"
            "\n"
            "Writes the channels in use of a channel file (FILE.chann) or a radio text\n"
            "(FILE.yaml) as a spreadsheet CSV (UTF-8, one row per channel) in the column\n"
            "layout of common radio programming tools, as File > Export CSV does in the\n"
            "program.\n"
            "\n"
            "  -o, --output F      the CSV file to write\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
            "                      1; a radio text states its own\n");
    case Verb::Import:
        return CommandLine::tr(
            "Usage: qv3n-cli import IN.csv -o OUT.chann [--base FILE] [--into empty|from:N]\n"
            "                      [--skip-bad] [--radio-version 1|2] [--quiet] [--lang en|zh]\n"
            "\n"
            "Makes a channel file (or, with -o OUT.yaml, a radio text) from a CSV channel\n"
            "list: the rows give all 128 channels by their locations (a channel no row\n"
            "gives is unused); everything else comes from the base file. When the\n"
            "locations are no channel numbers (they start at 0, run past 128 or repeat),\n"
            "the rows go in file order from channel 1, and that is said. With --into, the\n"
            "rows go in file order into the base file's channels instead, and the other\n"
            "channels stay as they are. Every row the radio cannot hold is listed with its\n"
            "line and reason (the first 100 problems, then their number), and then nothing\n"
            "is written (exit status 4) unless --skip-bad is given. Names are upper-cased\n"
            "and cut to five characters, a power in watts becomes Low up to 1 W and High\n"
            "above; that is listed too.\n"
            "\n"
            "  -o, --output F      the channel file to write\n"
            "  --base F            the channel file or radio text the settings, the\n"
            "                      frequency mode, the range and the FM presets come from\n"
            "                      (default: the program's default image); its range\n"
            "                      bounds the rows\n"
            "  --into empty        put the rows into the base's unused channels, from\n"
            "                      channel 1 on\n"
            "  --into from:N       put the rows into channels N, N+1, ... over what the\n"
            "                      base holds there\n"
            "  --skip-bad          write the file without the refused rows\n"
            "  --radio-version N   the memory format to write: 2 (the default) or 1\n"
            "  -q, --quiet         list only the refused rows\n");
    case Verb::Diff:
        return CommandLine::tr(
            "Usage: qv3n-cli diff A B [--trace FILE] [--base F] [--radio-version 1|2] [--quiet]\n"
            "                     [--lang en|zh]\n"
            "\n"
            "Lists what differs from A to B, one line each: every channel with each field\n"
            "that differs (channels in use in one only as added or removed), every optional\n"
            "feature, the frequency mode, the range, every FM preset, and any other byte.\n"
            "A and B are channel files or radio texts (.yaml), or ports (COM1 to COM8, or a\n"
            "device path): a radio there is read, and what it holds is compared. Exits with\n"
            "0 when they hold the same, 5 when they differ.\n"
            "\n"
            "  --trace FILE        write every byte exchanged with a radio, with times, to FILE\n"
            "  --base F            what a radio text leaves out (default: the program's\n"
            "                      default image)\n"
            "  --radio-version N   the memory format of the channel files and the radio: 2\n"
            "                      (the default) or 1; a radio text states its own\n"
            "  -q, --quiet         nothing on standard error when they hold the same\n");
    default:
        break;
    }
    return {};
}

} // namespace Verbs
