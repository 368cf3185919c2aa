// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole radio as readable text (YAML), for people to read, edit, review
// and keep in version control: each field as the windows show it, in English,
// and every byte no field holds in hex, so that an image written as text reads
// back byte for byte. Reading is all or nothing, and a field the text leaves
// out keeps the value of a base image.

#include "MemoryImage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace RadioText {

// The text of an image in the given memory format: a comment line saying what
// it is and which program version wrote it, then the memory format, the
// channels in use, the optional features, the frequency mode, the range, the
// FM presets and the other bytes, one field a line, always in that order.
QByteArray format(const MemoryImage& image, int version);

// A place in the text that cannot be taken, and what was expected there.
struct Problem
{
    int line = 0;       // the first line is 1
    int column = 0;     // the first column is 1
    QString text;       // in the current language

    bool operator==(const Problem&) const = default;
};

struct ReadResult
{
    QList<Problem> problems;   // every problem, in the order of the text
    MemoryImage image;         // the radio when there is no problem
    int version = 2;           // its memory format

    bool ok() const { return problems.isEmpty(); }
};

// Reads a text onto a base image in a base memory format: what the text gives
// replaces the base's fields; the channels it lists are the channels in use.
ReadResult parse(QByteArrayView text, const MemoryImage& base, int baseVersion);

// One line for a problem, in the current language: "line 12, column 9: ...".
QString problemLine(const Problem& problem);

} // namespace RadioText
