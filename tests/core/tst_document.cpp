#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioDocument.h"
#include "Settings.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace MemoryMap;

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void rangeLimitsIgnoreTheLowNibbles()
    {
        MemoryImage image;
        const QList<quint8> range = { 0x0F, 0x13, 0x0A, 0x17 };
        for (int c = 0; c < 4; ++c)
            image.setCell(kRangeBlock, c, range[c]);
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

    // Each edit is one step; undoing back to the saved state makes the
    // document unmodified again, and every step tells the views.
    void undoAndRedoAreExact()
    {
        RadioDocument document;
        const RadioData start = document.data();
        QSignalSpy changed(&document, &RadioDocument::changed);
        QSignalSpy modified(&document, &RadioDocument::modifiedChanged);

        QVERIFY(!document.edit(QStringLiteral("nothing"), [](RadioData&) {}));
        QCOMPARE(document.undoStack()->count(), 0);
        QVERIFY(document.edit(QStringLiteral("one"), [](RadioData& d) { d.image.setCell(3, 1, 0x10); }));
        QVERIFY(document.edit(QStringLiteral("two"), [](RadioData& d) { d.image.fillBlock(kFmBlock, 0x20); }));
        const RadioData edited = document.data();
        QVERIFY(document.isModified());
        QCOMPARE(modified.count(), 1);
        QCOMPARE(document.undoStack()->undoText(), QStringLiteral("two"));

        document.undoStack()->undo();
        document.undoStack()->undo();
        QVERIFY(document.data() == start);
        QVERIFY(!document.isModified());
        QCOMPARE(modified.count(), 2);
        document.undoStack()->redo();
        document.undoStack()->redo();
        QVERIFY(document.data() == edited);
        QCOMPARE(changed.count(), 6);

        document.markSaved(QStringLiteral("/tmp/x.chann"));
        QVERIFY(!document.isModified());
        document.undoStack()->undo();
        QVERIFY(document.isModified());
    }

    // What the windows would make of odd stored values is done when an image
    // enters: the document then holds the tidied image, and a load leaves it
    // unmodified.
    void anImageIsTidiedWhenItEnters()
    {
        MemoryImage odd = factoryImage();
        odd.setCell(5, 0, 0x33);                                  // stray byte in unused channel 5
        odd.setCell(kSettingsBlock, kTimeOutCell, 9);             // beyond "Off, 1..7"
        odd.setCell(kSettingsBlock, kPriorityChannelCell, 7);     // channel 7 is not in use
        odd.setField(kVfoBlock, 9, 0x03, 3);                      // duplex beyond "Off, Minus, Plus"
        odd.setCell(kVfoBlock, 0, 200);                           // decode tone beyond the table

        RadioDocument document;
        document.takeImage(QStringLiteral("Open"), odd, 2);
        document.markSaved(QStringLiteral("odd.chann"));
        const MemoryImage& image = document.image();
        QCOMPARE(image.cell(5, 0), quint8(0xFF));
        QCOMPARE(image.cell(kSettingsBlock, kTimeOutCell), quint8(7));
        QCOMPARE(image.cell(kSettingsBlock, kPriorityChannelCell), quint8(0));
        QCOMPARE(Settings::value(image, Settings::kVfoDecodeTone), 0);
        // Duplex plus with the factory offset of 10 MHz would transmit above
        // the range: the duplex is off and the transmit frequency follows.
        QCOMPARE(Settings::value(image, Settings::kVfoDuplex), int(Settings::DuplexOff));
        QCOMPARE(Settings::freqText(document.data(), Settings::kVfoTxFreq),
                 Settings::freqText(document.data(), Settings::kVfoRxFreq));
        QVERIFY(!document.isModified());
        QCOMPARE(document.fileName(), QStringLiteral("odd.chann"));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
