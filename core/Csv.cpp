// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

namespace Csv {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

QString quoted(const QString& field)
{
    const bool needsQuotes = field.contains(kComma) || field.contains(kQuote) || field.contains(kCr)
                             || field.contains(kLf);
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + text + kQuote;
}

} // namespace

Table parse(QStringView text)
{
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    Table table;
    State state = State::FieldStart;
    int line = 1;
    Row row;
    row.line = line;
    QString field;
    int fieldLine = line;

    auto endField = [&] {
        row.fields << field;
        field.clear();
        state = State::FieldStart;
    };
    auto endRow = [&] {
        endField();
        table.rows << row;
        row = Row();
        row.line = line;
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const bool crLf = c == kCr && i + 1 < n && text[i + 1] == kLf;
        if (state == State::Quoted) {
            if (c == kQuote) {
                if (i + 1 < n && text[i + 1] == kQuote) {
                    field += kQuote;
                    ++i;
                } else {
                    state = State::AfterQuote;
                }
                continue;
            }
            if (c == kLf || (c == kCr && !crLf))
                ++line;
            field += c;
            continue;
        }
        if (c == kComma) {
            endField();
            continue;
        }
        if (c == kCr || c == kLf) {
            if (crLf)
                ++i;
            ++line;
            endRow();
            continue;
        }
        if (state == State::AfterQuote) {
            table.errorLine = line;
            return table;
        }
        if (state == State::FieldStart && c == kQuote) {
            state = State::Quoted;
            fieldLine = line;
            continue;
        }
        state = State::Unquoted;
        field += c;
    }
    if (state == State::Quoted) {
        table.errorLine = fieldLine;
        return table;
    }
    if (state != State::FieldStart || !row.fields.isEmpty())
        endRow();
    return table;
}

QString line(const QStringList& fields)
{
    QStringList quotedFields;
    quotedFields.reserve(fields.size());
    for (const QString& field : fields)
        quotedFields << quoted(field);
    return quotedFields.join(kComma) + QStringLiteral("\r\n");
}

} // namespace Csv
