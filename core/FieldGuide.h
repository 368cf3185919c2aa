// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each setting of the optional-features window does on the radio, in
// plain words and the language in force: the window's help, and each
// control's "What's this".

#include "Captions.h"

#include <QString>

namespace FieldGuide {

// Empty for a caption that is no setting of its own (the window, Off).
QString describe(Captions::Option setting);

// Every setting with its description, for the window's Help.
QString all();

} // namespace FieldGuide
