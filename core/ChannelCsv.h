// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channels of an image as a spreadsheet CSV in the column layout that
// common open-source radio programming tools read and write, and back. The
// functions take the image, the memory-format version (the frequency step) and
// the frequency range they work with, and touch no program-wide state.

#include "Codecs.h"
#include "MemoryImage.h"
#include "MemoryMap.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace ChannelCsv {

// The header row of an export, in its order.
QStringList columns();

// One row per channel in use, after the header row; UTF-8, lines ended by CR LF.
QByteArray exportChannels(const MemoryImage& image, int version);

// Something in a row the radio cannot hold as written.
struct Problem
{
    enum class Kind {
        Refused,    // the row is not imported
        Adjusted,   // the row is imported, changed as the text says
    };

    Kind kind = Kind::Refused;
    int line = 0;        // where the row starts in the file, the first line is 1
    int location = 0;    // the channel the row gives, 0 when it gives none
    QString text;        // in the current language
};

// Why a file cannot be imported at all.
enum class ReadError {
    None,
    CannotOpen,      // detail holds the system's reason
    TooLarge,
    NotUtf8,         // errorLine holds the first line that is not UTF-8
    Malformed,       // errorLine holds the line of a quoted field that does not end properly
    NoHeader,
    MissingColumn,   // detail holds the column's name
};

using Block = std::array<quint8, MemoryImage::kCellsPerBlock>;

struct ImportResult
{
    ReadError error = ReadError::None;
    QString detail;
    int errorLine = 0;

    // The channel records of the rows that were not refused, by channel - 1.
    std::array<std::optional<Block>, MemoryMap::kChannelCount> channels;
    QList<Problem> problems;        // the first kListedProblems, in the order of the rows
    int unlistedProblemCount = 0;   // the problems after those
    int rowCount = 0;          // rows that hold anything, header aside
    int refusedCount = 0;
    int version = 2;           // the memory format the records are built in

    bool ok() const { return error == ReadError::None; }
    int importedCount() const { return rowCount - refusedCount; }
};

// Files larger than this are refused unread: a list of 128 channels is far smaller.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// A file with more problems than this is listed up to here, then counted.
constexpr int kListedProblems = 100;

// Reads CSV text. Columns are found by their header names (any case, any order);
// unknown columns are ignored and missing ones other than Location and Frequency
// take their defaults. A frequency must lie in the range and is stored in the
// version's step. A name in quotes is taken as it stands, blanks included.
// A refused row has no effect on the other rows.
ImportResult parse(QByteArrayView text, int version, const FreqRange& range);
ImportResult read(const QString& path, int version, const FreqRange& range);

// Why a result is not ok, naming the file as shown.
QString errorText(const ImportResult& result, const QString& shownPath);

// A problem as one line: "Line 4 (channel 3): ...".
QString problemLine(const Problem& problem);

// The line that follows the listed problems when some are not listed; empty when all are.
QString unlistedProblemsLine(const ImportResult& result);

// The base image with its channels replaced by the rows that were not refused;
// every other channel is unused. Every block outside the channels is the base's.
// A row that says exactly what the base's channel holds keeps that channel's
// bytes, so that forms a row cannot tell apart (no tone stored as 0 or 255,
// bits no column carries) survive an export, an edit elsewhere and an import.
MemoryImage withChannels(const MemoryImage& base, const ImportResult& result);

} // namespace ChannelCsv
