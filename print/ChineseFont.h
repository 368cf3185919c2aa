// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether Chinese can be drawn at all: without a font that covers it, every
// caption, message and printed page in Chinese is a row of boxes.

#include <QString>

namespace ChineseFont {

// Needs a QGuiApplication.
bool installed();

// The Debian package that brings one.
inline QString package()
{
    return QStringLiteral("fonts-noto-cjk");
}

} // namespace ChineseFont
