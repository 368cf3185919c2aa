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

const char* const kChannelGridContext = "frm_chann";
const char* const kChannelGridFormat = QT_TRANSLATE_NOOP(
    "frm_chann", "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  ");

// Enough of a value to recognise it.
constexpr int kShownValueLength = 24;

const char* const kOptionContext = "frm_option";

struct SourceText
{
    const char* text = "";
    const char* comment = nullptr;
};

// The English text of a caption, as the translations know it.
SourceText optionSource(Option which)
{
    switch (which) {
    case Option::OptionalFeatures: return { QT_TRANSLATE_NOOP("frm_option", "Optional Features") };
    case Option::TimeOut: return { QT_TRANSLATE_NOOP("frm_option", "Time Out Timer(TOT)[Min]") };
    case Option::Vox: return { QT_TRANSLATE_NOOP("frm_option", "VOX Level") };
    case Option::Squelch: return { QT_TRANSLATE_NOOP("frm_option", "Squelch Level") };
    case Option::WorkMode: return { QT_TRANSLATE_NOOP("frm_option", "Work Mode") };
    case Option::FrequencyWorkMode: return QT_TRANSLATE_NOOP3("frm_option", "Frequncy", "work mode");
    case Option::ChannelWorkMode: return { QT_TRANSLATE_NOOP("frm_option", " Channel") };
    case Option::OnlyChannelMode: return { QT_TRANSLATE_NOOP("frm_option", "Only Channel Mode ") };
    case Option::Backlight: return { QT_TRANSLATE_NOOP("frm_option", "Back Light") };
    case Option::ChannelDisplay: return { QT_TRANSLATE_NOOP("frm_option", "Channel Disp Way") };
    case Option::Scans: return { QT_TRANSLATE_NOOP("frm_option", "Scans") };
    case Option::PriorityChannel: return { QT_TRANSLATE_NOOP("frm_option", "Priority Channel") };
    case Option::Save: return { QT_TRANSLATE_NOOP("frm_option", "Save") };
    case Option::Beep: return { QT_TRANSLATE_NOOP("frm_option", "Beep") };
    case Option::Off: return { QT_TRANSLATE_NOOP("frm_option", "Off") };
    case Option::FrequencyMode: return { QT_TRANSLATE_NOOP("frm_option", "Frequncy Mode") };
    case Option::RxFrequency: return { QT_TRANSLATE_NOOP("frm_option", "RX Frequncy(MHZ)") };
    case Option::TxFrequency: return { QT_TRANSLATE_NOOP("frm_option", "TX Frequncy(MHZ)") };
    case Option::Decode: return { QT_TRANSLATE_NOOP("frm_option", "Decode") };
    case Option::Encode: return { QT_TRANSLATE_NOOP("frm_option", "Encode") };
    case Option::Step: return { QT_TRANSLATE_NOOP("frm_option", "Step(KHZ)") };
    case Option::Duplex: return { QT_TRANSLATE_NOOP("frm_option", "Duplex") };
    case Option::Offset: return { QT_TRANSLATE_NOOP("frm_option", "Offset Frequncy(MHZ) ") };
    case Option::Width: return { QT_TRANSLATE_NOOP("frm_option", "Wide / Narrow") };
    case Option::Power: return { QT_TRANSLATE_NOOP("frm_option", "TX Power") };
    case Option::FrequencyRange: return { QT_TRANSLATE_NOOP("frm_option", "Frequncy Range") };
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
