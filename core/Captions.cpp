// SPDX-License-Identifier: GPL-3.0-or-later
#include "Captions.h"

#include "Language.h"

#include <QCoreApplication>

namespace Captions {

namespace {

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

const char* const kOptionContext = "OptionsWindow";

struct SourceText
{
    const char* text = "";
    const char* comment = nullptr;
};

// The English text of a caption, as the translations know it.
SourceText optionSource(Option which)
{
    switch (which) {
    case Option::OptionalFeatures: return { QT_TRANSLATE_NOOP("OptionsWindow", "Optional Features") };
    case Option::TimeOut: return { QT_TRANSLATE_NOOP("OptionsWindow", "Time Out Timer(TOT)[Min]") };
    case Option::Vox: return { QT_TRANSLATE_NOOP("OptionsWindow", "VOX Level") };
    case Option::Squelch: return { QT_TRANSLATE_NOOP("OptionsWindow", "Squelch Level") };
    case Option::WorkMode: return { QT_TRANSLATE_NOOP("OptionsWindow", "Work Mode") };
    case Option::FrequencyWorkMode: return QT_TRANSLATE_NOOP3("OptionsWindow", "Frequncy", "work mode");
    case Option::ChannelWorkMode: return { QT_TRANSLATE_NOOP("OptionsWindow", " Channel") };
    case Option::OnlyChannelMode: return { QT_TRANSLATE_NOOP("OptionsWindow", "Only Channel Mode ") };
    case Option::Backlight: return { QT_TRANSLATE_NOOP("OptionsWindow", "Back Light") };
    case Option::ChannelDisplay: return { QT_TRANSLATE_NOOP("OptionsWindow", "Channel Disp Way") };
    case Option::Scans: return { QT_TRANSLATE_NOOP("OptionsWindow", "Scans") };
    case Option::PriorityChannel: return { QT_TRANSLATE_NOOP("OptionsWindow", "Priority Channel") };
    case Option::Save: return { QT_TRANSLATE_NOOP("OptionsWindow", "Save") };
    case Option::Beep: return { QT_TRANSLATE_NOOP("OptionsWindow", "Beep") };
    case Option::Off: return { QT_TRANSLATE_NOOP("OptionsWindow", "Off") };
    case Option::FrequencyMode: return { QT_TRANSLATE_NOOP("OptionsWindow", "Frequncy Mode") };
    case Option::RxFrequency: return { QT_TRANSLATE_NOOP("OptionsWindow", "RX Frequncy(MHZ)") };
    case Option::TxFrequency: return { QT_TRANSLATE_NOOP("OptionsWindow", "TX Frequncy(MHZ)") };
    case Option::Decode: return { QT_TRANSLATE_NOOP("OptionsWindow", "Decode") };
    case Option::Encode: return { QT_TRANSLATE_NOOP("OptionsWindow", "Encode") };
    case Option::Step: return { QT_TRANSLATE_NOOP("OptionsWindow", "Step(KHZ)") };
    case Option::Duplex: return { QT_TRANSLATE_NOOP("OptionsWindow", "Duplex") };
    case Option::Offset: return { QT_TRANSLATE_NOOP("OptionsWindow", "Offset Frequncy(MHZ) ") };
    case Option::Width: return { QT_TRANSLATE_NOOP("OptionsWindow", "Wide / Narrow") };
    case Option::Power: return { QT_TRANSLATE_NOOP("OptionsWindow", "TX Power") };
    case Option::FrequencyRange: return { QT_TRANSLATE_NOOP("OptionsWindow", "Frequncy Range") };
    }
    return {};
}

} // namespace

QString option(Option which)
{
    const SourceText source = optionSource(which);
    return QCoreApplication::translate(kOptionContext, source.text, source.comment);
}

QString optionInEnglish(Option which)
{
    return QString::fromUtf8(optionSource(which).text);
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
