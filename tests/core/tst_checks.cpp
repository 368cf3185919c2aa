#include "Checks.h"
#include "RadioData.h"
#include "MemoryMap.h"

#include <QTest>

using namespace MemoryMap;

namespace {

MemoryImage image;

void setRange(int low, int high)
{
    image.setCell(kRangeBlock, 0, quint8((low % 10) * 16));
    image.setCell(kRangeBlock, 1, quint8((low / 100) * 16 + (low / 10) % 10));
    image.setCell(kRangeBlock, 2, quint8((high % 10) * 16));
    image.setCell(kRangeBlock, 3, quint8((high / 100) * 16 + (high / 10) % 10));
}

// A used channel receiving and transmitting on the given frequency field.
void setChannel(int block, quint8 steps, quint8 unitsTenths, quint8 hundredsTens)
{
    for (int base : { 0, 4 }) {
        image.setCell(block, base + 1, steps);
        image.setCell(block, base + 2, unitsTenths);
        image.setCell(block, base + 3, hundredsTens);
    }
}

} // namespace

class TestChecks : public QObject
{
    Q_OBJECT
private slots:
    void init() { image = factoryImage(); }

    // The lowest channel in use outside the range; whole MHz count, the fraction not.
    void findsTheLowestChannelOutOfRange()
    {
        setChannel(4, 0x0F, 0x09, 0x47);   // 470.99375, inside
        setChannel(3, 0x00, 0x50, 0x44);   // 445, inside
        setChannel(2, 0x10, 0x00, 0x39);   // step byte 16 or more: not in use
        QCOMPARE(FindChannelOutOfRange(image), 0);
        setChannel(90, 0x00, 0x00, 0x39);  // 390
        setChannel(12, 0x00, 0x10, 0x47);  // 471.0
        QCOMPARE(FindChannelOutOfRange(image), 12);
        for (int c = 5; c <= 7; ++c)       // receive only
            image.setCell(3, c, 0xFF);
        QCOMPARE(FindChannelOutOfRange(image), 3);
    }

    void checksTheFrequencyMode()
    {
        QCOMPARE(CheckVfoInRange(image), 0);    // reset: 462 MHz in 400..470
        setRange(430, 440);
        QCOMPARE(CheckVfoInRange(image), 1);
        setRange(462, 462);
        QCOMPARE(CheckVfoInRange(image), 0);
        image.setCell(kVfoBlock, 7, 0xFF);
        QCOMPARE(CheckVfoInRange(image), 1);
    }

    void priorityChannel_data()
    {
        QTest::addColumn<int>("priority");
        QTest::addColumn<bool>("channelUsed");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << 0 << false << 0;
        QTest::newRow("empty channel") << 5 << false << 0;
        QTest::newRow("used channel") << 5 << true << 5;
        QTest::newRow("above 128 kept") << 200 << false << 200;
    }
    void priorityChannel()
    {
        QFETCH(int, priority);
        QFETCH(bool, channelUsed);
        QFETCH(int, expected);
        image.setCell(kSettingsBlock, kPriorityChannelCell, quint8(priority));
        if (channelUsed)
            setChannel(5, 0, 0x50, 0x44);
        CheckPriorityChannel(image);
        QCOMPARE(int(image.cell(kSettingsBlock, kPriorityChannelCell)), expected);
    }

    void startChannelIsTheFirstUsed()
    {
        image.setCell(kSettingsBlock, kScanFlagsCell, 0xFF);
        image.setCell(kSettingsBlock, kStartChannelCell, 0x33);
        SelectFirstUsedChannel(image, 2);
        QCOMPARE(image.cell(kSettingsBlock, kScanFlagsCell), quint8(0xF8));
        QCOMPARE(image.cell(kSettingsBlock, kStartChannelCell), quint8(0));

        setChannel(40, 0x0A, 0x50, 0x44);  // step 10: used for version 2 only
        setChannel(60, 0x03, 0x50, 0x44);
        SelectFirstUsedChannel(image, 2);
        QCOMPARE(image.cell(kSettingsBlock, kStartChannelCell), quint8(40));
        SelectFirstUsedChannel(image, 1);
        QCOMPARE(image.cell(kSettingsBlock, kStartChannelCell), quint8(60));
    }
};

QTEST_APPLESS_MAIN(TestChecks)
#include "tst_checks.moc"
