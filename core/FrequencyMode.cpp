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
    storeFreqText(data, kVfoTxFreq, inRange ? numberText(tx) : rxText);
    return inRange;
}

} // namespace FrequencyMode
