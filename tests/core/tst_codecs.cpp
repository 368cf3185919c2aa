// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEdit.h"
#include "Codecs.h"
#include "MemoryImage.h"

#include <QTest>

using namespace ChannelEdit;

class TestCodecs : public QObject
{
    Q_OBJECT
private slots:
    void decodesFrequencies_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("c1");
        QTest::addColumn<int>("c2");
        QTest::addColumn<int>("c3");
        QTest::addColumn<QString>("text");
        QTest::newRow("v1 one step") << 1 << 0x01 << 0x60 << 0x44 << "446.01250";
        QTest::newRow("below 100 MHz") << 2 << 0x00 << 0x65 << 0x06 << "66.50000";
        QTest::newRow("high nibble of steps ignored") << 1 << 0xF1 << 0x50 << 0x14 << "145.01250";
        QTest::newRow("top step v2") << 2 << 0x0F << 0x99 << 0x46 << "469.99375";
    }
    void decodesFrequencies()
    {
        QFETCH(int, version);
        QFETCH(int, c1);
        QFETCH(int, c2);
        QFETCH(int, c3);
        QFETCH(QString, text);
        QCOMPARE(freqBytesToText(c1, c2, c3, version), text);
    }

    void encodesFrequencies_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("b0");
        QTest::addColumn<int>("b1");
        QTest::addColumn<int>("b2");
        QTest::newRow("66.5") << 2 << "66.5" << 0x06 << 0x65 << 0;
        QTest::newRow("between steps goes down") << 2 << "446.010" << 0x44 << 0x60 << 1;
        QTest::newRow("top of the 100 kHz v2") << 2 << "469.99999" << 0x46 << 0x99 << 15;
        QTest::newRow("trailing letters") << 2 << "445abc" << 0x44 << 0x50 << 0;
        QTest::newRow("no number") << 2 << "abc" << 0x00 << 0x00 << 0;
        QTest::newRow("1000 MHz is clamped") << 2 << "1000" << 0x99 << 0x99 << 15;
        QTest::newRow("negative is clamped") << 2 << "-5" << 0x00 << 0x00 << 0;
    }
    void encodesFrequencies()
    {
        QFETCH(int, version);
        QFETCH(QString, text);
        QFETCH(int, b0);
        QFETCH(int, b1);
        QFETCH(int, b2);
        QCOMPARE(freqTextToBytes(text, version), (FreqCode{ quint8(b0), quint8(b1), quint8(b2) }));
    }

    // Every frequency on the step grid of the band survives a round trip.
    void roundTripsEveryStep()
    {
        for (int version : { 1, 2 }) {
            const int stepsPerTenth = version == 2 ? 16 : 8;
            for (int tenth = 4000; tenth < 4700; ++tenth) {
                for (int n = 0; n < stepsPerTenth; ++n) {
                    const double f = tenth / 10.0 + n * stepMHz(version);
                    const FreqCode code = freqTextToBytes(QString::number(f, 'f', 5), version);
                    const QString text = freqBytesToText(code[2], code[1], code[0], version);
                    QCOMPARE(text, QString::number(f, 'f', 5));
                }
            }
        }
    }

    void normalizesTypedFrequencies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole MHz") << "145" << "145.00000";
        QTest::newRow("ten characters") << "445.012500" << "445.01250";
        QTest::newRow("a sixth decimal is cut, not rounded") << "445.012499" << "445.01249";
        QTest::newRow("leading zero") << "0445.0125" << "445.01250";
        QTest::newRow("trailing letters") << "445abc" << "445.00000";
        QTest::newRow("blanks around") << "  446.1 " << "446.10000";
    }
    void normalizesTypedFrequencies()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QCOMPARE(normalizeFreqText(typed), text);
    }

    // Every picked tone reads back as the item it was picked from.
    void tonePicksRoundTrip()
    {
        const QStringList items = listItems(ListField::EncodeTone);
        MemoryImage image;
        image.setCell(3, 1, 0);
        for (int item = 0; item < items.size(); ++item) {
            storePick(image, 3, ListField::EncodeTone, item);
            QCOMPARE(listPosition(image, 3, ListField::EncodeTone), item);
            QCOMPARE(image.cell(3, 8) & ~0x20, 0xFF & ~0x20);   // only the encode inversion bit changes
        }
    }

    // The inversion bit picks the inverted entry of a DCS code only: a CTCSS
    // tone, off and a code beyond the table read the same with it.
    void storedTonesShowTheEntryOfTheirCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<int>("position");
        QTest::newRow("CTCSS with the bit") << 21 << true << 21;
        QTest::newRow("last CTCSS with the bit") << 49 << true << 49;
        QTest::newRow("DCS with the bit") << 50 << true << 154;
        QTest::newRow("last DCS with the bit") << 153 << true << 257;
        QTest::newRow("DCS without the bit") << 153 << false << 153;
        QTest::newRow("beyond the table with the bit") << 200 << true << 0;
        QTest::newRow("off with the bit") << 0 << true << 0;
    }
    void storedTonesShowTheEntryOfTheirCode()
    {
        QFETCH(int, code);
        QFETCH(bool, inverted);
        QFETCH(int, position);
        MemoryImage image;
        image.setCell(3, 1, 0);
        image.setCell(3, 0, quint8(code));
        image.setCell(3, 8, inverted ? 0x08 : 0x00);
        QCOMPARE(listPosition(image, 3, ListField::DecodeTone), position);
    }
};

QTEST_APPLESS_MAIN(TestCodecs)
#include "tst_codecs.moc"
