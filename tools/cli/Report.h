// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What qv3n-cli prints about a channel file's data: the contents as the windows show them,
// and what the checks before a write would change or refuse.

#include "WriteCheck.h"

#include <QString>
#include <QStringList>

namespace Report {

// The used channels as the channel table shows them, the frequency mode, the
// range, the radio-wide settings and the FM presets, as aligned plain text.
QString contents(const RadioData& data);

struct CheckResult
{
    QStringList lines;
    bool refused = false;
};

// The check a write runs first, as lines: what it would adjust, and every
// frequency it would refuse.
CheckResult check(const RadioData& data);

// The frequencies behind a refusal, with the range.
QString refusalDetail(const RadioData& data, const WriteCheck::Refusal& refusal);

// The width a text takes in a terminal: two columns for each wide (CJK) character.
int displayWidth(const QString& text);

} // namespace Report
