// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stock channel sets of the licence-free services, shipped as CSV files
// in the import layout (built into the program from channel-sets/ and
// installed beside it): PMR446, China's public band, FRS and GMRS.

#include "ChannelCsv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ChannelSets {

// The sets by the names of their files without ".csv", in the order menus list them.
QStringList names();

// A set's service as menus and messages name it, in the current language; empty for no set.
QString title(const QString& name);

// The set's file; empty for no set.
QByteArray csvText(const QString& name);

struct Loaded
{
    ChannelCsv::ImportResult result;
    QString refusal;     // why the set cannot be imported; empty when it can

    bool ok() const { return refusal.isEmpty(); }
};

// The set as an import into a radio of the memory format and range, placed
// as given. Refused, with the reason, when the radio cannot hold a channel of
// the set exactly (a frequency between two of its steps, or outside its
// range): a set moved to other frequencies would no longer be the service's.
Loaded load(const QString& name, int version, const FreqRange& range,
            const ChannelCsv::Placement& placement = ChannelCsv::Placement::replaceAll());

} // namespace ChannelSets
