// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table: what it shows of each record, editing in its cells, and
// whole channels driven by the keyboard and the mouse as a user drives them.

#include "channels/ChannelTableWindow.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "Settings.h"
#include "Tables.h"
#include "support/ChannelGrid.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

RadioDocument* g_document = nullptr;

// Channel at 430.0125 MHz both ways, decode 88.5, encode 91.5, low, wide, named CH1.
const Record kUsed = { 0x09, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 };

// Receive only at 430.0125 MHz, no decode tone, high, wide, no name.
const Record kReceiveOnly = { 0x00, 0x01, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };

void setRecord(int channel, const Record& cells)
{
    ::setRecord(*g_document, channel, cells);
}

Record record(int channel)
{
    return ::record(*g_document, channel);
}

// 446.00625 MHz both ways, no tones, high power, wide, no name (memory format 2).
const Record kChannel = { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };

// Channel n in use, its number in the spare cell so that it can be followed as it moves.
Record marked(int n)
{
    Record record = kChannel;
    record[15] = n;
    return record;
}

const QString kRxRange = QStringLiteral("Over the range of receive frequency .");
const QString kTxRange = QStringLiteral("Over the range of transmit frequency .");
const QString kNoRx = QStringLiteral("Please input the receive frequency in advance.");

} // namespace

class TestChannelEditing : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_document = new RadioDocument;
        poke(*g_document).data().version = 1;
        m_messages.clear();
        m_table = new ChannelTableWindow(*g_document);
        Prompt::setHandler(m_table, [this](const Prompt::Message& m) {
            m_messages.append(m.text);
            if (m_duringMessage)
                m_duringMessage();
            return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        });
        m_table->resize(1000, 600);
        m_table->show();
        m_table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_table));
        m_grid = m_table->grid();
        m_text = m_table->findChild<QLineEdit*>(QStringLiteral("Text_Edit"));
        m_list = m_table->findChild<QComboBox*>(QStringLiteral("Combo_edit"));
    }
    void cleanup()
    {
        delete m_table;
        delete g_document;
        m_duringMessage = nullptr;
    }

    // Showing a record changes none of it.
    void showsRecords_data()
    {
        QTest::addColumn<Record>("cells");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("complete channel")
            << Record{ 0x00, 0x01, 0x50, 0x14, 0x09, 0x01, 0x50, 0x14, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList{ "145.01250", "145.01250", "OFF", "   88.5    ", "High", "Wide", "CH1" };
        QTest::newRow("inverted codes")
            << Record{ 50, 0x00, 0x50, 0x44, 153, 0x00, 0x50, 0x44, 0x28, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", " D023I   ", " D754I   ", "Low", "Wide", "" };
        // The inversion bit moves a DCS code only, as the CSV export, the
        // comparison and a paste read it.
        QTest::newRow("tone above 153")
            << Record{ 200, 0x00, 0x50, 0x44, 200, 0x00, 0x50, 0x44, 0x08, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", toneTable()[0], toneTable()[0], "High", "Narrow", "" };
        QTest::newRow("CTCSS tones with the inversion bit")
            << Record{ 21, 0x00, 0x50, 0x44, 9, 0x00, 0x50, 0x44, 0x28, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", toneTable()[21], toneTable()[9], "High", "Narrow", "" };
        QTest::newRow("name codes beyond 37")
            << Record{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x40, 0x0B, 0x01, 0xFF, 0x00 }
            << QStringList{ "445.00000", "445.00000", "OFF", "OFF", "High", "Wide", "C 1" };
        QTest::newRow("unused marker")
            << Record{ 0x09, 0xFF, 0x50, 0x44, 0x09, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList(7, QString());
    }
    void showsRecords()
    {
        QFETCH(Record, cells);
        QFETCH(QStringList, row);
        setRecord(5, cells);
        for (int col = ChannelTableWindow::ColRx; col <= ChannelTableWindow::ColName; ++col)
            QCOMPARE(m_table->cellText(5, col), row[col - 1]);
        QCOMPARE(record(5), cells);
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
            setRecord(n, { 0, 0, 0x50, 0x44, 0, 0, 0x50, 0x44, 0, 0xC0, 255, 255, 255, 255, 255, 0 });
        poke(*g_document)->setCell(0, 0, 0x12);
        poke(*g_document)->setCell(129, 3, 0x34);
        const MemoryImage before = g_document->image();
        QList<Prompt::Message> questions;
        Prompt::setHandler(m_table, [&](const Prompt::Message& m) {
            questions << m;
            return yes ? QMessageBox::Yes : QMessageBox::No;
        });
        m_table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->click();
        Prompt::setHandler(m_table, {});
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions[0].buttons, QMessageBox::Yes | QMessageBox::No);
        if (!yes) {
            QVERIFY(g_document->image() == before);
            return;
        }
        for (int b = 0; b < MemoryImage::kBlocks; ++b) {
            for (int c = 0; c < 16; ++c) {
                const quint8 expected = (b >= 1 && b <= 128) ? 0xFF : before.cell(b, c);
                QCOMPARE(g_document->image().cell(b, c), expected);
            }
        }
        // One step, named after the button, takes it all back.
        QCOMPARE(g_document->history()->undoText(), QStringLiteral("Clear"));
        g_document->history()->undo();
        QVERIFY(g_document->image() == before);
        QCOMPARE(m_table->cellText(1, ChannelTableWindow::ColRx), QStringLiteral("445.00000"));
    }

    void typedFrequency_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Record>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");            // else committed by a click on channel 6
        QTest::addColumn<Record>("after");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("cells");     // RX, TX, decode, encode of channel 5
        QTest::addColumn<QString>("editor");

        const int rx = ChannelTableWindow::ColRx;
        const int tx = ChannelTableWindow::ColTx;
        const QStringList none;
        QTest::newRow("RX: new channel by Enter: TX follows, walk to TX") << rx
            << kUnused << "445" << true
            << Record{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << none << QStringList{ "445.00000", "445.00000", "OFF", "OFF" } << "5,2 text";
        QTest::newRow("RX: new channel by click: receive only") << rx
            << kUnused << "445" << false
            << Record{ 0x00, 0x00, 0x50, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << none << QStringList{ "445.00000", "", "OFF", "" } << "6,1 text";
        QTest::newRow("RX: refused by click on a new channel sets TX too") << rx
            << kUnused << "470" << false
            << Record{ 0x00, 0x00, 0x00, 0x40, 0xFF, 0x00, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << QStringList{ kRxRange } << QStringList{ "400.00000", "400.00000", "OFF", "OFF" } << "6,1 text";
        QTest::newRow("RX: emptied by Enter deletes the channel") << rx
            << kUsed << "" << true << kUnused << none << QStringList{ "", "", "", "" } << "5,2 text";
        QTest::newRow("TX: no TX without RX, Enter walks to the next channel") << tx
            << kUnused << "445" << true << kUnused << QStringList{ kNoRx } << QStringList{ "", "", "", "" } << "6,1 text";
        QTest::newRow("TX: emptied by Enter: receive only") << tx
            << kUsed << "" << true
            << Record{ 0x09, 0x01, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << none << QStringList{ "430.01250", "", "   88.5    ", "" } << "5,3 list";
        QTest::newRow("TX: emptied by click keeps the TX frequency") << tx
            << kUsed << "" << false << kUsed << none << QStringList{ "430.01250", "430.01250", "   88.5    ", "  91.5    " } << "6,2 text";
        QTest::newRow("TX: out of range: lower limit, encode off") << tx
            << kUsed << "500" << true
            << Record{ 0x09, 0x01, 0x00, 0x43, 0x00, 0x00, 0x00, 0x40, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << QStringList{ kTxRange } << QStringList{ "430.01250", "400.00000", "   88.5    ", "OFF" } << "5,3 list";
        QTest::newRow("TX: first TX of a receive-only channel") << tx
            << kReceiveOnly << "440" << true
            << Record{ 0x00, 0x01, 0x00, 0x43, 0xFF, 0x00, 0x00, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << none << QStringList{ "430.01250", "440.00000", "OFF", "OFF" } << "5,3 list";
    }
    void typedFrequency()
    {
        QFETCH(int, column);
        QFETCH(Record, before);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(Record, after);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, cells);
        QFETCH(QString, editor);
        setRecord(5, before);
        m_table->activated();

        QVERIFY(click(5, column));
        QCOMPARE(editorAt(), QStringLiteral("5,%1 text").arg(column));
        key(Qt::Key_Backspace);
        type(typed);
        if (enter)
            key(Qt::Key_Return);
        else
            QVERIFY(click(6, column));

        QCOMPARE(record(5), after);
        QCOMPARE(m_messages, messages);
        for (int col = ChannelTableWindow::ColRx; col <= ChannelTableWindow::ColEncode; ++col)
            QCOMPARE(m_table->cellText(5, col), cells[col - 1]);
        QCOMPARE(editorAt(), editor);
        QCOMPARE(record(6), kUnused);
    }

    void picksAreStoredAtOnce_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("item");
        QTest::addColumn<Record>("after");
        QTest::addColumn<QString>("cell");

        // From kUsed with both inversion bits set and a stray bit 0 in cells 8 and 9.
        QTest::newRow("inverted code D023I") << int(ChannelTableWindow::ColDecode) << 154
            << Record{ 50, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x39, 0x41, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << " D023I   ";
        QTest::newRow("OFF clears the inversion") << int(ChannelTableWindow::ColDecode) << 0
            << Record{ 0, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x31, 0x41, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << "OFF";
        QTest::newRow("narrow") << int(ChannelTableWindow::ColWidth) << 0
            << Record{ 0x09, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x39, 0x01, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
            << "Narrow";
    }
    void picksAreStoredAtOnce()
    {
        QFETCH(int, column);
        QFETCH(int, item);
        QFETCH(Record, after);
        QFETCH(QString, cell);
        Record before = kUsed;
        before[8] = 0x39;
        before[9] = 0x41;
        setRecord(5, before);
        m_table->activated();

        // In a window too narrow to widen the columns the list still shows its
        // longest entry whole ("Narrow", not "Narr").
        m_table->resize(m_table->width() / 2, m_table->height());
        m_grid->scrollToItem(m_grid->item(4, column));
        QVERIFY(click(5, column));
        QCOMPARE(editorAt(), QStringLiteral("5,%1 list").arg(column));
        QStyleOptionComboBox option;
        option.initFrom(m_list);
        const QRect field = m_list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_list);
        for (int i = 0; i < m_list->count(); ++i)
            QVERIFY2(m_list->fontMetrics().horizontalAdvance(m_list->itemText(i)) <= field.width(),
                     qPrintable(m_list->itemText(i)));
        QVERIFY(pick(item));
        QCOMPARE(record(5), after);
        m_grid->scrollToItem(m_grid->item(5, ChannelTableWindow::ColRx));
        QVERIFY(click(6, ChannelTableWindow::ColRx));
        QCOMPARE(m_table->cellText(5, column), cell);
    }

    void nameEnterLeavesNextNameAlone()
    {
        setRecord(5, kUsed);
        setRecord(6, kUsed);
        m_table->activated();
        QVERIFY(click(5, ChannelTableWindow::ColName));
        type(QStringLiteral("ab"));
        key(Qt::Key_Return);
        QCOMPARE(editorAt(), QStringLiteral("6,1 text"));
        QCOMPARE(record(5).mid(10, 5), (Record{ 12, 13, 0xFF, 0xFF, 0xFF }));
        QCOMPARE(record(6), kUsed);
        QCOMPARE(m_table->cellText(6, ChannelTableWindow::ColName), QStringLiteral("CH1"));
    }

    // A channel list typed with the keyboard alone ends up in the image exactly as typed.
    void keyboardOnlyChannelList()
    {
        const MemoryImage before = g_document->image();
        m_grid->setFocus();

        type(QStringLiteral("445"));        // typing into the grid opens the editor
        key(Qt::Key_Return);
        type(QStringLiteral("446"));        // replaces the TX text that followed the RX
        key(Qt::Key_Return);
        key(Qt::Key_Down, 9);               // 88.5 Hz
        key(Qt::Key_Return);
        key(Qt::Key_Down, 2);               // 69.3 Hz
        key(Qt::Key_Return);
        key(Qt::Key_Up);                    // low power
        key(Qt::Key_Return);
        key(Qt::Key_Return);                // stays wide
        type(QStringLiteral("ch1"));
        key(Qt::Key_Return);

        type(QStringLiteral("430.0125"));
        key(Qt::Key_Return);
        key(Qt::Key_Backspace);             // no TX: receive only
        key(Qt::Key_Return);
        key(Qt::Key_Return);                // skips the encode tone: there is no TX
        key(Qt::Key_Return);
        key(Qt::Key_Down);                  // already wide: the list stays at its end
        key(Qt::Key_Return);
        key(Qt::Key_Return);                // no name
        key(Qt::Key_Escape);

        QCOMPARE(record(1), (Record{ 0x09, 0x00, 0x50, 0x44, 0x02, 0x00, 0x60, 0x44, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }));
        QCOMPARE(record(2), (Record{ 0x00, 0x01, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }));
        for (int b = 3; b < MemoryImage::kBlocks; ++b)
            for (int c = 0; c < 16; ++c)
                QCOMPARE(g_document->image().cell(b, c), before.cell(b, c));
    }

    // Walking through the grid never stores anything: a leave commits only what
    // was typed into an open editor. Committing the empty text of a closed editor
    // would delete channels, erase names and blank cells; re-storing shown texts
    // would rewrite records the table shows differently from how they are stored.
    void navigationWithoutTypingChangesNothing()
    {
        setRecord(1, kUsed);
        setRecord(2, kReceiveOnly);
        // A step count beyond 7 and name codes beyond 37: shown, but not as stored.
        setRecord(3, { 0xC8, 0x09, 0x00, 0x43, 0x2A, 0x0A, 0x00, 0x43, 0x38, 0x3F, 0x0E, 0x40, 0x0B, 0x01, 0x50, 0x07 });
        setRecord(5, kUsed);
        m_table->activated();
        const MemoryImage before = g_document->image();
        QStringList texts;
        for (int n = 1; n <= 6; ++n)
            for (int col = 0; col < ChannelTableWindow::ColumnCount; ++col)
                texts.append(m_table->cellText(n, col));
        auto unchanged = [&] {
            QStringList now;
            for (int n = 1; n <= 6; ++n)
                for (int col = 0; col < ChannelTableWindow::ColumnCount; ++col)
                    now.append(m_table->cellText(n, col));
            return g_document->image().bytes() == before.bytes() && now == texts;
        };

        m_grid->setFocus();
        m_grid->setCurrentCell(0, ChannelTableWindow::ColRx);
        key(Qt::Key_Right, 7);
        key(Qt::Key_Down, 2);
        key(Qt::Key_Left, 7);
        key(Qt::Key_Tab, 20);
        QTest::keyClick(m_grid, Qt::Key_Home, Qt::ControlModifier);
        QVERIFY(unchanged());

        // Editors opened by clicks and by Enter, then left by clicks, arrows and Tab.
        for (int n = 1; n <= 5; ++n)
            for (int col = ChannelTableWindow::ColRx; col <= ChannelTableWindow::ColName; ++col)
                QVERIFY(click(n, col));
        QVERIFY(click(3, ChannelTableWindow::ColRx));
        key(Qt::Key_Down);
        QVERIFY(click(3, ChannelTableWindow::ColName));
        key(Qt::Key_Tab);
        QVERIFY(click(3, ChannelTableWindow::ColDecode));
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        key(Qt::Key_Left, 3);
        QVERIFY(click(6, ChannelTableWindow::ColRx));
        QVERIFY(unchanged());

        // A wheel turn over an open list scrolls the grid instead of picking.
        QVERIFY(click(1, ChannelTableWindow::ColDecode));
        const int scrolled = m_grid->verticalScrollBar()->value();
        const QPoint at = m_list->rect().center();
        QWheelEvent wheel(at, m_list->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_list, &wheel);
        QVERIFY(m_grid->verticalScrollBar()->value() > scrolled);
        QVERIFY(click(10, ChannelTableWindow::ColRx));
        QVERIFY(unchanged());
    }

    // Scrolling takes the text editor away; what was typed into it is committed.
    void scrollingCommitsTypedText()
    {
        QVERIFY(click(5, ChannelTableWindow::ColRx));
        type(QStringLiteral("445"));
        m_grid->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->value() + 3);
        QVERIFY(!m_text->isVisible());
        QCOMPARE(record(5).mid(0, 5), (Record{ 0x00, 0x00, 0x50, 0x44, 0xFF }));
    }

    // The window refills on every activation; an editor open at that moment stays
    // open with its text.
    void activationKeepsAnOpenEdit()
    {
        setRecord(6, kUsed);
        m_table->activated();
        QVERIFY(click(5, ChannelTableWindow::ColRx));
        type(QStringLiteral("44"));
        setRecord(9, kUsed);
        m_table->activated();
        QCOMPARE(m_table->cellText(9, ChannelTableWindow::ColRx), QStringLiteral("430.01250"));
        type(QStringLiteral("5"));
        key(Qt::Key_Return);
        QCOMPARE(record(5).mid(1, 3), (Record{ 0x00, 0x50, 0x44 }));
    }

    // A message shown by a commit suspends it; whatever the window goes through
    // meanwhile (activation, a moved cell) commits nothing a second time.
    void messageDoesNotCommitTwice()
    {
        setRecord(6, kUsed);
        m_table->activated();
        m_duringMessage = [this] {
            m_table->activated();
            m_grid->setCurrentCell(5, ChannelTableWindow::ColName);
            m_grid->setCurrentCell(6, ChannelTableWindow::ColRx);
        };
        QVERIFY(click(5, ChannelTableWindow::ColRx));
        type(QStringLiteral("500"));
        QVERIFY(click(6, ChannelTableWindow::ColName));
        QCOMPARE(m_messages, QStringList{ kRxRange });
        QCOMPARE(record(5), (Record{ 0x00, 0x00, 0x00, 0x40, 0xFF, 0x00, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }));
        QCOMPARE(record(6), kUsed);
    }

    // Whole channels: each action is one undo step, checked in the image bytes.
    void pasteFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("rangeHigh");
        QTest::addColumn<QList<Record>>("records");   // channels first, first + 1, ...
        QTest::addColumn<QString>("message");
        const QString header = "Channel\tRX Frequency\tTX Frequency\tCTCSS/DCS Dec\tCTCSS/DCS Enc\tTX Power\tW/N\tName\r\n";
        const QString row = "1\t446.00625\t446.00625\t\t\t\t\t\n";
        QTest::newRow("spreadsheet rows")
            << header + "1\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t\r\n9\t446.1\t\t88.5\t\tlow\tNarrow\tab\n"
            << 5 << 470
            << QList<Record>{ kChannel, { 9, 0x00, 0x61, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x00, 12, 13, 0xFF, 0xFF, 0xFF, 0 },
                              marked(7) }
            << QString();
        QTest::newRow("a bad row keeps its channel")
            << "1\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t\n2\t500\t\t\t\t\t\t\n3\t446.1\t446.1\tD023I\tX\tHigh\tWide\t\n"
            << 5 << 470 << QList<Record>{ kChannel, marked(6), marked(7), marked(8) }
            << "Row 2 (channel 6): the receive frequency 500 MHz lies outside the range 400 to 470 MHz.\n"
               "Row 3 (channel 7): the encode tone \"X\" is not in the radio's table.";
        QTest::newRow("too many rows")
            << row + row + "3\t446.1\t\t\t\t\t\t\n" << 127 << 470
            << QList<Record>{ kChannel, kChannel } << "Row 3: past the last channel (128).";
        const QString noTabs = ": the row is not a row of the channel table: its columns must be separated by tabs.";
        QTest::newRow("comma-separated text")
            << "Location,Frequency\n1,446.5\n2,446.6\n3,446.7\n" << 1 << 470
            << QList<Record>{ marked(1), marked(2), marked(3), marked(4), marked(5) }
            << "Row 1 (channel 1)" + noTabs + "\nRow 2 (channel 2)" + noTabs + "\nRow 3 (channel 3)" + noTabs
                   + "\nRow 4 (channel 4)" + noTabs;
        QTest::newRow("an empty line keeps the place of its row")
            << "\r\n" + row + "\r\n" + row + "\n\n" << 5 << 470 << QList<Record>{ kChannel, marked(6), kChannel, marked(8) }
            << "Row 2 (channel 6)" + noTabs;
        QTest::newRow("a quoted cell with a line break")
            << "1\t446.00625\t446.00625\tOFF\tOFF\tHigh\tWide\t\"A\r\n\"\"B\"\"\"\r\n" + row << 5 << 470
            << QList<Record>{ { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x10, 0xC0, 12, 11, 11, 11, 13, 0x00 },
                              kChannel, marked(7) }
            << QString();
        QTest::newRow("quotes that do not pair up are text")
            << "1\t446.00625\t446.00625\t\t\t\t\t\"A\n" + row << 5 << 470
            << QList<Record>{ { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x10, 0xC0, 11, 12, 0xFF, 0xFF, 0xFF, 0x00 },
                              kChannel, marked(7) }
            << QString();
        QTest::newRow("a first row of data") << "x" + row << 5 << 470 << QList<Record>{ kChannel, marked(6) } << QString();
        QTest::newRow("the header in Chinese")
            << QStringLiteral("信道号\t接收频率(MHZ)\t发射频率(MHZ)\tQT/DQT 解码\tQT/DQT 编码\t发射功率\t信道带宽\t信道名称\n") + row
            << 5 << 470 << QList<Record>{ kChannel, marked(6) } << QString();
        QTest::newRow("a long cell")
            << "1\t" + QString(500, u'4') + "\n" << 5 << 470 << QList<Record>{ marked(5) }
            << "Row 1 (channel 5): the receive frequency 444444444444444444444444… MHz lies outside the range 400 to 470 MHz.";
        QTest::newRow("more than the frequency field holds")
            << "1\t1650.5\t\t\t\t\t\t\n" << 5 << 1665 << QList<Record>{ marked(5) }
            << "Row 1 (channel 5): the receive frequency 1650.5 MHz cannot be stored: the radio holds frequencies "
               "below 1000 MHz only.";
    }
    void pasteFromText()
    {
        useMemoryFormat(2);
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, rangeHigh);
        QFETCH(QList<Record>, records);
        QFETCH(QString, message);
        markAll();
        poke(*g_document).data().rangeHigh = rangeHigh;
        const MemoryImage before = g_document->image();
        QGuiApplication::clipboard()->setText(text);
        m_table->selectChannels({ first });
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);

        for (int i = 0; i < records.size(); ++i)
            QCOMPARE(record(first + i), records[i]);
        QCOMPARE(m_messages.isEmpty() ? QString() : m_messages.first().section(u'\n', 1), message);
        // A paste that changes something is one step; one that changes nothing is none.
        const bool changed = !(g_document->image() == before);
        QCOMPARE(g_document->history()->count(), changed ? 1 : 0);
        if (changed)
            g_document->history()->undo();
        QVERIFY(g_document->image() == before);
    }

    // A copy pasted back as text, as a spreadsheet gives it back, reads as the
    // table showed it; a name keeps its blanks.
    void copiedTextPastesBackAsShown_data()
    {
        QTest::addColumn<Record>("cells");
        QTest::addColumn<Record>("pasted");
        const Record trailingBlank = { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x10, 0xC0, 12, 13, 11, 0xFF, 0xFF, 0x00 };
        const Record blanks = { 0x00, 0x01, 0x60, 0x44, 0x00, 0x01, 0x60, 0x44, 0x10, 0xC0, 11, 11, 0xFF, 0xFF, 0xFF, 0x00 };
        QTest::newRow("a name with a blank at its end") << trailingBlank << trailingBlank;
        QTest::newRow("a name of blanks") << blanks << blanks;
        QTest::newRow("CTCSS tones with the inversion bit")
            << Record{ 21, 0x01, 0x60, 0x44, 9, 0x01, 0x60, 0x44, 0x28, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
            << Record{ 21, 0x01, 0x60, 0x44, 9, 0x01, 0x60, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };
    }
    void copiedTextPastesBackAsShown()
    {
        useMemoryFormat(2);
        QFETCH(Record, cells);
        QFETCH(Record, pasted);
        setRecord(3, cells);
        m_grid->setFocus();
        m_table->selectChannels({ 3 });
        QTest::keyClick(m_grid, Qt::Key_C, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QGuiApplication::clipboard()->text());
        m_table->selectChannels({ 10 });
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(record(10), pasted);
        for (int col = ChannelTableWindow::ColRx; col <= ChannelTableWindow::ColName; ++col)
            QCOMPARE(m_table->cellText(10, col), m_table->cellText(3, col));
    }

    // Copied channels keep every bit within the program, and read as a spreadsheet's rows outside it.
    void copyCutAndPasteWithinTheProgram()
    {
        useMemoryFormat(2);
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
        QCOMPARE(g_document->history()->count(), 2);
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
        useMemoryFormat(2);
        QFETCH(QString, action);
        QFETCH(QList<int>, selected);
        QFETCH(bool, lastUsed);
        QFETCH(QList<int>, shown);
        QFETCH(int, priority);
        markAll();
        {
            DocumentPoke edit(*g_document);
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
        QCOMPARE(Settings::value(g_document->image(), Settings::kPriorityChannel), priority);
        const bool refused = QTest::currentDataTag() == QStringLiteral("insert refused: 128 in use");
        QCOMPARE(m_messages.size(), refused ? 1 : 0);
        const QList<int> unchanged = { 1, 2, 3, 127, 128 };
        QCOMPARE(g_document->history()->count(), shown == unchanged ? 0 : 1);
    }

    // Emptying the priority channel's channel, however it is done, makes the
    // priority none in the same step.
    void emptyingThePriorityChannelMakesItNone_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("receive frequency emptied") << "rx";
        QTest::newRow("cut") << "cut";
        QTest::newRow("clear") << "clear";
    }
    void emptyingThePriorityChannelMakesItNone()
    {
        QFETCH(QString, how);
        useMemoryFormat(2);
        markAll();
        poke(*g_document)->setCell(MemoryMap::kSettingsBlock, MemoryMap::kPriorityChannelCell, 3);
        m_table->activated();
        if (how == "rx") {
            QVERIFY(click(3, ChannelTableWindow::ColRx));
            key(Qt::Key_Backspace);
            key(Qt::Key_Return);
        } else if (how == "cut") {
            m_grid->setFocus();
            m_table->selectChannels({ 3 });
            QTest::keySequence(m_grid, QKeySequence::Cut);
        } else {
            m_table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->click();
        }
        QCOMPARE(record(3), kUnused);
        QCOMPARE(g_document->image().cell(MemoryMap::kSettingsBlock, MemoryMap::kPriorityChannelCell), 0);
        QCOMPARE(g_document->history()->count(), 1);
        g_document->history()->undo();
        QCOMPARE(g_document->image().cell(MemoryMap::kSettingsBlock, MemoryMap::kPriorityChannelCell), 3);
    }

    // Every list editor covers its cell, also once it has fitted itself to its entries.
    void listEditorsCoverTheirCell_data()
    {
        QTest::addColumn<int>("column");
        for (int column : { ChannelTableWindow::ColDecode, ChannelTableWindow::ColEncode, ChannelTableWindow::ColPower, ChannelTableWindow::ColWidth })
            QTest::addRow("column %d", column) << column;
    }
    void listEditorsCoverTheirCell()
    {
        QFETCH(int, column);
        useMemoryFormat(2);
        markAll();
        m_table->activated();
        m_grid->setColumnWidth(column, 140);
        QVERIFY(click(1, column));
        QVERIFY(m_list->isVisible());
        m_list->adjustSize();   // what the list does by itself once its entries are in
        QVERIFY(m_list->geometry().contains(m_grid->visualItemRect(m_grid->item(0, column))));
    }

    void bulkPick_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QList<int>>("cells");     // cell 0, 4, 8, 9 of channels 2..4 after the pick
        // Channel 3 is receive only and has no encode tone to set.
        QTest::newRow("power, keyboard") << int(ChannelTableWindow::ColPower) << false << Qt::Key_Up
                                         << QList<int>{ 0, 0, 0, 0x40, 0, 0xFF, 0, 0x40, 0, 0, 0, 0x40 };
        QTest::newRow("decode, shift click") << int(ChannelTableWindow::ColDecode) << true << Qt::Key_Down
                                             << QList<int>{ 1, 0, 0, 0xC0, 1, 0xFF, 0, 0xC0, 1, 0, 0, 0xC0 };
        QTest::newRow("encode skips receive only") << int(ChannelTableWindow::ColEncode) << false << Qt::Key_End
                                                   << QList<int>{ 0, 153, 0x20, 0xC0, 0, 0xFF, 0, 0xC0, 0, 153, 0x20, 0xC0 };
    }
    void bulkPick()
    {
        useMemoryFormat(2);
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
                stored << g_document->image().cell(channel, cell);
        QCOMPARE(stored, cells);
        QCOMPARE(record(1), kChannel);
        QCOMPARE(record(5), kChannel);
        QCOMPARE(g_document->history()->count(), 1);
    }

    // A fill that would cross the range limit stops there and says so.
    void fillDown()
    {
        useMemoryFormat(2);
        {
            DocumentPoke edit(*g_document);
            storeFreq(edit.data().image, 2, "469.975", 1, 0);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 1);
            // Channel 3 has a transmit frequency of its own, which an RX fill leaves alone.
            storeFreq(edit.data().image, 2, "430", 3, 0);
            storeFreq(edit.data().image, 2, "430", 3, 4);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 3);
            storeFreq(edit.data().image, 2, "430", 4, 0);
            ChannelRecord::setNewChannelDefaults(edit.data().image, 4);
        }
        m_grid->setFocus();
        m_table->selectChannels({ 1, 2, 3, 4 });
        double offered = 0;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->doubleValue();
            dialog->accept();
        });
        QTest::keyClick(m_grid, Qt::Key_D, Qt::ControlModifier);

        QCOMPARE(offered, 12.5);
        const QStringList rx = { "469.98750", "430.00000", "430.00000" };   // channels 2..4
        for (int channel = 2; channel <= 4; ++channel)
            QCOMPARE(m_table->cellText(channel, ChannelTableWindow::ColRx), rx[channel - 2]);
        // A new channel takes its RX frequency for TX; a channel with a TX frequency keeps it.
        QCOMPARE(m_table->cellText(2, ChannelTableWindow::ColTx), rx[0]);
        QCOMPARE(m_table->cellText(3, ChannelTableWindow::ColTx), QStringLiteral("430.00000"));
        QCOMPARE(m_messages, QStringList{ "Channel 3 would get 470.00000 MHz, outside the frequency range 400 to 470 MHz: "
                                          "it and the channels after it were left as they were." });
        QCOMPARE(g_document->history()->count(), 1);
    }

    // A screen reader hears the channel, the column and the text of a cell.
    void cellsReadTheirChannelAndColumn()
    {
        useMemoryFormat(2);
        setRecord(5, kChannel);
        QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(m_grid)->tableInterface();
        QStringList heard;
        for (int column : { int(ChannelTableWindow::ColNumber), int(ChannelTableWindow::ColRx), int(ChannelTableWindow::ColName) })
            heard << cells->cellAt(4, column)->text(QAccessible::Name);
        QCOMPARE(heard, (QStringList{ "Channel 5", "Channel 5, RX frequency, 446.00625", "Channel 5, name, empty" }));
        // A column header has no channel text: a screen reader says its caption.
        for (int column = 0; column < ChannelTableWindow::ColumnCount; ++column)
            QVERIFY(!m_grid->model()->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).isValid());
    }

    // Clicks on the channel numbers: each is a channel and its modifiers.
    void numberColumnSelectsChannels_data()
    {
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<QList<int>>("modifiers");
        QTest::addColumn<QList<int>>("selected");
        const int plain = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("click") << QList<int>{ 7 } << QList<int>{ plain } << QList<int>{ 7 };
        QTest::newRow("another click") << QList<int>{ 7, 3 } << QList<int>{ plain, plain } << QList<int>{ 3 };
        QTest::newRow("shift down") << QList<int>{ 3, 6 } << QList<int>{ plain, shift } << QList<int>{ 3, 4, 5, 6 };
        QTest::newRow("shift up") << QList<int>{ 6, 4 } << QList<int>{ plain, shift } << QList<int>{ 4, 5, 6 };
        QTest::newRow("shift twice keeps the anchor")
            << QList<int>{ 5, 8, 6 } << QList<int>{ plain, shift, shift } << QList<int>{ 5, 6 };
        QTest::newRow("ctrl adds") << QList<int>{ 2, 9 } << QList<int>{ plain, ctrl } << QList<int>{ 2, 9 };
        QTest::newRow("ctrl takes out")
            << QList<int>{ 2, 3, 4, 3 } << QList<int>{ plain, shift, shift, ctrl } << QList<int>{ 2, 4 };
    }
    void numberColumnSelectsChannels()
    {
        QFETCH(QList<int>, channels);
        QFETCH(QList<int>, modifiers);
        QFETCH(QList<int>, selected);
        markAll();
        for (int i = 0; i < channels.size(); ++i)
            QVERIFY(click(channels[i], ChannelTableWindow::ColNumber, Qt::KeyboardModifiers(modifiers[i])));
        QCOMPARE(m_table->selectedChannels(), selected);
        // No editor opens, and the channels still hold what they held.
        QCOMPARE(editorAt().right(4), QStringLiteral("none"));
        QVERIFY(m_grid->currentColumn() != ChannelTableWindow::ColNumber);
        for (int n : selected)
            QCOMPARE(record(n), marked(n));
        // A row action works on them.
        QTest::keyClick(m_grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size(),
                 selected.size() + 1);
    }

private:
    bool click(int channel, int column, Qt::KeyboardModifiers modifiers = {})
    {
        return clickCell(m_grid, channel, column, modifiers);
    }
    void useMemoryFormat(int version) { poke(*g_document).data().version = version; }
    void markAll()
    {
        DocumentPoke edit(*g_document);
        for (int n = 1; n <= MemoryMap::kChannelCount; ++n)
            for (int c = 0; c < 16; ++c)
                edit->setCell(n, c, quint8(marked(n)[c]));
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void key(Qt::Key k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), k);
    }

    bool pick(int item)
    {
        if (!m_list->isVisible())
            return false;
        m_list->showPopup();
        QAbstractItemView* view = m_list->view();
        if (!QTest::qWaitFor([view] { return view->isVisible(); }))
            return false;
        const QModelIndex index = view->model()->index(item, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        return QTest::qWaitFor([view] { return !view->isVisible(); });
    }

    // The cell with the open editor: the grid's current cell, and which editor shows.
    QString editorAt() const
    {
        const QString where = QStringLiteral("%1,%2 ").arg(m_grid->currentRow() + 1).arg(m_grid->currentColumn());
        if (m_text->isVisible() && m_text->hasFocus())
            return where + QStringLiteral("text");
        if (m_list->isVisible() && m_list->hasFocus())
            return where + QStringLiteral("list");
        return where + QStringLiteral("none");
    }

    ChannelTableWindow* m_table = nullptr;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_text = nullptr;
    QComboBox* m_list = nullptr;
    QStringList m_messages;
    std::function<void()> m_duringMessage;
};

QTEST_MAIN(TestChannelEditing)
#include "tst_channeltable.moc"
