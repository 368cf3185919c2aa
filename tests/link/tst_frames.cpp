// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frames.h"

#include "MemoryImage.h"

#include <QTest>

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void blockFrames_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("block 0 carries the acknowledge") << 0 << QByteArray::fromHex("000010");
        QTest::newRow("block 16") << 16 << QByteArray::fromHex("010010");
        QTest::newRow("block 254") << 254 << QByteArray::fromHex("0FE010");
    }
    void blockFrames()
    {
        QFETCH(int, block);
        QFETCH(QByteArray, address);
        const QByteArray ack = block == 0 ? QByteArray("\x06") : QByteArray();
        MemoryImage image;
        QByteArray data;
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c) {
            const quint8 value = quint8((block * 7 + c * 13) & 0xFF);
            image.setCell(block, c, value);
            data.append(char(value));
        }
        QCOMPARE(Frames::readRequest(block).toHex(' '), (ack + 'R' + address).toHex(' '));
        QCOMPARE(Frames::writeFrame(image, block).toHex(' '), (ack + 'W' + address + data).toHex(' '));
        // Asked for or written once more, a block goes without the acknowledge of the identification.
        QCOMPARE(Frames::repeatedReadRequest(block).toHex(' '), ('R' + address).toHex(' '));
        QCOMPARE(Frames::repeatedWriteFrame(image, block).toHex(' '), ('W' + address + data).toHex(' '));
    }

    void identification_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("at");   // where the identifier begins
        QTest::newRow("at 0, version byte 255") << QByteArray::fromHex("543638313500 00FF00") << 1 << 0;
        QTest::newRow("at 0, version byte 2") << QByteArray::fromHex("5436383135000002") + '\0' << 2 << 0;
        QTest::newRow("at 1, version byte 255") << QByteArray::fromHex("00543638313500 00FF") << 1 << 1;
        QTest::newRow("at 2: version byte beyond the nine") << QByteArray::fromHex("0000543638313500 00FF") << 2 << 2;
        QTest::newRow("at 4, the last place that fits") << QByteArray::fromHex("000000005436383135") << 2 << 4;
        QTest::newRow("at 5: cut by the nine-byte limit") << QByteArray::fromHex("00000000005436383135") << 0 << -1;
        QTest::newRow("wrong identifier") << QByteArray::fromHex("543638353100 00FF00") << 0 << -1;
        QTest::newRow("bytes after the ninth are not examined") << QByteArray::fromHex("000000543638313500FFFF") << 2 << 3;
    }
    void identification()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, version);
        QFETCH(int, at);
        QCOMPARE(Frames::identifiedVersion(answer), version);
        QCOMPARE(Frames::identifierAt(answer), at);
    }
};

QTEST_APPLESS_MAIN(TestFrames)
#include "tst_frames.moc"
