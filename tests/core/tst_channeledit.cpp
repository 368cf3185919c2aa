#include "ChannelEdit.h"
#include "RadioData.h"

#include <QTest>

using namespace ChannelEdit;

class TestChannelEdit : public QObject
{
    Q_OBJECT
private slots:

    void normalizesTypedFrequencies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole MHz") << "145" << "145.00000";
        QTest::newRow("one decimal") << "145.5" << "145.50000";
        QTest::newRow("four decimals") << "145.0125" << "145.01250";
        QTest::newRow("below 100 MHz") << "70" << "70.00000";
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
        QCOMPARE(NormalizeFreqText(typed), text);
    }

    // Every picked tone reads back as the item it was picked from.
    void tonePicksRoundTrip()
    {
        const QStringList items = listItems(ListField::EncodeTone);
        QCOMPARE(items.size(), 258);
        QCOMPARE(items.first(), QStringLiteral("OFF"));
        QCOMPARE(items.last(), QStringLiteral("D754I"));
        MemoryImage image;
        image.setCell(3, 1, 0);
        for (int item = 0; item < items.size(); ++item) {
            storePick(image, 3, ListField::EncodeTone, item);
            QCOMPARE(listPosition(image, 3, ListField::EncodeTone), item);
            QCOMPARE(image.cell(3, 8) & ~0x20, 0xFF & ~0x20);   // only the encode inversion bit changes
        }
    }
};

QTEST_APPLESS_MAIN(TestChannelEdit)
#include "tst_channeledit.moc"
