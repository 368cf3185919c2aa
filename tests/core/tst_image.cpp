#include "Codecs.h"
#include "Globals.h"
#include "MemoryMap.h"
#include "Tables.h"

#include <QTest>

class TestImage : public QObject
{
    Q_OBJECT
private slots:
    void resetGivesTheFactoryImage()
    {
        RadioImage.setCell(5, 3, 0x12);
        RadioImage.setCell(255, 15, 0x00);
        FreqRangeLow = 130;
        FreqRangeHigh = 999;
        ResetRadioImage();

        const QList<quint8> vfo = { 0x00, 0x01, 0x20, 0x46, 0x00, 0x01, 0x20, 0x46, 0x00, 0xC0, 0, 0, 0, 0, 0, 0 };
        const QList<quint8> settings = { 0x76, 0x95, 0x05, 0x00, 0x00, 0xC8, 0x40, 0x01, 0, 0, 0, 0, 0x01, 0, 0, 0 };
        const QList<quint8> fm = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0xCD, 0xD2 };
        const QByteArray banner("LISTENING\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 16);
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c) {
                quint8 expected = 0xFF;
                if (b == MemoryMap::kVfoBlock)
                    expected = vfo[c];
                else if (b == MemoryMap::kRangeBlock && c < 4)
                    expected = QList<quint8>{ 0x00, 0x40, 0x00, 0x47 }[c];
                else if (b == MemoryMap::kTextBlock)
                    expected = quint8(banner[c]);
                else if (b == MemoryMap::kSettingsBlock)
                    expected = settings[c];
                else if (b == MemoryMap::kFmBlock)
                    expected = fm[c];
                QVERIFY2(RadioImage.cell(b, c) == expected, qPrintable(QStringLiteral("cell %1,%2").arg(b).arg(c)));
            }
        }
        QCOMPARE(FreqRangeLow, 400.0);
        QCOMPARE(FreqRangeHigh, 470.0);
        QVERIFY(!RadioImage.isModified());
    }

    void rangeLimitsIgnoreTheLowNibbles()
    {
        MemoryImage image;
        const QList<quint8> range = { 0x0F, 0x13, 0x0A, 0x17 };
        for (int c = 0; c < 4; ++c)
            image.setCell(MemoryMap::kRangeBlock, c, range[c]);
        QCOMPARE(rangeLowMHz(image), 130);
        QCOMPARE(rangeHighMHz(image), 170);
    }

    void bitFieldsKeepTheOtherBits()
    {
        MemoryImage image;
        image.setCell(252, 6, 0x0F);
        image.setField(252, 6, 0xC0, 2);
        QCOMPARE(image.cell(252, 6), quint8(0x8F));
        image.setField(252, 6, 0x30, 2);
        QCOMPARE(image.cell(252, 6), quint8(0xAF));
        QCOMPARE(image.field(252, 6, 0x30), 2);
        image.setField(252, 6, 0x30, 7);   // wider than the field: only the field changes
        QCOMPARE(image.cell(252, 6), quint8(0xBF));
    }

    void knowsWhetherItChanged()
    {
        MemoryImage image;
        QVERIFY(!image.isModified());
        image.setCell(1, 1, 0x00);
        QVERIFY(image.isModified());
        image.setCell(1, 1, 0xFF);
        QVERIFY(!image.isModified());
        image.setCell(1, 1, 0x00);
        image.markUnmodified();
        QVERIFY(!image.isModified());
    }

    void toneTable()
    {
        BuildToneTables();
        QCOMPARE(ToneTable[0], QStringLiteral("   OFF      "));
        QCOMPARE(ToneTable[12], QStringLiteral("  97.4    "));
        QCOMPARE(ToneTable[13], QStringLiteral("  100.0   "));
        QCOMPARE(ToneTable[49].trimmed(), QStringLiteral("250.3"));
        QCOMPARE(ToneTable[50], QStringLiteral("  D023N   "));
        QCOMPARE(ToneTable[154], QStringLiteral(" D023I   "));
        QCOMPARE(ToneTable[257], QStringLiteral(" D754I   "));
        for (int k = 50; k <= 153; ++k) {
            QString normal = ToneTable[k].trimmed();
            QCOMPARE(ToneTable[k + 104].trimmed(), normal.replace(u'N', u'I'));
        }
        for (int k = 258; k <= 260; ++k)
            QVERIFY(ToneTable[k].isEmpty());
    }

    void modelTable()
    {
        FreqRangeLow = 1;
        FreqRangeHigh = 2;
        BuildModelTable();
        QCOMPARE(ModelNames, QStringList{ QStringLiteral("QV3N") });
        QCOMPARE(FreqRangeLow, 400.0);
        QCOMPARE(FreqRangeHigh, 470.0);
    }
};

QTEST_APPLESS_MAIN(TestImage)
#include "tst_image.moc"
