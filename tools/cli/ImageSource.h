// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where an image that a verb compares comes from: a channel file, or a radio
// on a port. Verbs ask for the image and never care which it was.

#include "Arguments.h"
#include "ExitStatus.h"

#include <QString>

class MemoryImage;

struct ImageSource
{
    enum class Kind { File, Port };

    Kind kind = Kind::File;
    QString operand;          // as typed
};

// COM1..COM8 (any number, so that COM9 gets the ports message), paths under
// /dev and serial devices elsewhere (a link to one) are ports; everything
// else, a FIFO included, names a channel file.
ImageSource imageSource(const QString& operand);

// Fills image from the source: a whole file (a channel file or a radio text),
// whose memory format goes into version, or the blocks a read fetches from the
// radio, which must use the memory format version gives (the rest of image
// stays). On failure the reason is printed and the exit status returned.
ExitStatus loadImage(const ImageSource& source, const Arguments& args, MemoryImage& image, int& version);
