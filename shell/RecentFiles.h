// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel files last opened or saved, newest first, kept between runs in
// the program's settings. A program that names no organization (a test, a
// tool) keeps nothing.

#include <QStringList>

namespace RecentFiles {

constexpr int kMaxCount = 8;

QStringList list();

// Puts the file first; the oldest beyond kMaxCount is dropped.
void add(const QString& path);

void remove(const QString& path);

} // namespace RecentFiles
