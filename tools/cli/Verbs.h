#pragma once

// The verbs of qv3n-cli and their help.

#include "Arguments.h"
#include "ExitStatus.h"

class RadioDocument;

namespace Verbs {

ExitStatus run(const Arguments& args, RadioDocument& document);

// The program's help, or one verb's.
QString helpText(Verb verb);

} // namespace Verbs
