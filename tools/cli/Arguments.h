// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of qv3n-cli: a verb, its operands and options.

#include <QString>
#include <QStringList>

enum class Verb { None, Read, Write, Show, Check, Export, Import, Diff, Print, Sort, Convert, Ports, Fleet, Help };

struct Arguments
{
    Verb verb = Verb::None;
    QStringList operands;     // after the verb
    QString output;           // -o, --output
    QString base;             // --base: the file an import or a radio text starts from
    bool skipBad = false;     // --skip-bad: an import leaves refused rows out
    int radioVersion = 0;     // --radio-version; 0 when not given
    QString language;         // --lang: "en" or "zh"; empty when not given
    QString paper;            // --paper: "a4" or "letter"; empty when not given
    bool help = false;        // -h, --help
    bool version = false;     // --version
    bool quiet = false;       // -q, --quiet
    bool verify = false;      // --verify: read the radio back after a write
    QString backupDir;        // --backup: back the radio up into this folder before a write
    QString traceFile;        // --trace: write the link trace to this file
    QString sortKey;          // --by: what sort sorts by
    bool descending = false;  // --descending: sort from the highest
    QString plan;             // --plan: the band plan check checks against
    QString into;             // --into: where import puts the rows; empty replaces all
    QString reportFile;       // --report: the fleet report to append to
    QStringList assets;       // --asset PORT=TAG, as given, for fleet
    QString error;            // a usage error, in the current language; empty when none
};

// Parses the arguments after the program's name.
Arguments parseArguments(const QStringList& args);

// The value of --lang among the arguments, before anything else is parsed, so
// that every message (usage errors included) comes in that language.
QString languageArgument(const QStringList& args);

QString verbName(Verb verb);

// The port given on the command line: COM1..COM8 as the program's port setup
// names them (QV3N_COMn included), or a device path.
struct PortChoice
{
    int comNumber = 0;        // 1..8, or 0 for a device path
    QString device;           // the device path given; empty for COMn
    QString given;            // as typed
};

// Parses PORT; on a usage error returns false and sets error.
bool parsePort(const QString& text, PortChoice* port, QString* error);

// How a message names the port: "COM1 (/dev/ttyUSB0)" or the device path.
QString describePort(const PortChoice& port);
