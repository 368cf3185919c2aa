// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel file: the whole memory image as text, 256 lines of 16 decimal
// byte values. Reading is all or nothing: the result holds either a complete
// image or the reason the file was refused, so no caller ever applies half a file.

#include "MemoryImage.h"
#include "NativeFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ChannelFile {

constexpr int kValueCount = MemoryImage::kSize;

enum class ReadError {
    None,
    CannotOpen,     // the file cannot be opened or read; reason says why
    TooFewValues,   // the file ends after valueCount values
    NotANumber,     // value on line is not a decimal integer
    OutOfRange,     // value on line lies outside 0..255
};

struct ReadResult
{
    ReadError error = ReadError::None;
    MemoryImage::Bytes bytes{};   // the complete image when error is None
    int valueCount = 0;           // values accepted before the reading stopped
    qint64 line = 0;              // line of the refused value, the first line is 1
    QString value;                // the refused value as written, shortened when very long
    QString reason;               // the system's reason when the file cannot be opened or read

    bool ok() const { return error == ReadError::None; }
};

// Takes a file's text piece by piece, so a large file is never held whole.
// Values are separated by any run of blanks, tabs, commas or line ends;
// everything after the 4096th value is ignored, and a value longer than any
// byte needs is refused as soon as it is seen, so no stream keeps it busy.
class Parser
{
public:
    void feed(QByteArrayView text);
    bool done() const { return m_done; }   // more text would change nothing
    ReadResult finish();

private:
    void take(char ch);
    void replayMarkBytes();
    void endValue();
    void fail(ReadError error);

    ReadResult m_result;
    bool m_done = false;
    bool m_markChecked = false;   // the start was checked for a byte-order mark
    int m_markBytes = 0;          // bytes of the mark seen so far
    bool m_afterCr = false;
    qint64 m_line = 1;

    // The value being read.
    QByteArray m_text;          // its first characters, for the message
    qsizetype m_length = 0;
    qsizetype m_digits = 0;
    bool m_negative = false;
    bool m_numeric = true;
    int m_number = 0;           // saturates above the largest byte
};

ReadResult parse(QByteArrayView text);
// Reads a regular file; anything else (a folder, a FIFO, a device) cannot be opened.
ReadResult read(const QString& path);

// Why a file was refused, in the current language; shownName names the file.
QString readErrorMessage(const ReadResult& result, const QString& shownName);

// The file's text: each value as a blank, its digits and a blank; lines end with CR LF.
QByteArray format(const MemoryImage::Bytes& bytes);

using WriteResult = NativeFile::WriteResult;

// Writes to a new file beside the target and renames it over the target only
// when everything is on disk, so a failure leaves an earlier file intact. The
// target must be a regular file or a new name.
WriteResult write(const QString& path, const MemoryImage::Bytes& bytes);

} // namespace ChannelFile
