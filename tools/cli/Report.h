#pragma once

// What qv3n-cli prints about RadioImage: the contents as the windows show them,
// and what the checks before a write would change or refuse.

#include <QString>
#include <QStringList>

namespace Report {

// The used channels as the channel table shows them, the frequency mode, the
// range, the radio-wide settings and the FM presets, as aligned plain text.
QString contents();

struct CheckResult
{
    QStringList lines;
    bool refused = false;
};

// Runs the checks that a write runs first on a copy of RadioImage: what the
// adjusting checks would change, and every frequency a write would refuse.
// RadioImage is left as it was.
CheckResult check();

// The frequencies behind a refusal, with the range.
QString vfoRangeDetail();
QString channelRangeDetail(int channel);

// The width a text takes in a terminal: two columns for each wide (CJK) character.
int displayWidth(const QString& text);

} // namespace Report
