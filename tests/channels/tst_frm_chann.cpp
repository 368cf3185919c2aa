#include "channels/frm_chann.h"

#include "Globals.h"
#include "Tables.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

void setRecord(int channel, const QList<int>& cells)
{
    for (int c = 0; c < 16; ++c)
        RadioImage.setCell(channel, c, quint8(cells[c]));
}

} // namespace

class TestChannelTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        UiLanguage = false;
        BuildToneTables();
    }
    void init()
    {
        RadioVersion = 1;
        ResetRadioImage();
        m_table = new frm_chann;
        m_table->show();
    }
    void cleanup() { delete m_table; }

    void showsRecords_data()
    {
        QTest::addColumn<QList<int>>("record");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("complete channel")
            << QList<int>{ 0x00, 0x01, 0x50, 0x14, 0x09, 0x01, 0x50, 0x14, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList{ "145.01250", "145.01250", "OFF", "   88.5    ", "High", "Wide", "CH1" };
        QTest::newRow("receive only")
            << QList<int>{ 0xFF, 0x00, 0x50, 0x44, 0x09, 0xFF, 0x50, 0x44, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "", "OFF", "", "Low", "Narrow", "" };
        QTest::newRow("inverted codes")
            << QList<int>{ 50, 0x00, 0x50, 0x44, 153, 0x00, 0x50, 0x44, 0x28, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", " D023I   ", " D754I   ", "Low", "Wide", "" };
        QTest::newRow("tone above 153")
            << QList<int>{ 200, 0x00, 0x50, 0x44, 200, 0x00, 0x50, 0x44, 0x08, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", ToneTable[104], ToneTable[0], "High", "Narrow", "" };
        QTest::newRow("name bit clear")
            << QList<int>{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", "OFF", "OFF", "High", "Wide", "" };
        QTest::newRow("name codes beyond 37")
            << QList<int>{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x40, 0x0B, 0x01, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", "OFF", "OFF", "High", "Wide", "C 1" };
    }
    void showsRecords()
    {
        QFETCH(QList<int>, record);
        QFETCH(QStringList, row);
        setRecord(5, record);
        m_table->activated();
        for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
            QCOMPARE(m_table->cellText(5, col), row[col - 1]);
        for (int c = 0; c < 16; ++c)   // showing a record changes none of it
            QCOMPARE(int(RadioImage.cell(5, c)), record[c]);
    }

    void unusedMarkerClearsTheRecord()
    {
        setRecord(7, { 0x09, 0xFF, 0x50, 0x44, 0x09, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 });
        m_table->ShowChannelRow(7);
        for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
            QVERIFY(m_table->cellText(7, col).isEmpty());
        for (int c = 0; c < 16; ++c)
            QCOMPARE(RadioImage.cell(7, c), quint8(0xFF));
    }

    void storesNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<bool>("named");
        QTest::newRow("trimmed, upper case, cut to five") << "  xy-z9q  " << QList<int>{ 35, 36, 10, 37, 9 } << true;
        QTest::newRow("other characters become blanks") << "a.b" << QList<int>{ 12, 11, 13, 255, 255 } << true;
        QTest::newRow("blanks only") << "   " << QList<int>{ 255, 255, 255, 255, 255 } << false;
    }
    void storesNames()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        QFETCH(bool, named);
        setRecord(2, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0xEF, 0xC0, 1, 2, 3, 4, 5, 0x00 });
        m_table->StoreChannelName(2, text);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(int(RadioImage.cell(2, 10 + i)), codes[i]);
        QCOMPARE(int(RadioImage.cell(2, 8)), named ? 0xFF : 0xEF);
    }

    void clearEmptiesOnlyTheChannels()
    {
        for (int n = 1; n <= 128; ++n)
            setRecord(n, { 0, 0, 0x50, 0x44, 0, 0, 0x50, 0x44, 0, 0xC0, 255, 255, 255, 255, 255, 0 });
        RadioImage.setCell(0, 0, 0x12);
        RadioImage.setCell(129, 3, 0x34);
        MemoryImage before = RadioImage;
        m_table->activated();
        m_table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->click();
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            for (int c = 0; c < 16; ++c) {
                const quint8 expected = (b >= 1 && b <= 128) ? 0xFF : before.cell(b, c);
                QCOMPARE(RadioImage.cell(b, c), expected);
            }
        }
    }

    // Moving onto the name column without an open editor commits nothing.
    void commitNameEditNeverErasesAName()
    {
        setRecord(4, { 0, 0, 0x50, 0x44, 0, 0, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0 });
        m_table->activated();
        m_table->grid()->setCurrentCell(3, frm_chann::ColName);
        m_table->CommitNameEdit();
        m_table->CommitNameEdit(false);
        QCOMPARE(m_table->cellText(4, frm_chann::ColName), QStringLiteral("CH1"));
        QVERIFY(RadioImage.flag(4, 8, 0x10));
    }

private:
    frm_chann* m_table = nullptr;
};

QTEST_MAIN(TestChannelTable)
#include "tst_frm_chann.moc"
