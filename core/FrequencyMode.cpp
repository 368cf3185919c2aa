// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyMode.h"

#include "Codecs.h"
#include "RadioData.h"
#include "Settings.h"

namespace FrequencyMode {

double duplexTx(double rx, double offset, int direction)
{
    switch (direction) {
    case Settings::DuplexMinus:
        return rx - offset;
    case Settings::DuplexPlus:
        return rx + offset;
    default:
        return rx;
    }
}

bool storeDuplex(RadioData& data, const QString& rxText, const QString& offsetText, int direction, UpperLimit upper)
{
    using namespace Settings;
    const double rx = leadingNumber(rxText);
    const double tx = duplexTx(rx, leadingNumber(offsetText), direction);
    const bool inRange = tx >= data.rangeLow
                         && (upper == UpperLimit::Included ? tx <= data.rangeHigh : tx < data.rangeHigh);
    setValue(data.image, kVfoDuplex, inRange ? direction : int(DuplexOff));
    // An emptied receive box (a stored value it could not show) has no
    // frequency to copy: the transmit cells keep theirs rather than become 0 MHz.
    const QString txText = inRange ? numberText(tx) : rxText;
    if (!txText.trimmed().isEmpty())
        storeFreqText(data, kVfoTxFreq, txText);
    return inRange;
}

} // namespace FrequencyMode
