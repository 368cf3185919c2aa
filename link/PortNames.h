// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which device each of the program's ports COM1..COM8 stands for. On Windows
// COMn is the system's port COMn. Elsewhere COMn is the device named by the
// environment variable QV3N_COMn when that is set (a pseudo-terminal, an
// adapter the system does not list), otherwise the n-th serial device present:
// USB adapters first, then the others, each group in name order.

#include <QString>
#include <QStringList>

namespace PortNames {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 8;

// The device to open for COMn, or an empty text when none is present.
QString deviceFor(int comNumber);

// The serial devices present (their paths), in the order in which they are numbered.
QStringList presentDevices();

// The cable behind a device, as the system knows it: its adapter chip and
// serial number ("USB-Serial Controller, serial A1B2"); empty when unknown.
QString cableOf(const QString& device);

// Whether a device name (without its folder) belongs to a USB serial adapter.
bool isUsbAdapter(const QString& name);

// Orders device paths by their names: USB adapters first, then the rest, each group by name
// (numbers within a name compare by value, so ttyS2 comes before ttyS10).
QStringList ordered(QStringList names);

} // namespace PortNames
