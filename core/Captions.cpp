// SPDX-License-Identifier: GPL-3.0-or-later
#include "Captions.h"

#include "Language.h"

#include <QCoreApplication>

namespace Captions {

namespace {

struct OptionText
{
    Q_DECLARE_TR_FUNCTIONS(OptionsWindow)
};

struct ChannelText
{
    Q_DECLARE_TR_FUNCTIONS(ChannelTableWindow)
};

struct FmText
{
    Q_DECLARE_TR_FUNCTIONS(FmPresetsWindow)
};

struct LinkText
{
    Q_DECLARE_TR_FUNCTIONS(LinkEngine)
};

struct SaveText
{
    Q_DECLARE_TR_FUNCTIONS(SaveFileDialog)
};

const char* const kChannelGridContext = "ChannelTableWindow";
const char* const kChannelGridFormat = QT_TRANSLATE_NOOP(
    "ChannelTableWindow", "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  ");

// Enough of a value to recognise it.
constexpr int kShownValueLength = 24;

} // namespace

QString option(Option which)
{
    switch (which) {
    case Option::OptionalFeatures: return OptionText::tr("Optional Features");
    case Option::TimeOut: return OptionText::tr("Time Out Timer(TOT)[Min]");
    case Option::Vox: return OptionText::tr("VOX Level");
    case Option::Squelch: return OptionText::tr("Squelch Level");
    case Option::WorkMode: return OptionText::tr("Work Mode");
    case Option::FrequencyWorkMode: return OptionText::tr("Frequncy", "work mode");
    case Option::ChannelWorkMode: return OptionText::tr(" Channel");
    case Option::OnlyChannelMode: return OptionText::tr("Only Channel Mode ");
    case Option::Backlight: return OptionText::tr("Back Light");
    case Option::ChannelDisplay: return OptionText::tr("Channel Disp Way");
    case Option::Scans: return OptionText::tr("Scans");
    case Option::PriorityChannel: return OptionText::tr("Priority Channel");
    case Option::Save: return OptionText::tr("Save");
    case Option::Beep: return OptionText::tr("Beep");
    case Option::Off: return OptionText::tr("Off");
    case Option::FrequencyMode: return OptionText::tr("Frequncy Mode");
    case Option::RxFrequency: return OptionText::tr("RX Frequncy(MHZ)");
    case Option::TxFrequency: return OptionText::tr("TX Frequncy(MHZ)");
    case Option::Decode: return OptionText::tr("Decode");
    case Option::Encode: return OptionText::tr("Encode");
    case Option::Step: return OptionText::tr("Step(KHZ)");
    case Option::Duplex: return OptionText::tr("Duplex");
    case Option::Offset: return OptionText::tr("Offset Frequncy(MHZ) ");
    case Option::Width: return OptionText::tr("Wide / Narrow");
    case Option::Power: return OptionText::tr("TX Power");
    case Option::FrequencyRange: return OptionText::tr("Frequncy Range");
    }
    return {};
}

QString channelTableTitle()
{
    return ChannelText::tr("Channel Information");
}

QString channelGridFormat()
{
    return ChannelText::tr(kChannelGridFormat);
}

QStringList channelGridFormats()
{
    return { QString::fromLatin1(kChannelGridFormat), chineseText(kChannelGridContext, kChannelGridFormat) };
}

QString fmTitle()
{
    return FmText::tr("Radio Frequency");
}

QString fmGridFormat()
{
    return FmText::tr("^Radio Channel |^ Frequency (MHZ)");
}

QString vfoOutOfRange()
{
    return LinkText::tr("Receiving or transmitting frequency that frequency Mode out of frequency limitation range ");
}

QString channelOutOfRange(int channel)
{
    return LinkText::tr("Channel %1that Receiving or transmitting frequency  out of frequency limitation range ")
        .arg(channel);
}

QString saveComplete()
{
    return SaveText::tr("Complete storing channel parameter.");
}

QString saveFailed(const QString& shownName, const QString& reason)
{
    return SaveText::tr("The channel file %1 could not be saved: %2\nA file of that name already on disk is left as it was.")
        .arg(shownName, reason);
}

QString shownValue(const QString& value)
{
    if (value.size() <= kShownValueLength)
        return value;
    // The cut never parts the two halves of a character outside the basic plane.
    const qsizetype cut = value.at(kShownValueLength).isLowSurrogate() ? kShownValueLength - 1 : kShownValueLength;
    return value.left(cut) + QStringLiteral("…");
}

} // namespace Captions
