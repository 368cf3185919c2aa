// Whole channels in the channel table, driven by the keyboard and the mouse
// as a user drives them: each action is one undo step, checked in the image bytes.

#include "channels/frm_chann.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "Settings.h"
#include "support/ChannelGrid.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace {

// 446.00625 MHz both ways, no tones, high power, wide, no name (memory format 2).
const Record kChannel = { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };

// Channel n in use, its number in the spare cell so that it can be followed as it moves.
Record marked(int n)
{
    Record record = kChannel;
    record[15] = n;
    return record;
}

} // namespace

class TestChannelRows : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_document = new RadioDocument;
        m_messages.clear();
        Prompt::setHandler([this](const Prompt::Message& m) {
            m_messages.append(m.text);
            return QMessageBox::Yes;
        });
        m_table = new frm_chann(*m_document);
        m_table->resize(1000, 600);
        m_table->show();
        m_table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_table));
        m_grid = m_table->grid();
    }
    void cleanup()
    {
        delete m_table;
        delete m_document;
        Prompt::setHandler({});
    }

    void pasteFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<QList<Record>>("records");   // channels first, first + 1, ...
        QTest::addColumn<QString>("message");
        const QString header = "Channel\tRX Frequency\tTX Frequency\tCTCSS/DCS Dec\tCTCSS/DCS Enc\tTX Power\tW/N\tName\r\n";
        QTest::newRow("spreadsheet rows")
            << header + "1\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t\r\n9\t446.1\t\t88.5\t\tlow\tNarrow\tab\n"
            << 5
            << QList<Record>{ kChannel, { 9, 0x00, 0x61, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x00, 12, 13, 0xFF, 0xFF, 0xFF, 0 },
                              marked(7) }
            << QString();
        QTest::newRow("a bad row keeps its channel")
            << "1\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t\n2\t500\t\t\t\t\t\t\n3\t446.1\t446.1\tD023I\tX\tHigh\tWide\t\n"
            << 5 << QList<Record>{ kChannel, marked(6), marked(7), marked(8) }
            << "Row 2 (channel 6): the receive frequency 500 MHz lies outside the range 400 to 470 MHz.\n"
               "Row 3 (channel 7): the encode tone \"X\" is not in the radio's table.";
        QTest::newRow("an empty row empties its channel")
            << "5\t\t\t\t\t\t\t\n" << 5 << QList<Record>{ kUnused, marked(6) } << QString();
        QTest::newRow("too many rows")
            << "1\t446.00625\t446.00625\t\t\t\t\t\n2\t446.00625\t446.00625\t\t\t\t\t\n3\t446.1\t\t\t\t\t\t\n" << 127
            << QList<Record>{ kChannel, kChannel } << "Row 3: there is no channel after channel 128.";
    }
    void pasteFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(QList<Record>, records);
        QFETCH(QString, message);
        markAll();
        const MemoryImage before = m_document->image();
        QGuiApplication::clipboard()->setText(text);
        m_table->selectChannels({ first });
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);

        for (int i = 0; i < records.size(); ++i)
            QCOMPARE(record(first + i), records[i]);
        QCOMPARE(m_messages.isEmpty() ? QString() : m_messages.first().section(u'\n', 1), message);
        QCOMPARE(m_document->undoStack()->count(), 1);
        m_document->undoStack()->undo();
        QVERIFY(m_document->image() == before);
    }

    // Copied channels keep every bit within the program, and read as a spreadsheet's rows outside it.
    void copyCutAndPasteWithinTheProgram()
    {
        Record odd = kChannel;
        odd[8] = 0x47;   // bits no field uses
        odd[15] = 0x5A;
        setRecord(3, odd);
        setRecord(4, kChannel);
        m_grid->setFocus();
        m_table->selectChannels({ 3 });
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().split("\r\n").mid(1, 1),
                 QStringList{ "3\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t" });
        QCOMPARE(record(3), kUnused);

        m_table->selectChannels({ 127 });
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(record(127), odd);
        QCOMPARE(record(128), kChannel);
        QCOMPARE(m_table->selectedChannels(), (QList<int>{ 127, 128 }));
        QCOMPARE(m_document->undoStack()->count(), 2);
    }

    void insertDeleteMove_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("lastUsed");        // false: channels 127 and 128 are unused
        QTest::addColumn<QList<int>>("shown");     // the marks of channels 1, 2, 3, 127, 128; 0: unused
        QTest::addColumn<int>("priority");         // channel 3 was the priority channel
        QTest::newRow("insert at row 1") << "insert" << QList<int>{ 1 } << false << QList<int>{ 0, 1, 2, 126, 0 } << 4;
        QTest::newRow("insert refused: 128 in use") << "insert" << QList<int>{ 5 } << true
                                                   << QList<int>{ 1, 2, 3, 127, 128 } << 3;
        QTest::newRow("delete row 1") << "delete" << QList<int>{ 1 } << true << QList<int>{ 2, 3, 4, 128, 0 } << 2;
        QTest::newRow("delete 3 and 128") << "delete" << QList<int>{ 3, 128 } << true << QList<int>{ 1, 2, 4, 0, 0 } << 0;
        QTest::newRow("move row 1 up: refused") << "up" << QList<int>{ 1, 2 } << true << QList<int>{ 1, 2, 3, 127, 128 } << 3;
        QTest::newRow("move row 128 up") << "up" << QList<int>{ 128 } << true << QList<int>{ 1, 2, 3, 128, 127 } << 3;
        QTest::newRow("move row 128 down: refused") << "down" << QList<int>{ 128 } << true
                                                   << QList<int>{ 1, 2, 3, 127, 128 } << 3;
        QTest::newRow("move rows 1 and 3 down") << "down" << QList<int>{ 1, 3 } << true
                                               << QList<int>{ 2, 1, 4, 127, 128 } << 4;
    }
    void insertDeleteMove()
    {
        QFETCH(QString, action);
        QFETCH(QList<int>, selected);
        QFETCH(bool, lastUsed);
        QFETCH(QList<int>, shown);
        QFETCH(int, priority);
        markAll();
        {
            DocumentPoke edit(*m_document);
            if (!lastUsed) {
                edit->fillBlock(127, 0xFF);
                edit->fillBlock(128, 0xFF);
            }
            Settings::setValue(edit.data().image, Settings::kPriorityChannel, 3);
        }
        m_grid->setFocus();
        m_table->selectChannels(selected);
        const QHash<QString, QKeySequence> keys = { { "insert", QKeySequence(Qt::CTRL | Qt::Key_Plus) },
                                                   { "delete", QKeySequence(Qt::CTRL | Qt::Key_Minus) },
                                                   { "up", QKeySequence(Qt::CTRL | Qt::Key_Up) },
                                                   { "down", QKeySequence(Qt::CTRL | Qt::Key_Down) } };
        QTest::keySequence(m_grid, keys[action]);

        QList<int> marks;
        for (int channel : { 1, 2, 3, 127, 128 })
            marks << (record(channel) == kUnused ? 0 : record(channel)[15]);
        QCOMPARE(marks, shown);
        QCOMPARE(Settings::value(m_document->image(), Settings::kPriorityChannel), priority);
        const bool refused = QTest::currentDataTag() == QStringLiteral("insert refused: 128 in use");
        QCOMPARE(m_messages.size(), refused ? 1 : 0);
        const QList<int> unchanged = { 1, 2, 3, 127, 128 };
        QCOMPARE(m_document->undoStack()->count(), shown == unchanged ? 0 : 1);
    }

    void bulkPick_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QList<int>>("cells");     // cell 0, 4, 8, 9 of channels 2..4 after the pick
        // Channel 3 is receive only and has no encode tone to set.
        QTest::newRow("power, keyboard") << int(frm_chann::ColPower) << false << Qt::Key_Up
                                         << QList<int>{ 0, 0, 0, 0x40, 0, 0xFF, 0, 0x40, 0, 0, 0, 0x40 };
        QTest::newRow("decode, shift click") << int(frm_chann::ColDecode) << true << Qt::Key_Down
                                             << QList<int>{ 1, 0, 0, 0xC0, 1, 0xFF, 0, 0xC0, 1, 0, 0, 0xC0 };
        QTest::newRow("encode skips receive only") << int(frm_chann::ColEncode) << false << Qt::Key_End
                                                   << QList<int>{ 0, 153, 0x20, 0xC0, 0, 0xFF, 0, 0xC0, 0, 153, 0x20, 0xC0 };
    }
    void bulkPick()
    {
        QFETCH(int, column);
        QFETCH(bool, byMouse);
        QFETCH(Qt::Key, key);
        QFETCH(QList<int>, cells);
        for (int channel : { 1, 2, 4, 5 })
            setRecord(channel, kChannel);
        setRecord(3, { 0x00, 0x01, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 });
        if (byMouse) {
            QVERIFY(click(2, column));
            QVERIFY(click(4, column, Qt::ShiftModifier));
        } else {
            m_grid->setFocus();
            m_grid->setCurrentCell(1, column);
            m_table->selectChannels({ 2 });
            QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyClick(m_grid, Qt::Key_Return);
        }
        auto* list = m_table->findChild<QComboBox*>("Combo_edit");
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, key);

        QList<int> stored;
        for (int channel = 2; channel <= 4; ++channel)
            for (int cell : { 0, 4, 8, 9 })
                stored << m_document->image().cell(channel, cell);
        QCOMPARE(stored, cells);
        QCOMPARE(record(1), kChannel);
        QCOMPARE(record(5), kChannel);
        QCOMPARE(m_document->undoStack()->count(), 1);
    }

    void fillDown_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("stepKHz");
        QTest::addColumn<QStringList>("rx");          // channels 2..4 after the fill
        QTest::addColumn<QString>("message");
        QTest::newRow("default step") << "446.00625" << 12.5 << QStringList{ "446.01875", "446.03125", "446.04375" }
                                      << QString();
        QTest::newRow("crossing the range limit")
            << "469.975" << 12.5 << QStringList{ "469.98750", "430.00000", "430.00000" }
            << "Channel 3 would get 470.00000 MHz, outside the frequency range 400 to 470 MHz: it and the channels "
               "after it were left as they were.";
    }
    void fillDown()
    {
        QFETCH(QString, start);
        QFETCH(double, stepKHz);
        QFETCH(QStringList, rx);
        QFETCH(QString, message);
        {
            DocumentPoke edit(*m_document);
            StoreFreq(edit.data().image, 2, start, 1, 0);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 1);
            // Channel 3 has a transmit frequency of its own, which an RX fill leaves alone.
            StoreFreq(edit.data().image, 2, "430", 3, 0);
            StoreFreq(edit.data().image, 2, "430", 3, 4);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 3);
            StoreFreq(edit.data().image, 2, "430", 4, 0);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 4);
        }
        m_grid->setFocus();
        m_table->selectChannels({ 1, 2, 3, 4 });
        double offered = 0;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->doubleValue();
            dialog->setDoubleValue(stepKHz);
            dialog->accept();
        });
        QTest::keyClick(m_grid, Qt::Key_D, Qt::ControlModifier);

        QCOMPARE(offered, 12.5);
        for (int channel = 2; channel <= 4; ++channel)
            QCOMPARE(m_table->cellText(channel, frm_chann::ColRx), rx[channel - 2]);
        // A new channel takes its RX frequency for TX; a channel with a TX frequency keeps it.
        QCOMPARE(m_table->cellText(2, frm_chann::ColTx), rx[0]);
        QCOMPARE(m_table->cellText(3, frm_chann::ColTx), QStringLiteral("430.00000"));
        QCOMPARE(m_messages.value(0), message);
        QCOMPARE(m_document->undoStack()->count(), 1);
    }

    // A screen reader hears the channel, the column and the text of a cell.
    void cellsReadTheirChannelAndColumn()
    {
        setRecord(5, kChannel);
        QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(m_grid)->tableInterface();
        QStringList heard;
        for (int column : { int(frm_chann::ColNumber), int(frm_chann::ColRx), int(frm_chann::ColName) })
            heard << cells->cellAt(4, column)->text(QAccessible::Name);
        QCOMPARE(heard, (QStringList{ "Channel 5", "Channel 5, RX frequency, 446.00625", "Channel 5, name, empty" }));
    }

private:
    void setRecord(int channel, const Record& cells) { ::setRecord(*m_document, channel, cells); }
    void markAll()
    {
        DocumentPoke edit(*m_document);
        for (int n = 1; n <= MemoryMap::kChannelCount; ++n)
            for (int c = 0; c < 16; ++c)
                edit->setCell(n, c, quint8(marked(n)[c]));
    }
    Record record(int channel) const { return ::record(*m_document, channel); }
    bool click(int channel, int column, Qt::KeyboardModifiers modifiers = {})
    {
        return clickCell(m_grid, channel, column, modifiers);
    }

    RadioDocument* m_document = nullptr;
    frm_chann* m_table = nullptr;
    QTableWidget* m_grid = nullptr;
    QStringList m_messages;
};

QTEST_MAIN(TestChannelRows)
#include "tst_channel_rows.moc"
