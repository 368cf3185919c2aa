// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A service's band plan, taken from its stock channel set: the frequencies
// it allows to transmit on, and on each whether a wide channel and high power
// are allowed. The check lists the channels that break it.

#include <QFlags>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

struct RadioData;

namespace BandPlan {

// What a plan allows on one transmit frequency.
struct Allowance
{
    bool wide = false;    // false: narrow only
    bool high = false;    // false: low power only
};

struct Plan
{
    QString name;                        // the channel set's
    QString title;                       // as messages name the service
    QHash<qint64, Allowance> transmit;   // by transmit frequency in Hz
};

// The plan of the stock channel set of that name: a frequency some channel
// of the set transmits on is allowed, wide or high when one such channel is.
std::optional<Plan> stockPlan(const QString& name);

enum class Breach {
    OutsidePlan = 0x1,   // transmits on a frequency the plan does not list
    TooWide = 0x2,       // wide where the plan allows narrow only
    TooPowerful = 0x4,   // high power where the plan allows low power only
};
Q_DECLARE_FLAGS(Breaches, Breach)

struct Finding
{
    int channel = 0;
    QString txText;      // the transmit frequency as the table shows it
    Breaches breaches;
};

// Every channel in use that breaks the plan, in order. A receive-only
// channel never does.
QList<Finding> check(const RadioData& data, const Plan& plan);

// A finding as one line: "Channel 5 transmits on 447.00000 MHz, which PMR446 does not allow."
QString findingText(const Finding& finding, const Plan& plan);

} // namespace BandPlan

Q_DECLARE_OPERATORS_FOR_FLAGS(BandPlan::Breaches)
