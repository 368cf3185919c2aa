// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace ChannelFile {

namespace {

constexpr int kLargestValue = 255;
// A refused value is shown with at most this many characters. No byte value
// needs more, even with a sign and leading zeros, so a longer one is refused
// once this much of it is seen: an endless run of digits ends the reading.
constexpr qsizetype kShownLength = 24;
constexpr qint64 kChunkSize = 64 * 1024;
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// What a message shows of a refused value: every character that would not be
// seen (controls, a byte-order mark, broken encodings) becomes a visible mark.
QString shownValue(const QByteArray& text, bool shortened)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString shown = decoder.decode(text);
    for (QChar& ch : shown) {
        switch (ch.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            ch = QChar::ReplacementCharacter;
            break;
        default:
            break;
        }
    }
    if (shortened)
        shown += QChar(0x2026);
    return shown;
}

} // namespace

void Parser::feed(QByteArrayView text)
{
    for (const char ch : text) {
        if (m_done)
            return;
        // Some editors put a byte-order mark before the first value; it may
        // arrive split over pieces, so it is matched byte by byte.
        if (!m_markChecked) {
            if (ch == kUtf8Mark[m_markBytes]) {
                if (++m_markBytes == 3)
                    m_markChecked = true;
                continue;
            }
            replayMarkBytes();
        }
        take(ch);
    }
}

void Parser::replayMarkBytes()
{
    m_markChecked = true;
    for (int i = 0; i < m_markBytes && !m_done; ++i)
        take(kUtf8Mark[i]);
}

void Parser::take(char ch)
{
    switch (ch) {
    case '\r':
        endValue();
        ++m_line;
        m_afterCr = true;
        return;
    case '\n':
        endValue();
        if (!m_afterCr)
            ++m_line;
        m_afterCr = false;
        return;
    case ' ':
    case '\t':
    case ',':
        endValue();
        m_afterCr = false;
        return;
    default:
        break;
    }
    m_afterCr = false;
    if (m_text.size() < kShownLength)
        m_text.append(ch);
    const bool sign = m_length == 0 && (ch == '-' || ch == '+');
    if (sign) {
        m_negative = ch == '-';
    } else if (ch >= '0' && ch <= '9') {
        ++m_digits;
        m_number = std::min(m_number * 10 + (ch - '0'), kLargestValue + 1);
    } else {
        m_numeric = false;
    }
    ++m_length;
    if (m_length > kShownLength)
        fail(m_numeric ? ReadError::OutOfRange : ReadError::NotANumber);
}

void Parser::endValue()
{
    if (m_length == 0)
        return;
    if (!m_numeric || m_digits == 0) {
        fail(ReadError::NotANumber);
        return;
    }
    if (m_number > kLargestValue || (m_negative && m_number != 0)) {
        fail(ReadError::OutOfRange);
        return;
    }
    m_result.bytes[m_result.valueCount++] = quint8(m_number);
    if (m_result.valueCount == kValueCount)
        m_done = true;
    m_text.clear();
    m_length = 0;
    m_digits = 0;
    m_negative = false;
    m_numeric = true;
    m_number = 0;
}

void Parser::fail(ReadError error)
{
    m_result.error = error;
    m_result.line = m_line;
    m_result.value = shownValue(m_text, m_length > m_text.size());
    m_done = true;
}

ReadResult Parser::finish()
{
    if (!m_markChecked)
        replayMarkBytes();
    if (!m_done)
        endValue();
    if (m_result.error == ReadError::None && m_result.valueCount < kValueCount)
        m_result.error = ReadError::TooFewValues;
    m_done = true;
    return m_result;
}

ReadResult parse(QByteArrayView text)
{
    Parser parser;
    parser.feed(text);
    return parser.finish();
}

ReadResult read(const QString& path)
{
    QFile file;
    QString reason;
    if (!NativeFile::openForReading(path, &file, &reason)) {
        ReadResult result;
        result.error = ReadError::CannotOpen;
        result.reason = reason;
        return result;
    }
    Parser parser;
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    while (!parser.done()) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0) {
            ReadResult result;
            result.error = ReadError::CannotOpen;
            result.reason = file.errorString();
            return result;
        }
        if (got == 0)
            break;
        parser.feed(QByteArrayView(chunk.constData(), got));
    }
    return parser.finish();
}

QByteArray format(const MemoryImage::Bytes& bytes)
{
    QByteArray text;
    text.reserve(MemoryImage::kBlocks * (MemoryImage::kCellsPerBlock * 5 + 2));
    for (int b = 0; b < MemoryImage::kBlocks; ++b) {
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c) {
            text += ' ';
            text += QByteArray::number(bytes[b * MemoryImage::kCellsPerBlock + c]);
            text += ' ';
        }
        text += "\r\n";
    }
    return text;
}

WriteResult write(const QString& path, const MemoryImage::Bytes& bytes)
{
    return NativeFile::replace(path, format(bytes));
}

} // namespace ChannelFile

namespace ChannelFile {

namespace {

// The messages belong to the open dialog and are translated there.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OpenFileDialog)
};

} // namespace

QString readErrorMessage(const ReadResult& result, const QString& shownName)
{
    switch (result.error) {
    case ReadError::None:
        break;
    case ReadError::CannotOpen:
        return Text::tr("The channel file %1 cannot be opened: %2").arg(shownName, result.reason);
    case ReadError::TooFewValues:
        return Text::tr("The channel file %1 holds only %2 of the 4096 values it must hold. Nothing was loaded.")
            .arg(shownName)
            .arg(result.valueCount);
    case ReadError::NotANumber:
        return Text::tr("Line %1 of the channel file %2 holds \"%3\", which is not a number. Nothing was loaded.")
            .arg(result.line)
            .arg(shownName, result.value);
    case ReadError::OutOfRange:
        return Text::tr("Line %1 of the channel file %2 holds the value %3, which lies outside 0 to 255. "
                        "Nothing was loaded.")
            .arg(result.line)
            .arg(shownName, result.value);
    }
    return {};
}

} // namespace ChannelFile
