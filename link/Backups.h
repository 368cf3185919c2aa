// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Copies of a radio's memory taken before it is written: timestamped channel
// files in a folder, of which the newest few are kept.

#include "MemoryImage.h"

#include <QString>

namespace Backups {

// Where the program keeps them: "backups" in the user's data folder.
QString defaultFolder();

// Saves blocks 0..253 of a radio's memory (254 and 255 hold the program's
// defaults, as after a read) as a new channel file in folder, made if need
// be, and then keeps only the newest `keep` backups there (0: all). Returns
// the file's path, or an empty text with the system's reason.
QString save(const QString& folder, const MemoryImage& radio, int keep, QString* reason);

} // namespace Backups
