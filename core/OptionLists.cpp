// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionLists.h"

#include "Tables.h"

#include <QCoreApplication>

namespace OptionLists {

namespace {

// The lists belong to the optional-features window and are translated there.
const char* const kContext = "OptionsWindow";

struct SourceText
{
    const char* text;
    const char* comment = nullptr;
};

QString word(Wording wording, SourceText source)
{
    if (wording == Wording::English)
        return QString::fromUtf8(source.text);
    return QCoreApplication::translate(kContext, source.text, source.comment);
}

QStringList words(Wording wording, std::initializer_list<SourceText> sources)
{
    QStringList list;
    for (const SourceText& source : sources)
        list << word(wording, source);
    return list;
}

QStringList numbers(const QString& first, int from, int to)
{
    QStringList list;
    if (!first.isEmpty())
        list << first;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

QString off(Wording wording)
{
    return word(wording, { QT_TRANSLATE_NOOP("OptionsWindow", "Off") });
}

} // namespace

QStringList timeOut(Wording wording) { return numbers(off(wording), 1, 7); }
QStringList voxLevel(Wording wording) { return numbers(off(wording), 1, 9); }
QStringList squelchLevel(Wording) { return numbers({}, 0, 9); }
QStringList backlight(Wording wording)
{
    return words(wording, { { QT_TRANSLATE_NOOP("OptionsWindow", "Off") }, { QT_TRANSLATE_NOOP("OptionsWindow", "Push") },
                            { QT_TRANSLATE_NOOP("OptionsWindow", "Continue") } });
}
QStringList channelDisplay(Wording wording)
{
    return words(wording, { QT_TRANSLATE_NOOP3("OptionsWindow", "Frequncy", "channel display"),
                            { QT_TRANSLATE_NOOP("OptionsWindow", "Name") } });
}
QStringList scanMode(Wording wording)
{
    return words(wording, { { QT_TRANSLATE_NOOP("OptionsWindow", "SE") }, { QT_TRANSLATE_NOOP("OptionsWindow", "TO") },
                            { QT_TRANSLATE_NOOP("OptionsWindow", "CO") } });
}
QStringList priorityChannel(Wording wording)
{
    return numbers(word(wording, { QT_TRANSLATE_NOOP("OptionsWindow", "None") }), 1, MemoryMap::kChannelCount);
}
QStringList tuningStep(Wording) { return { QStringLiteral("12.5"), QStringLiteral("25.0") }; }
QStringList duplex(Wording wording)
{
    return words(wording, { { QT_TRANSLATE_NOOP("OptionsWindow", "Off") }, { QT_TRANSLATE_NOOP("OptionsWindow", "Minus") },
                            { QT_TRANSLATE_NOOP("OptionsWindow", "Plus") } });
}
QStringList width(Wording wording)
{
    return words(wording, { { QT_TRANSLATE_NOOP("OptionsWindow", "Narrow") }, { QT_TRANSLATE_NOOP("OptionsWindow", "Wide") } });
}
QStringList power(Wording wording)
{
    return words(wording, { { QT_TRANSLATE_NOOP("OptionsWindow", "Low") }, { QT_TRANSLATE_NOOP("OptionsWindow", "High") } });
}
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
