// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandPlan.h"

#include "Channel.h"
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

// The set is read in the finer step and over every frequency the radio can
// store, so that the plan holds its frequencies exactly as listed.
constexpr int kPlanVersion = 2;
constexpr FreqRange kWholeField{ 0, int(kFreqFieldLimitHz / 1'000'000) - 1 };

// The transmit frequency of a channel in use, if it has one.
std::optional<qint64> transmitHz(const Channel& record)
{
    return record.isUsed() ? record.txHz() : std::nullopt;
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
        const Channel record = Channel::read(image, channel, kPlanVersion);
        const std::optional<qint64> tx = transmitHz(record);
        if (!tx)
            continue;
        Allowance& allowed = plan.transmit[*tx];
        allowed.wide = allowed.wide || record.isWide();
        allowed.high = allowed.high || record.isHighPower();
    }
    return plan;
}

QList<Finding> check(const RadioData& data, const Plan& plan)
{
    QList<Finding> findings;
    for (int channel = MemoryMap::kFirstChannelBlock; channel <= MemoryMap::kChannelCount; ++channel) {
        const Channel record = Channel::read(data.image, channel, data.version);
        const std::optional<qint64> tx = transmitHz(record);
        if (!tx)
            continue;
        Breaches breaches;
        const auto allowed = plan.transmit.constFind(*tx);
        if (allowed == plan.transmit.cend()) {
            breaches |= Breach::OutsidePlan;
        } else {
            if (record.isWide() && !allowed->wide)
                breaches |= Breach::TooWide;
            if (record.isHighPower() && !allowed->high)
                breaches |= Breach::TooPowerful;
        }
        if (breaches)
            findings.append({ channel, freqText(*tx), breaches });
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
