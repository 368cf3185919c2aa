// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the channel-file reader. Besides the sanitizers'
// checks it holds the reader to its promises: the answer does not depend on
// how the text is split into pieces, a refusal says where and why, and an
// accepted image writes out and reads back unchanged.

#include "ChannelFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool sameAnswer(const ChannelFile::ReadResult& a, const ChannelFile::ReadResult& b)
{
    return a.error == b.error && a.valueCount == b.valueCount && a.line == b.line && a.value == b.value
        && (!a.ok() || a.bytes == b.bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    const ChannelFile::ReadResult whole = ChannelFile::parse(text);

    // Split where the first byte says, so the fuzzer explores the seams too.
    const qsizetype cut = size ? qsizetype(data[0] % (size + 1)) : 0;
    ChannelFile::Parser parser;
    parser.feed(text.first(cut));
    parser.feed(text.sliced(cut));
    if (!sameAnswer(whole, parser.finish()))
        std::abort();

    switch (whole.error) {
    case ChannelFile::ReadError::None: {
        const ChannelFile::ReadResult again = ChannelFile::parse(ChannelFile::format(whole.bytes));
        if (!again.ok() || again.bytes != whole.bytes)
            std::abort();
        break;
    }
    case ChannelFile::ReadError::NotANumber:
    case ChannelFile::ReadError::OutOfRange:
        if (whole.line < 1 || whole.value.isEmpty() || whole.valueCount >= ChannelFile::kValueCount)
            std::abort();
        break;
    case ChannelFile::ReadError::TooFewValues:
        if (whole.valueCount >= ChannelFile::kValueCount)
            std::abort();
        break;
    case ChannelFile::ReadError::CannotOpen:
        std::abort();   // only a file on disk can fail to open
    }
    return 0;
}
