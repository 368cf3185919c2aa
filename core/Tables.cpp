// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tables.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

constexpr const char* kCtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3",
};

constexpr const char* kDcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

static_assert(std::size(kCtcssTones) == 49);
static_assert(std::size(kDcsCodes) == 104);

// Blanks before and after an entry's visible text, by index.
QString padded(int index, const QString& text)
{
    int before = 1;
    int after = 3;
    if (index == 0) {
        before = 3;
        after = 6;
    } else if (index <= 9) {
        before = 3;
        after = 4;
    } else if (index <= 12) {
        before = 2;
        after = 4;
    } else if (index <= 99) {
        before = 2;
    }
    return QString(before, u' ') + text + QString(after, u' ');
}

ToneTexts buildToneTables()
{
    ToneTexts table;
    int index = 0;
    table[index] = padded(index, QStringLiteral("OFF"));
    for (const char* tone : kCtcssTones) {
        ++index;
        table[index] = padded(index, QString::fromLatin1(tone));
    }
    for (const char* code : kDcsCodes) {
        ++index;
        table[index] = padded(index, QStringLiteral("D%1N").arg(QLatin1String(code)));
    }
    for (const char* code : kDcsCodes) {
        ++index;
        table[index] = padded(index, QStringLiteral("D%1I").arg(QLatin1String(code)));
    }
    return table;
}

} // namespace

const ToneTexts& toneTable()
{
    static const ToneTexts table = buildToneTables();
    return table;
}

QStringList toneListItems()
{
    QStringList items;
    for (const QString& entry : toneTable())
        items << entry.trimmed();
    return items;
}

const std::vector<Model>& modelTable()
{
    static const std::vector<Model> models = { { QStringLiteral("QV3N"), kLowestRangeMHz, int(std::lround(kHighestRangeMHz + 0.0005)) } };
    return models;
}

namespace Tones {

Tone fromStored(int code, bool inverted)
{
    if (code >= kFirstCtcssCode && code < kFirstDcsCode)
        return { Kind::Ctcss, code, false };
    if (code >= kFirstDcsCode && code < kFirstDcsCode + kDcsCount)
        return { Kind::Dcs, code, inverted };
    return {};
}

QString valueText(const Tone& tone)
{
    switch (tone.kind) {
    case Kind::Ctcss:
        return QString::fromLatin1(kCtcssTones[tone.code - kFirstCtcssCode]);
    case Kind::Dcs:
        return QString::fromLatin1(kDcsCodes[tone.code - kFirstDcsCode]);
    case Kind::None:
        break;
    }
    return {};
}

int ctcssCode(const QString& hz)
{
    // Compared in tenths of a hertz, so 88.5 and 88.50 name the same tone.
    static const QRegularExpression number(QStringLiteral("^(\\d{1,3})(?:\\.(\\d)0*)?$"));
    const QRegularExpressionMatch match = number.match(hz.trimmed());
    if (!match.hasMatch())
        return 0;
    const int tenths = match.captured(1).toInt() * 10 + match.captured(2).toInt();
    for (int i = 0; i < kCtcssCount; ++i) {
        const QString tone = QString::fromLatin1(kCtcssTones[i]);
        if (int(std::lround(tone.toDouble() * 10)) == tenths)
            return kFirstCtcssCode + i;
    }
    return 0;
}

int dcsCode(const QString& digits)
{
    static const QRegularExpression octal(QStringLiteral("^[0-7]{1,3}$"));
    const QString text = digits.trimmed();
    if (!octal.match(text).hasMatch())
        return 0;
    const QString padded = text.rightJustified(3, QLatin1Char('0'));
    for (int i = 0; i < kDcsCount; ++i)
        if (padded == QLatin1String(kDcsCodes[i]))
            return kFirstDcsCode + i;
    return 0;
}

} // namespace Tones
