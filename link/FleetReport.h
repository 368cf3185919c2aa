// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The record of a fleet station: one CSV row for every radio programmed or
// tried, appended to a report file that keeps the history of every batch.
// The fleet window and qv3n-cli fleet write the same rows.

#include "MemoryImage.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace FleetReport {

// The first line of every report.
QStringList header();

struct Row
{
    QDateTime started;        // when the radio's run began
    QString operatorName;     // the login name
    QString asset;            // the radio's asset tag, as typed or scanned
    QString port;             // COM3, or the device path given
    QString device;
    QString cable;            // the cable's chip and serial, where known
    int version = 0;          // the radio's memory format; 0 when it never identified itself
    QString file;             // the channel file's name
    QString imageSha256;      // of the image written, blocks 0..254
    QString backup;           // the backup file; empty without one
    QString verify;           // "verified", "differs: ...", or "not verified"
    double seconds = 0;
    bool ok = false;
    QString reason;           // why it failed; empty when ok

    QStringList fields() const;
};

// Appends the rows to the report, writing the header first into a new or
// empty file (and making its folder). On failure returns false with the
// system's reason; the rows already in the file stay.
bool append(const QString& path, const QList<Row>& rows, QString* reason);

// A report as it stands on disk: its header and its rows, field by field.
struct Table
{
    QStringList header;
    QList<QStringList> rows;
};

// Reads a report; on failure returns false with the reason.
bool read(const QString& path, Table* table, QString* reason);

// "fleet-report.csv" in the program's data folder, beside its backups; the
// command line uses the same file, so the history is one.
QString defaultPath();

// The SHA-256 of blocks 0..254 of an image, the blocks a write sends, in hex.
QString imageSha256(const MemoryImage& image);

// The login name of whoever runs the program.
QString operatorName();

} // namespace FleetReport
