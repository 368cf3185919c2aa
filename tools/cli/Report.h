// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What qv3n-cli prints about a channel file's data: the contents as the windows show them,
// and what the checks before a write would change or refuse.

#include <QString>
#include <QStringList>

struct RadioData;

namespace Report {

// The used channels as the channel table shows them, the frequency mode, the
// range, the radio-wide settings and the FM presets, as aligned plain text.
QString contents(const RadioData& data);

struct CheckResult
{
    QStringList lines;
    bool refused = false;
};

// Runs the checks that a write runs first on a copy of the data: what the
// adjusting checks would change, and every frequency a write would refuse.
CheckResult check(const RadioData& data);

// The frequencies behind a refusal, with the range.
QString vfoRangeDetail(const RadioData& data);
QString channelRangeDetail(const RadioData& data, int channel);

// The width a text takes in a terminal: two columns for each wide (CJK) character.
int displayWidth(const QString& text);

} // namespace Report
