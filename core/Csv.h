// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Comma-separated values as spreadsheets write them (RFC 4180): fields may be
// quoted with ", a quote inside a quoted field is doubled, and a quoted field
// may hold commas and line breaks. Lines end with CR LF, LF or CR.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Csv {

struct Row
{
    int line = 0;          // the line the row starts on, the first line is 1
    QStringList fields;
};

struct Table
{
    QList<Row> rows;
    int errorLine = 0;     // a quoted field that does not end properly; 0 when none

    bool ok() const { return errorLine == 0; }
};

// Splits a text into rows of fields. A quoted field must end with a quote that
// is followed by a comma or a line end; a quote inside an unquoted field is
// taken as it stands.
Table parse(QStringView text);

// One row as a line of the file, fields quoted where they need it, ended by CR LF.
QString line(const QStringList& fields);

} // namespace Csv
