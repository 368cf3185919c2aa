// SPDX-License-Identifier: GPL-3.0-or-later
#include "Channel.h"

#include "MemoryImage.h"

using namespace ChannelRecord;

namespace {

constexpr FreqCells kEmptyField{ FreqCells::kEmptyStepCell, MemoryImage::kEmpty, MemoryImage::kEmpty };

} // namespace

Channel Channel::read(const MemoryImage& image, int block, int version)
{
    Channel channel;
    channel.m_version = version;
    channel.m_rx = storedFreqCells(image, block, kRxBase);
    channel.m_tx = storedFreqCells(image, block, kTxBase);
    channel.m_decode = storedTone(image, block, kDecodeTone);
    channel.m_encode = storedTone(image, block, kEncodeTone);
    channel.m_highPower = isOn(image, block, kHighPower);
    channel.m_wide = isOn(image, block, kWide);
    channel.m_hasName = isOn(image, block, kHasName);
    channel.m_nameCodes = storedNameCodes(image, block);
    return channel;
}

void Channel::write(MemoryImage& image, int block) const
{
    storeFreqCells(image, block, kRxBase, m_rx);
    storeFreqCells(image, block, kTxBase, m_tx);
    storeTone(image, block, kDecodeTone, m_decode);
    storeTone(image, block, kEncodeTone, m_encode);
    setOn(image, block, kHighPower, m_highPower);
    setOn(image, block, kWide, m_wide);
    setOn(image, block, kHasName, m_hasName);
    storeNameCodes(image, block, m_nameCodes);
}

void Channel::setRxHz(qint64 hz)
{
    m_rx = cellsOf(hz);
}

void Channel::setTxHz(std::optional<qint64> hz)
{
    m_tx = hz ? cellsOf(*hz) : kEmptyField;
}

QString Channel::name() const
{
    return m_hasName ? nameText(m_nameCodes) : QString();
}

void Channel::setName(const QString& text)
{
    setNameAsIs(text.trimmed());
}

void Channel::setNameAsIs(const QString& name)
{
    m_nameCodes = nameCodes(name);
    m_hasName = !name.isEmpty();
}

FreqCells Channel::cellsOf(qint64 hz) const
{
    Q_ASSERT(fitsFreqField(hz));
    return freqCellsForHz(hz, m_version);
}
