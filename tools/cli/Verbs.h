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
// Reads a channel file or a radio text (by its suffix) into an image, all or
// nothing, with the messages of the open dialog; the image is left as it was
// when the file cannot be read whole. A radio text is read onto --base (or the
// program's default image) and gives its memory format; a channel file's is
// --radio-version's. version may be null.
bool readRadioFile(const QString& path, const Arguments& args, MemoryImage& image, int* version);
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

// Between a channel file and a radio text (ConvertVerb.cpp).
ExitStatus runConvert(const Arguments& args);
QString convertHelpText();

// Sorting the channels of a file and checking them against a band plan (PlanningVerbs.cpp).
ExitStatus runSort(const Arguments& args);
ExitStatus runCheckPlan(const Arguments& args);
QString planningHelpText(Verb verb);

} // namespace Verbs
