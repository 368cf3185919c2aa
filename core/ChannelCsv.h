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

// Where the rows of a file go.
struct Placement
{
    enum class Mode {
        ReplaceAll,    // each row to the channel its location gives; a channel no row gives becomes unused
        FillEmpty,     // the rows in file order into the channels not in use, from channel 1 on
        FromChannel,   // the rows in file order from a channel down, over what those channels hold
    };

    Mode mode = Mode::ReplaceAll;
    QList<int> targets;   // FillEmpty and FromChannel: the channels the rows go to, in order

    static Placement replaceAll() { return {}; }
    static Placement fillEmpty(const MemoryImage& base);
    static Placement fromChannel(int first);
};

// Why the locations of a file do not give the channels of a replacing import
// (files that other programs write number their rows from 0, run on past 128,
// or repeat a location); the rows then go in file order from channel 1.
struct LocationMisfit
{
    enum class Kind { None, Zero, PastLast, Repeated };

    Kind kind = Kind::None;
    int location = 0;
    int line = 0;         // the row that gives it
    int firstLine = 0;    // Repeated: the row that gave it first
};

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
    Placement placement;       // what the rows were placed by
    LocationMisfit misfit;     // a replacing import whose rows went in file order: why

    bool ok() const { return error == ReadError::None; }
    int importedCount() const { return rowCount - refusedCount; }
    bool inFileOrder() const { return placement.mode != Placement::Mode::ReplaceAll || misfit.kind != LocationMisfit::Kind::None; }
};

// Files larger than this are refused unread: a list of 128 channels is far smaller.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// A file with more problems than this is listed up to here, then counted.
constexpr int kListedProblems = 100;

// Reads CSV text (UTF-8, a byte-order mark allowed, lines ended by CR LF, LF
// or CR). Columns are found by their header names (any case, any order; the
// RX DCS code also as DtcsRxCode); unknown columns are ignored and missing
// ones other than Location and Frequency take their defaults, so the older
// layout without RxDtcsCode, CrossMode and Power reads as well. Blanks around
// a value do not count. A frequency must lie in the range and is stored in the
// version's step. A power in watts ("5.0W", "0.5 W") is Low up to 1 W and High
// above, and that is reported. A name in quotes is taken as it stands, blanks
// included. A row whose location is empty or no whole number is refused. The
// rows are placed as the placement says; placed by location, a refused row has
// no effect on the other rows, and in file order each row, refused or not,
// takes the next channel.
ImportResult parse(QByteArrayView text, int version, const FreqRange& range,
                   const Placement& placement = Placement::replaceAll());
ImportResult read(const QString& path, int version, const FreqRange& range,
                  const Placement& placement = Placement::replaceAll());

// Why a result is not ok, naming the file as shown.
QString errorText(const ImportResult& result, const QString& shownPath);

// A problem as one line: "Line 4 (channel 3): ...".
QString problemLine(const Problem& problem);

// The line that follows the listed problems when some are not listed; empty when all are.
QString unlistedProblemsLine(const ImportResult& result);

// Why the rows of a replacing import went in file order, as a sentence for
// the preview; empty when they went by their locations.
QString placementNote(const ImportResult& result);

// The base image with the channels the rows were placed in given by the rows
// that were not refused. Replacing all, every other channel becomes unused;
// otherwise every other channel stays as it was, a refused row's channel
// included. Every block outside the channels is the base's. A row that says
// exactly what the base's channel holds keeps that channel's bytes, so that
// forms a row cannot tell apart (no tone stored as 0 or 255, bits no column
// carries) survive an export, an edit elsewhere and an import.
MemoryImage withChannels(const MemoryImage& base, const ImportResult& result);

// The channels 1..128 that withChannels changes in the base, in order: what
// the preview says will change.
QList<int> changedChannels(const MemoryImage& base, const ImportResult& result);

} // namespace ChannelCsv
