// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The verbs of qv3n-cli and their help.

#include "Arguments.h"
#include "ExitStatus.h"

class MemoryImage;
class RadioDocument;

namespace Verbs {

ExitStatus run(const Arguments& args, RadioDocument& document);

// The program's help, or one verb's.
QString helpText(Verb verb);

// What the verbs share.
QString shownPath(const QString& path);
ExitStatus usageError(const QString& text, Verb verb);
// The operands a verb takes, by name; a missing or extra one is a usage error.
bool checkOperands(const Arguments& args, const QStringList& names, ExitStatus* status);
// Reads a channel file into an image, all or nothing, with the messages of the
// open dialog; the image is left as it was when the file cannot be read whole.
bool readChannelFile(const QString& path, MemoryImage& image);
QString saveFailedText(const QString& path, const QString& reason);
// The memory format a file is taken to be in: --radio-version, or 2 as in the program.
int fileVersion(const Arguments& args);

// The backup folder exists (or is made) and takes a file; says why not.
bool backupWritable(const QString& folder);

// Many radios at once (FleetVerb.cpp).
ExitStatus runFleet(const Arguments& args);
QString fleetHelpText();

// The spreadsheet exchange and the comparison (ExchangeVerbs.cpp).
ExitStatus runExport(const Arguments& args);
ExitStatus runImport(const Arguments& args);
ExitStatus runDiff(const Arguments& args);
QString exchangeHelpText(Verb verb);

// Sorting the channels of a file and checking them against a band plan (PlanningVerbs.cpp).
ExitStatus runSort(const Arguments& args);
ExitStatus runCheckPlan(const Arguments& args);
QString planningHelpText(Verb verb);

} // namespace Verbs
