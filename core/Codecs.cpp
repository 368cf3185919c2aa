// SPDX-License-Identifier: GPL-3.0-or-later
#include "Codecs.h"

#include "MemoryImage.h"
#include "MemoryMap.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

double leadingNumber(const QString& text)
{
    QString number;
    int i = 0;
    const int n = int(text.size());
    auto skipBlanks = [&] { while (i < n && text[i].isSpace()) ++i; };

    skipBlanks();
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isSpace())
            continue;
        if (c >= u'0' && c <= u'9') {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent += text[j++];
        const int firstDigit = j;
        while (j < n && text[j] >= u'0' && text[j] <= u'9')
            exponent += text[j++];
        if (j > firstDigit)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

namespace {

constexpr int kMHzDecimals = 6;           // whole hertz

// The highest frequency a typed text stores: every digit must fit a nibble.
constexpr double kHighestTypedMHz = 999.99999;

} // namespace

double stepMHz(int version)
{
    return double(stepHz(version)) / kHzPerMHz;
}

FreqCells freqCellsForHz(qint64 hz, int version)
{
    const qint64 mhz = hz / kHzPerMHz;
    const qint64 tenths = hz % kHzPerMHz / kHzPerTenth;
    const qint64 steps = hz % kHzPerTenth / stepHz(version);
    return { quint8(steps), quint8(16 * (mhz % 10) + tenths), quint8(16 * (mhz / 100) + mhz / 10 % 10) };
}

QString mhzText(qint64 hz)
{
    return QStringLiteral("%1.%2").arg(hz / kHzPerMHz).arg(hz % kHzPerMHz, kMHzDecimals, 10, QLatin1Char('0'));
}

QString freqText(qint64 hz)
{
    // The shortest decimal form first (446.1, 66.5, 5), then padded with zeros.
    QString s = mhzText(hz);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s.size() < 9) {
        const qint64 mhz = hz / kHzPerMHz;
        const bool above99 = hz > 99 * kHzPerMHz;
        if (s.size() == 1 || s.size() == 2 || (s.size() == 3 && above99))
            s += u'.';
        const int width = mhz < 100 ? 8 : 9;
        while (s.size() < width)
            s += u'0';
    }
    return s;
}

QString freqBytesToText(int c1, int c2, int c3, int version)
{
    return freqText(freqFieldHz({ quint8(c1), quint8(c2), quint8(c3) }, version));
}

QString storedFreqText(const MemoryImage& image, int version, int block, int base)
{
    return freqText(freqFieldHz(storedFreqCells(image, block, base), version));
}

std::optional<qint64> parseMHz(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    const QString whole = match.captured(1);
    const QString fraction = match.captured(2);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    // Anything from 1000 MHz on lies outside every range; it is kept large, not overflowed.
    constexpr int kMaxWholeDigits = 6;
    const QString digits = whole.size() > kMaxWholeDigits ? QStringLiteral("999999") : whole;
    return digits.toLongLong() * kHzPerMHz + fraction.left(kMHzDecimals).leftJustified(kMHzDecimals, u'0').toLongLong();
}

qint64 typedFreqHz(const QString& text)
{
    const double mhz = std::clamp(leadingNumber(text), 0.0, kHighestTypedMHz);
    const double whole = std::floor(mhz);
    // A tenth of a hertz keeps 446.1 from falling just below its decimal.
    constexpr double kRoundingGuardHz = 0.1;
    return qint64(whole) * kHzPerMHz + qint64(std::floor((mhz - whole) * kHzPerMHz + kRoundingGuardHz));
}

FreqCode freqTextToBytes(const QString& text, int version)
{
    const FreqCells cells = freqCellsForHz(typedFreqHz(text), version);
    return { cells.hundredsTens, cells.unitsTenths, cells.steps };
}

void storeFreq(MemoryImage& image, int version, const QString& text, int block, int base)
{
    storeFreqCells(image, block, base, freqCellsForHz(typedFreqHz(text), version));
}

int charToCode(const QString& ch)
{
    const QChar c = ch.isEmpty() ? QChar(u' ') : ch.front();
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c == u'-')
        return 10;
    if (c >= u'A' && c <= u'Z')
        return 12 + c.unicode() - u'A';
    if (c >= u'a' && c <= u'z')
        return 12 + c.unicode() - u'a';
    return 11;
}

QString codeToChar(int code)
{
    if (code >= 0 && code <= 9)
        return QString(QChar(u'0' + code));
    if (code == 10)
        return QStringLiteral("-");
    if (code == 11)
        return QStringLiteral(" ");
    if (code >= 12 && code <= 37)
        return QString(QChar(u'A' + code - 12));
    return {};
}

QString fmCodeToText(int code)
{
    const double f = 87.0 + 0.1 * code;
    QString s = numberText(f);
    if (s.size() < 9) {
        if (s.size() == 2 || s.size() == 3)
            s += u'.';
        const int width = f < 100 ? 4 : 5;
        while (s.size() < width)
            s += u'0';
    }
    return s;
}

int rangeLowMHz(const MemoryImage& image)
{
    return wholeMHz(image.cell(MemoryMap::kRangeBlock, 0), image.cell(MemoryMap::kRangeBlock, 1));
}

int rangeHighMHz(const MemoryImage& image)
{
    return wholeMHz(image.cell(MemoryMap::kRangeBlock, 2), image.cell(MemoryMap::kRangeBlock, 3));
}

bool FreqRange::contains(qint64 hz) const
{
    const qint64 mhz = hz / kHzPerMHz;
    return hz >= 0 && mhz >= lowMHz && mhz <= highMHz;
}
