// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files as the system names them. A Unix file name is a string of bytes that
// need not be UTF-8, and Qt's own decoding replaces such bytes, so a file could
// be read or written under another name; these functions keep every byte. Only
// regular files are opened: a FIFO or a device would block or be replaced.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QFile;

namespace NativeFile {

// A name as the system spells it, and back. On Unix every byte that is not
// part of valid UTF-8 is held as a lone surrogate (U+DC80 to U+DCFF), so that
// encodeName(decodeName(bytes)) == bytes for every name.
QString decodeName(const QByteArray& name);
QByteArray encodeName(const QString& name);

// The program's arguments, the program's name first, each decoded as a file
// name, so that a name given on the command line is the file opened.
QStringList arguments(int argc, char* argv[]);

// Opens an existing regular file for reading; reason says why not.
bool openForReading(const QString& path, QFile* file, QString* reason);

struct WriteResult
{
    bool ok = false;
    QString reason;   // the system's reason when ok is false
};

// Writes to a new file beside the target and puts it in the target's place
// only once everything is on disk, so a failure leaves an earlier file intact.
// The target must be a regular file or a new name; a link is followed.
WriteResult replace(const QString& path, QByteArrayView contents);

// Whether replace() could create its new file beside the target, found out
// without touching the target.
WriteResult checkReplaceable(const QString& path);

} // namespace NativeFile
