// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandPlan.h"

#include "ChannelRecord.h"
#include "ChannelSets.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QCoreApplication>

namespace {

struct PlanText
{
    Q_DECLARE_TR_FUNCTIONS(BandPlan)
};

} // namespace

namespace BandPlan {

namespace {

using namespace ChannelRecord;

// The set is read in the finer step and over every frequency the radio can
// store, so that the plan holds its frequencies exactly as listed.
constexpr int kPlanVersion = 2;
constexpr FreqRange kWholeField{ 0, int(kFreqFieldLimitHz / 1'000'000) - 1 };

qint64 frequencyHz(const MemoryImage& image, int version, int channel, int base)
{
    return freqFieldHz({ image.cell(channel, base + 1), image.cell(channel, base + 2), image.cell(channel, base + 3) },
                       version);
}

bool transmits(const MemoryImage& image, int channel)
{
    return isUsed(image, channel) && image.cell(channel, kTxStepCell) != MemoryImage::kEmpty;
}

} // namespace

std::optional<Plan> stockPlan(const QString& name)
{
    const ChannelSets::Loaded set = ChannelSets::load(name, kPlanVersion, kWholeField);
    if (!set.ok() || !set.result.ok())
        return std::nullopt;
    MemoryImage image;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel)
        if (const auto& block = set.result.channels[channel - 1])
            image.setBlock(channel, *block);

    Plan plan{ name, ChannelSets::title(name), {} };
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel) {
        if (!transmits(image, channel))
            continue;
        Allowance& allowed = plan.transmit[frequencyHz(image, kPlanVersion, channel, kTxBase)];
        allowed.wide = allowed.wide || image.flag(channel, kPowerWidthCell, kWideBit);
        allowed.high = allowed.high || image.flag(channel, kPowerWidthCell, kHighPowerBit);
    }
    return plan;
}

QList<Finding> check(const RadioData& data, const Plan& plan)
{
    const MemoryImage& image = data.image;
    QList<Finding> findings;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel) {
        if (!transmits(image, channel))
            continue;
        Breaches breaches;
        const auto allowed = plan.transmit.constFind(frequencyHz(image, data.version, channel, kTxBase));
        if (allowed == plan.transmit.cend()) {
            breaches |= Breach::OutsidePlan;
        } else {
            if (image.flag(channel, kPowerWidthCell, kWideBit) && !allowed->wide)
                breaches |= Breach::TooWide;
            if (image.flag(channel, kPowerWidthCell, kHighPowerBit) && !allowed->high)
                breaches |= Breach::TooPowerful;
        }
        if (breaches)
            findings.append({ channel, storedFreqText(image, data.version, channel, kTxBase), breaches });
    }
    return findings;
}

QString findingText(const Finding& finding, const Plan& plan)
{
    if (finding.breaches.testFlag(Breach::OutsidePlan))
        return PlanText::tr("Channel %1 transmits on %2 MHz, which %3 does not allow.")
            .arg(finding.channel)
            .arg(finding.txText, plan.title);
    if (finding.breaches.testFlags(Breach::TooWide | Breach::TooPowerful))
        return PlanText::tr("Channel %1 is wide and on high power on %2 MHz, where %3 allows narrow and low power "
                            "only.")
            .arg(finding.channel)
            .arg(finding.txText, plan.title);
    if (finding.breaches.testFlag(Breach::TooWide))
        return PlanText::tr("Channel %1 is wide on %2 MHz, where %3 allows narrow only.")
            .arg(finding.channel)
            .arg(finding.txText, plan.title);
    return PlanText::tr("Channel %1 is on high power on %2 MHz, where %3 allows low power only.")
        .arg(finding.channel)
        .arg(finding.txText, plan.title);
}

} // namespace BandPlan
