// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChineseFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ChineseFont {

bool installed()
{
    return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty();
}

} // namespace ChineseFont
