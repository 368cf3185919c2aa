// SPDX-License-Identifier: GPL-3.0-or-later
#include "FmPresets.h"

#include "Codecs.h"
#include "MemoryImage.h"

#include <cmath>

namespace FmPresets {

bool isInRange(double mhz)
{
    return mhz >= FmLow && mhz <= FmHigh;
}

QString presetText(int code)
{
    return code <= kLastCode ? fmCodeToText(code) : QString();
}

int codeForText(const QString& text)
{
    const QString trimmed = text.trimmed();
    const double mhz = leadingNumber(trimmed);
    if (trimmed.isEmpty() || !isInRange(mhz))
        return MemoryImage::kEmpty;
    // The small addend keeps a value typed with one decimal on its own step.
    return int(std::floor((mhz - FmLow + 0.0000001) * 10));
}

} // namespace FmPresets
