// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Copies of a radio's memory taken before it is written: timestamped channel
// files in a folder, named with the radio's memory format, of which the
// newest few are kept.

#include "MemoryImage.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace Backups {

// Where the program keeps them: "backups" in the user's data folder.
QString defaultFolder();

// Saves blocks 0..253 of a radio's memory (254 and 255 hold the program's
// defaults, as after a read) as a new channel file in folder, made if need
// be, and then keeps only the newest `keep` backups there (0: all). Returns
// the file's path, or an empty text with the system's reason.
QString save(const QString& folder, const MemoryImage& radio, int version, int keep, QString* reason);

struct Backup
{
    QString path;
    QDateTime taken;
    int version = 0;          // the radio's memory format; 0 when the name does not say (older backups)
    int channelsInUse = 0;
};

// The backups in a folder, newest first; files that cannot be read whole are left out.
QList<Backup> list(const QString& folder);

// One backup, as its name and contents tell; nothing when the name is not a
// backup's or the file cannot be read whole.
std::optional<Backup> find(const QString& path);

} // namespace Backups
