// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's ports COM1..COM8 and the order in which serial devices take
// them (PortDirectory says which device each one stands for).

#include <QString>
#include <QStringList>

namespace PortNames {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 8;

// Whether a device name (without its folder) belongs to a USB serial adapter.
bool isUsbAdapter(const QString& name);

// Orders device paths by their names: USB adapters first, then the rest, each group by name
// (numbers within a name compare by value, so ttyS2 comes before ttyS10).
QStringList ordered(QStringList names);

} // namespace PortNames
