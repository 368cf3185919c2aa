// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A radio's file of either kind, told apart by its name: a channel file
// (.chann) or a radio text (.yaml). Every place that opens or saves a radio
// file (the file dialogs, a drop, the recent files, the command line) goes
// through here.

#include "MemoryImage.h"
#include "NativeFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace RadioFile {

enum class Kind { ChannelFile, RadioText };

// A name ending in .yaml (any case) is a radio text; any other a channel file.
Kind kindOf(const QString& path);

// The files a drop on the window opens: .chann or .yaml, any case.
bool isRadioFileName(const QString& path);

// Why a name typed into a file dialog is refused, checked in this order.
enum class NameCheck { Ok, InvalidCharacter, WrongSuffix };

// Checks a name with its surrounding blanks already removed: none of * $ \ / #,
// and the suffix .chann or .CHANN, or .yaml or .YAML, exactly.
NameCheck checkName(const QString& name);

// A radio text with more problems lists this many, then how many more there are.
constexpr int kMaxListedProblems = 100;

struct Loaded
{
    MemoryImage image;              // as the file holds it
    std::optional<int> version;     // the memory format of a radio text; a channel file states none
    QString error;                  // why the file was refused, in the current language; empty when loaded
    QStringList problems;           // a radio text's problems, one a line ("line 3, column 9: ...")

    bool ok() const { return error.isEmpty(); }
};

// Reads a file whole or not at all. A radio text is read onto the base image
// in the base memory format; a channel file holds every byte itself.
Loaded load(const QString& path, const MemoryImage& base, int baseVersion);

// Writes the image in the file's kind, replacing the file only once all is on
// disk; a radio text states the memory format.
NativeFile::WriteResult save(const QString& path, const MemoryImage& image, int version);

} // namespace RadioFile
