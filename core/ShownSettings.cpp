// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownSettings.h"

#include "Checks.h"
#include "FrequencyMode.h"
#include "OptionLists.h"
#include "Settings.h"

namespace ShownSettings {

bool writeBack(RadioData& data, const QString& rxText, const QString& offsetText)
{
    using namespace Settings;
    MemoryImage& image = data.image;
    for (const OptionLists::ListOption& option : OptionLists::listOptions()) {
        const int last = int(option.items(OptionLists::Wording::InForce).size()) - 1;
        setValue(image, option.field, qMin(value(image, option.field), last));
    }
    checkPriorityChannel(image);
    if (isSet(image, kOnlyChannelMode))
        setOn(image, kChannelMode, true);
    for (const auto& [tone, inverted] : { std::pair{ kVfoDecodeTone, kVfoDecodeInverted },
                                          std::pair{ kVfoEncodeTone, kVfoEncodeInverted } }) {
        const ChannelRecord::StoredTone shown = ChannelRecord::toneFromListPosition(
            ChannelRecord::toneListPosition(value(image, tone), isSet(image, inverted)));
        setValue(image, tone, shown.code);
        setOn(image, inverted, shown.inverted);
    }
    takeRangeFromImage(data);
    return FrequencyMode::storeDuplex(data, rxText, offsetText, value(image, kVfoDuplex),
                                      FrequencyMode::UpperLimit::Included);
}

} // namespace ShownSettings
