// SPDX-License-Identifier: GPL-3.0-or-later
// Channel planning from the command line: sorting the channels of a file, and
// checking them against the band plan of a licence-free service.

#include "CliText.h"
#include "Console.h"
#include "Verbs.h"

#include "BandPlan.h"
#include "ChannelSets.h"
#include "ChannelSort.h"
#include "RadioData.h"
#include "RadioFile.h"

#include <optional>

namespace {

struct SortKeyName
{
    const char* name;
    ChannelSort::Key key;
};

constexpr SortKeyName kSortKeys[] = {
    { "rx", ChannelSort::Key::RxFrequency }, { "tx", ChannelSort::Key::TxFrequency },
    { "name", ChannelSort::Key::Name },      { "tone", ChannelSort::Key::DecodeTone },
    { "power", ChannelSort::Key::Power },
};

std::optional<ChannelSort::Key> sortKey(const QString& name)
{
    for (const SortKeyName& key : kSortKeys)
        if (name == QLatin1String(key.name))
            return key.key;
    return std::nullopt;
}

// A channel file or a radio text as the radio holds it, every record as stored.
std::optional<RadioData> readData(const Arguments& args)
{
    RadioData data;
    if (!Verbs::readRadioFile(args.operands.at(0), args, data.image, &data.version))
        return std::nullopt;
    return data;
}

} // namespace

namespace Verbs {

ExitStatus runSort(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("FILE") }, &status))
        return status;
    if (args.output.isEmpty())
        return usageError(CommandLine::tr("sort needs the channel file to write: -o OUT.chann"), args.verb);
    if (args.sortKey.isEmpty())
        return usageError(CommandLine::tr("sort needs what to sort by: --by rx, tx, name, tone or power"), args.verb);
    const std::optional<ChannelSort::Key> key = sortKey(args.sortKey);
    if (!key)
        return usageError(CommandLine::tr("--by takes rx, tx, name, tone or power, not \"%1\".").arg(args.sortKey),
                          args.verb);
    std::optional<RadioData> data = readData(args);
    if (!data)
        return ExitStatus::FileError;
    ChannelSort::sortAll(*data, *key, args.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    const NativeFile::WriteResult saved = RadioFile::save(args.output, data->image, data->version);
    if (!saved.ok) {
        Console::error(saveFailedText(args.output, saved.reason));
        return ExitStatus::FileError;
    }
    if (args.quiet)
        return ExitStatus::Ok;
    Console::err(CommandLine::tr("The channels, sorted by %1, are in %2.")
                     .arg(ChannelSort::keyText(*key), shownPath(args.output)));
    // A channel file does not say its memory format.
    if (RadioFile::kindOf(args.output) == RadioFile::Kind::ChannelFile && data->version != 2)
        Console::err(CommandLine::tr("It is in memory format %1: show, check and write it with --radio-version %1.")
                         .arg(data->version));
    return ExitStatus::Ok;
}

ExitStatus runCheckPlan(const Arguments& args)
{
    ExitStatus status = ExitStatus::Ok;
    if (!checkOperands(args, { QStringLiteral("FILE") }, &status))
        return status;
    if (!args.output.isEmpty())
        return usageError(CommandLine::tr("%1 takes no -o; it prints to standard output.").arg(verbName(args.verb)),
                          args.verb);
    const std::optional<BandPlan::Plan> plan = BandPlan::stockPlan(args.plan);
    if (!plan)
        return usageError(CommandLine::tr("--plan takes %1, not \"%2\".")
                              .arg(ChannelSets::names().join(QLatin1String(", ")), args.plan),
                          args.verb);
    const std::optional<RadioData> data = readData(args);
    if (!data)
        return ExitStatus::FileError;
    const QList<BandPlan::Finding> findings = BandPlan::check(*data, *plan);
    for (const BandPlan::Finding& finding : findings)
        Console::out(BandPlan::findingText(finding, *plan));
    if (findings.isEmpty()) {
        Console::out(CommandLine::tr("Every channel keeps to the plan of %1.").arg(plan->title));
        return ExitStatus::Ok;
    }
    Console::out(CommandLine::tr("Channels that break the plan of %1: %2.").arg(plan->title).arg(findings.size()));
    return ExitStatus::Refused;
}

QString planningHelpText(Verb verb)
{
    if (verb != Verb::Sort)
        return {};
    return CommandLine::tr(
        "Usage: qv3n-cli sort FILE --by rx|tx|name|tone|power -o OUT [--descending]\n"
        "                     [--base F] [--radio-version 1|2] [--quiet] [--lang en|zh]\n"
        "\n"
        "Writes the channels of a channel file (.chann) or a radio text (.yaml) sorted\n"
        "into a new file of either kind, told by its suffix: the channels in use from\n"
        "channel 1 on, by the key, then the unused ones. Each channel keeps all its\n"
        "settings, and the priority channel follows its channel. Channels with the\n"
        "same key keep their order; channels in use without the key (receive only,\n"
        "sorted by tx; no name, sorted by name) come after the others.\n"
        "\n"
        "  --by KEY            rx or tx (frequency), name, tone (the decode tone: off,\n"
        "                      CTCSS, DCS, inverted DCS) or power (Low, High)\n"
        "  --descending        from the highest (Z, High) down\n"
        "  -o, --output F      the file to write: OUT.chann or OUT.yaml\n"
        "  --base F            what a radio text leaves out (default: the program's\n"
        "                      default image)\n"
        "  --radio-version N   the memory format of a channel file: 2 (the default) or\n"
        "                      1; a radio text states its own\n"
        "  -q, --quiet         no completion message, only errors\n");
}

} // namespace Verbs
