// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the CSV import, on a base image the first byte
// chooses. Besides the sanitizers' checks it holds the import to its
// promises: a file is refused as not UTF-8 exactly when a strict decoder
// finds a fault; the first problems are listed and the others counted, each
// short and on a line of the file, and every refusal has its message; a
// refused row among rows placed by their locations changes nothing (the file
// without it imports the same channels); and an accepted import exports back
// to the same rows.

#include "FuzzSupport.h"

#include "ChannelCsv.h"
#include "Csv.h"

#include <QStringDecoder>
#include <optional>

using FuzzSupport::require;

namespace {

// Where each line of the text starts, lines ended as the rows end (CR LF, LF or CR).
QList<qsizetype> lineStarts(const QString& text)
{
    QList<qsizetype> starts = { 0 };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (text[i] == u'\r' || text[i] == u'\n')
            starts << i + 1;
    }
    return starts;
}

// The text without the row that starts on `line`.
std::optional<QString> withoutRow(const QString& text, int line)
{
    Csv::Reader reader(text);
    Csv::Row row;
    while (reader.next(&row)) {
        if (row.line != line)
            continue;
        const QList<qsizetype> starts = lineStarts(text);
        Csv::Row next;
        const qsizetype end = reader.next(&next) ? starts[next.line - 1] : text.size();
        return text.left(starts[line - 1]) + text.mid(end);
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const RadioData& base = FuzzSupport::base(data[0]);
    const FreqRange range = FreqRange::of(base.image);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const ChannelCsv::ImportResult result = ChannelCsv::parse(bytes, base.version, range);

    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = strict.decode(body);
    require((result.error == ChannelCsv::ReadError::NotUtf8) == strict.hasError());
    require(ChannelCsv::errorText(result, QStringLiteral("in.csv")).isEmpty() == result.ok());

    switch (result.error) {
    case ChannelCsv::ReadError::None:
        break;
    case ChannelCsv::ReadError::NotUtf8:
    case ChannelCsv::ReadError::Malformed:
        require(result.errorLine >= 1);
        return 0;
    case ChannelCsv::ReadError::MissingColumn:
        require(result.errorLine >= 1 && !result.detail.isEmpty());
        return 0;
    case ChannelCsv::ReadError::NoHeader:
        return 0;
    case ChannelCsv::ReadError::CannotOpen:
    case ChannelCsv::ReadError::TooLarge:
        std::abort();   // only a file on disk can be these
    }

    require(result.problems.size() <= ChannelCsv::kListedProblems);
    require(result.unlistedProblemCount == 0 || result.problems.size() == ChannelCsv::kListedProblems);
    require(ChannelCsv::unlistedProblemsLine(result).isEmpty() == (result.unlistedProblemCount == 0));
    const qsizetype lineCount = lineStarts(text).size();
    std::optional<int> firstRefusedLine;
    for (const ChannelCsv::Problem& problem : result.problems) {
        require(problem.line >= 2 && problem.line <= lineCount);
        require(!problem.text.isEmpty() && problem.text.size() <= FuzzSupport::kMaxMessageLength);
        require(ChannelCsv::problemLine(problem).endsWith(problem.text));
        if (problem.kind == ChannelCsv::Problem::Kind::Refused && !firstRefusedLine)
            firstRefusedLine = problem.line;
    }
    int imported = 0;
    for (const auto& channel : result.channels)
        imported += channel ? 1 : 0;
    require(result.refusedCount <= result.rowCount && imported == result.importedCount());

    // Placed by their locations, the rows do not depend on one another.
    if (firstRefusedLine && !result.inFileOrder()) {
        const std::optional<QString> rest = withoutRow(text, *firstRefusedLine);
        require(rest.has_value());
        const ChannelCsv::ImportResult without = ChannelCsv::parse(rest->toUtf8(), base.version, range);
        require(without.ok() && without.channels == result.channels);
    }

    const MemoryImage image = ChannelCsv::withChannels(base.image, result);
    const QByteArray exported = ChannelCsv::exportChannels(image, base.version);
    const ChannelCsv::ImportResult back = ChannelCsv::parse(exported, base.version, range);
    require(back.ok() && back.problems.isEmpty() && back.unlistedProblemCount == 0);
    require(ChannelCsv::withChannels(base.image, back) == image);
    return 0;
}
