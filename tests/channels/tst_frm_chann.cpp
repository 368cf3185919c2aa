#include "channels/frm_chann.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "Tables.h"
#include "support/ChannelGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

class TestChannelTable : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_document = new RadioDocument;
        poke(*m_document).data().version = 1;
        m_table = new frm_chann(*m_document);
        m_table->show();
    }
    void cleanup()
    {
        delete m_table;
        delete m_document;
    }

    void showsRecords_data()
    {
        QTest::addColumn<QList<int>>("cells");
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
            << QStringList{ "445.00000", "445.00000", ToneTable()[104], ToneTable()[0], "High", "Narrow", "" };
        QTest::newRow("name bit clear")
            << QList<int>{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", "OFF", "OFF", "High", "Wide", "" };
        QTest::newRow("name codes beyond 37")
            << QList<int>{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x40, 0x0B, 0x01, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", "OFF", "OFF", "High", "Wide", "C 1" };
        QTest::newRow("unused marker")
            << QList<int>{ 0x09, 0xFF, 0x50, 0x44, 0x09, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList(7, QString());
    }
    void showsRecords()
    {
        QFETCH(QList<int>, cells);
        QFETCH(QStringList, row);
        setRecord(*m_document, 5, cells);
        for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
            QCOMPARE(m_table->cellText(5, col), row[col - 1]);
        QCOMPARE(record(*m_document, 5), cells);   // showing a record changes none of it
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
        MemoryImage image;
        image.setCell(2, 8, 0xEF);
        ChannelRecord::storeName(image, 2, text);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(int(image.cell(2, 10 + i)), codes[i]);
        QCOMPARE(int(image.cell(2, 8)), named ? 0xFF : 0xEF);
    }

    void clearAsksThenEmptiesOnlyTheChannels_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void clearAsksThenEmptiesOnlyTheChannels()
    {
        QFETCH(bool, yes);
        for (int n = 1; n <= 128; ++n)
            setRecord(*m_document, n, { 0, 0, 0x50, 0x44, 0, 0, 0x50, 0x44, 0, 0xC0, 255, 255, 255, 255, 255, 0 });
        poke(*m_document)->setCell(0, 0, 0x12);
        poke(*m_document)->setCell(129, 3, 0x34);
        const MemoryImage before = m_document->image();
        QList<Prompt::Message> questions;
        Prompt::setHandler([&](const Prompt::Message& m) {
            questions << m;
            return yes ? QMessageBox::Yes : QMessageBox::No;
        });
        m_table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->click();
        Prompt::setHandler({});
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(questions[0].buttonTexts.value(QMessageBox::Yes), QStringLiteral("Yes"));
        if (!yes) {
            QVERIFY(m_document->image() == before);
            return;
        }
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            for (int c = 0; c < 16; ++c) {
                const quint8 expected = (b >= 1 && b <= 128) ? 0xFF : before.cell(b, c);
                QCOMPARE(m_document->image().cell(b, c), expected);
            }
        }
        // One step, named after the button, takes it all back.
        QCOMPARE(m_document->undoStack()->undoText(), QStringLiteral("Clear"));
        m_document->undoStack()->undo();
        QVERIFY(m_document->image() == before);
        QCOMPARE(m_table->cellText(1, frm_chann::ColRx), QStringLiteral("445.00000"));
    }

    // Moving onto the name column without an open editor commits nothing.
    void committingWithoutAnEditorNeverErasesAName()
    {
        setRecord(*m_document, 4, { 0, 0, 0x50, 0x44, 0, 0, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0 });
        m_table->grid()->setCurrentCell(3, frm_chann::ColName);
        m_table->commitPendingEdit();
        QCOMPARE(m_table->cellText(4, frm_chann::ColName), QStringLiteral("CH1"));
        QVERIFY(m_document->image().flag(4, 8, 0x10));
    }

private:
    RadioDocument* m_document = nullptr;
    frm_chann* m_table = nullptr;
};

QTEST_MAIN(TestChannelTable)
#include "tst_frm_chann.moc"
