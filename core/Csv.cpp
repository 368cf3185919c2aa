// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

namespace Csv {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

QString quoted(const QString& field, QChar separator)
{
    const bool needsQuotes = field.contains(separator) || field.contains(kQuote) || field.contains(kCr)
                             || field.contains(kLf) || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + text + kQuote;
}

} // namespace

Reader::Reader(QStringView text, QChar separator, Quotes quotes)
    : m_text(text)
    , m_separator(separator)
    , m_quotes(quotes)
{
}

bool Reader::next(Row* row)
{
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    const qsizetype n = m_text.size();
    if (m_errorLine != 0 || m_pos >= n)
        return false;
    row->line = m_line;
    row->fields.clear();
    State state = State::FieldStart;
    QString field;
    int quoteLine = m_line;
    auto endField = [&] {
        row->fields << (state == State::AfterQuote ? field : field.trimmed());
        field.clear();
        state = State::FieldStart;
    };
    auto crLfAt = [&](qsizetype i) { return m_text[i] == kCr && i + 1 < n && m_text[i + 1] == kLf; };

    for (; m_pos < n; ++m_pos) {
        const QChar c = m_text[m_pos];
        if (state == State::Quoted) {
            if (c == kQuote) {
                if (m_pos + 1 < n && m_text[m_pos + 1] == kQuote) {
                    field += kQuote;
                    ++m_pos;
                } else {
                    state = State::AfterQuote;
                }
                continue;
            }
            if (c == kLf || (c == kCr && !crLfAt(m_pos)))
                ++m_line;
            field += c;
            continue;
        }
        if (c == m_separator) {
            endField();
            continue;
        }
        if (c == kCr || c == kLf) {
            m_pos += crLfAt(m_pos) ? 2 : 1;
            ++m_line;
            endField();
            return true;
        }
        if (state == State::AfterQuote) {
            m_errorLine = m_line;
            return false;
        }
        if (state == State::FieldStart && c == kQuote && m_quotes == Quotes::Fields) {
            state = State::Quoted;
            quoteLine = m_line;
            continue;
        }
        state = State::Unquoted;
        field += c;
    }
    if (state == State::Quoted) {
        m_errorLine = quoteLine;
        return false;
    }
    endField();
    return true;
}

QString line(const QStringList& fields, QChar separator)
{
    QStringList quotedFields;
    quotedFields.reserve(fields.size());
    for (const QString& field : fields)
        quotedFields << quoted(field, separator);
    return quotedFields.join(separator) + QStringLiteral("\r\n");
}

} // namespace Csv
