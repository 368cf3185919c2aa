// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionLists.h"

#include "Tables.h"

#include <QCoreApplication>

namespace OptionLists {

namespace {

// The lists belong to the optional-features window and are translated there.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OptionsWindow)
};

QStringList numbers(const QString& first, int from, int to)
{
    QStringList list;
    if (!first.isEmpty())
        list << first;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

} // namespace

QStringList timeOut() { return numbers(Text::tr("Off"), 1, 7); }
QStringList voxLevel() { return numbers(Text::tr("Off"), 1, 9); }
QStringList squelchLevel() { return numbers({}, 0, 9); }
QStringList backlight() { return { Text::tr("Off"), Text::tr("Push"), Text::tr("Continue") }; }
QStringList channelDisplay() { return { Text::tr("Frequncy", "channel display"), Text::tr("Name") }; }
QStringList scanMode() { return { Text::tr("SE"), Text::tr("TO"), Text::tr("CO") }; }
QStringList priorityChannel() { return numbers(Text::tr("None"), 1, MemoryMap::kChannelCount); }
QStringList tuningStep() { return { QStringLiteral("12.5"), QStringLiteral("25.0") }; }
QStringList duplex() { return { Text::tr("Off"), Text::tr("Minus"), Text::tr("Plus") }; }
QStringList width() { return { Text::tr("Narrow"), Text::tr("Wide") }; }
QStringList power() { return { Text::tr("Low"), Text::tr("High") }; }
QStringList tones() { return toneListItems(); }

const std::vector<ListOption>& listOptions()
{
    using namespace Settings;
    static const std::vector<ListOption> options = {
        { kTimeOutTimer, timeOut },       { kVoxLevel, voxLevel },   { kSquelchLevel, squelchLevel },
        { kBacklight, backlight },        { kChannelShowsName, channelDisplay },
        { kScanMode, scanMode },          { kPriorityChannel, priorityChannel },
        { kTuningStep, tuningStep },      { kVfoDuplex, duplex },    { kVfoWide, width },
        { kVfoHighPower, power },
    };
    return options;
}

} // namespace OptionLists
