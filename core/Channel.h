// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One channel as values: its frequencies in hertz, its tones as stored, its
// power, width and name. Each field is kept in its stored form, so a record
// read and written back keeps every byte, and a write changes only the bits
// the fields own: the spare cell and the unused bits of the flag cells keep
// their values.

#include "ChannelRecord.h"
#include "Codecs.h"

#include <QString>
#include <optional>

class Channel
{
public:
    // The channel in block 1..128, its frequencies in the version's step.
    static Channel read(const MemoryImage& image, int block, int version);
    void write(MemoryImage& image, int block) const;

    // An unused channel has no receive frequency.
    bool isUsed() const { return !m_rx.isEmpty(); }
    std::optional<qint64> rxHz() const { return hzOf(m_rx); }
    // A frequency the field holds (fitsFreqField), to the step below.
    void setRxHz(qint64 hz);

    // None: the channel is receive only.
    std::optional<qint64> txHz() const { return hzOf(m_tx); }
    void setTxHz(std::optional<qint64> hz);

    ChannelRecord::StoredTone decodeTone() const { return m_decode; }
    void setDecodeTone(const ChannelRecord::StoredTone& tone) { m_decode = tone; }
    ChannelRecord::StoredTone encodeTone() const { return m_encode; }
    void setEncodeTone(const ChannelRecord::StoredTone& tone) { m_encode = tone; }

    bool isHighPower() const { return m_highPower; }
    void setHighPower(bool high) { m_highPower = high; }
    bool isWide() const { return m_wide; }
    void setWide(bool wide) { m_wide = wide; }

    // The name as shown; empty when the has-name bit is clear.
    QString name() const;
    // A typed name: trimmed, then as setNameAsIs.
    void setName(const QString& text);
    // At most five characters as character codes, blanks included; an empty
    // name clears the has-name bit.
    void setNameAsIs(const QString& name);

    bool operator==(const Channel&) const = default;

private:
    Channel() = default;

    std::optional<qint64> hzOf(const FreqCells& cells) const
    {
        return cells.isEmpty() ? std::nullopt : std::optional(freqFieldHz(cells, m_version));
    }
    FreqCells cellsOf(qint64 hz) const;

    int m_version = 2;
    FreqCells m_rx{};
    FreqCells m_tx{};
    ChannelRecord::StoredTone m_decode;
    ChannelRecord::StoredTone m_encode;
    bool m_highPower = false;
    bool m_wide = false;
    bool m_hasName = false;
    ChannelRecord::NameCodes m_nameCodes{};
};
