// SPDX-License-Identifier: GPL-3.0-or-later
// Channel planning from the command line: sorting the channels of a file, and
// checking them against the band plan of a licence-free service.

#include "CliText.h"
#include "Console.h"
#include "Verbs.h"

#include "BandPlan.h"
#include "ChannelFile.h"
#include "ChannelSets.h"
#include "ChannelSort.h"
#include "RadioData.h"

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

// A channel file as the radio holds it, every record as stored.
std::optional<RadioData> readData(const Arguments& args)
{
    RadioData data;
    if (!Verbs::readChannelFile(args.operands.at(0), data.image))
        return std::nullopt;
    data.version = Verbs::fileVersion(args);
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
    const ChannelFile::WriteResult saved = ChannelFile::write(args.output, data->image.bytes());
    if (!saved.ok) {
        Console::error(saveFailedText(args.output, saved.reason));
        return ExitStatus::FileError;
    }
    if (!args.quiet)
        Console::err(CommandLine::tr("The channels, sorted by %1, are in %2.")
                         .arg(ChannelSort::keyText(*key), shownPath(args.output)));
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
        "Usage: qv3n-cli sort FILE.chann --by rx|tx|name|tone|power -o OUT.chann [--descending]\n"
        "                     [--radio-version 1|2] [--quiet] [--lang en|zh]\n"
        "\n"
        "Writes the channels of a channel file sorted into a new channel file: the\n"
        "channels in use from channel 1 on, by the key, then the unused ones. Each\n"
        "channel keeps all its settings, and the priority channel follows its channel.\n"
        "Channels with the same key keep their order; channels in use without the key\n"
        "(receive only, sorted by tx; no name, sorted by name) come after the others.\n"
        "\n"
        "  --by KEY            rx or tx (frequency), name, tone (the decode tone: off,\n"
        "                      CTCSS, DCS, inverted DCS) or power (Low, High)\n"
        "  --descending        from the highest (Z, High) down\n"
        "  -o, --output F      the channel file to write\n"
        "  --radio-version N   the memory format of the file: 2 (the default) or 1\n"
        "  -q, --quiet         no completion message, only errors\n");
}

} // namespace Verbs
