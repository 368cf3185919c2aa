// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Comma-separated values as spreadsheets write them (RFC 4180): fields may be
// quoted with ", a quote inside a quoted field is doubled, and a quoted field
// may hold commas and line breaks. Lines end with CR LF, LF or CR. The text a
// spreadsheet puts on the clipboard is the same with tabs between the fields.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace Csv {

constexpr QChar kComma = u',';
constexpr QChar kTab = u'\t';

struct Row
{
    int line = 0;          // the line the row starts on, the first line is 1
    QStringList fields;    // one field at least
};

// Reads a text row by row, so that a large text never needs a table of it.
// Blanks around an unquoted field are not part of it; a quoted field keeps
// everything between its quotes. A quoted field must end with a quote that is
// followed by the separator or a line end; a quote inside an unquoted field is
// taken as it stands.
class Reader
{
public:
    enum class Quotes {
        Fields,    // a field that starts with a quote is a quoted field
        Literal,   // quotes are text like any other
    };

    explicit Reader(QStringView text, QChar separator = kComma, Quotes quotes = Quotes::Fields);

    // The next row; false at the end of the text, or at a quoted field that
    // does not end properly (errorLine() then names the line).
    bool next(Row* row);
    int errorLine() const { return m_errorLine; }

private:
    QStringView m_text;
    QChar m_separator;
    Quotes m_quotes;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_errorLine = 0;   // 0 while the text reads well
};

// One row as a line of the file, fields quoted where they need it (the
// separator, a quote or a line break inside, a blank at either end), ended by CR LF.
QString line(const QStringList& fields, QChar separator = kComma);

} // namespace Csv
