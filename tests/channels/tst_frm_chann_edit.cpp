#include "channels/frm_chann.h"
#include "ui/Prompt.h"

#include "Language.h"
#include "support/ChannelGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
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
        Prompt::setHandler([this](const Prompt::Message& m) {
            m_messages.append(m.text);
            if (m_duringMessage)
                m_duringMessage();
            return QMessageBox::Ok;
        });
        m_table = new frm_chann(*g_document);
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
        Prompt::setHandler({});
        applyUiLanguage(false);
    }

    void typedFrequency_data();
    void typedFrequency();
    void typedTextStopsAtTenCharacters();
    void picksAreStoredAtOnce_data();
    void picksAreStoredAtOnce();
    void whereEditorsOpen_data();
    void whereEditorsOpen();
    void nameEnterLeavesNextNameAlone();
    void keyboardOnlyChannelList();
    void navigationWithoutTypingChangesNothing();
    void escapeAbandonsTheEdit();
    void scrollingCommitsTypedText();
    void activationKeepsAnOpenEdit();
    void messageDoesNotCommitTwice();
    void chineseMessagesAndLists();

private:
    bool click(int channel, int column) { return clickCell(m_grid, channel, column); }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void key(Qt::Key k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), k);
    }
    bool pick(int item);
    // The cell with the open editor: the grid's current cell, and which editor shows.
    QString editorAt() const;

    frm_chann* m_table = nullptr;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_text = nullptr;
    QComboBox* m_list = nullptr;
    QStringList m_messages;
    std::function<void()> m_duringMessage;
};

static const QString kRxRange = QStringLiteral("Over the range of receive frequency .");
static const QString kTxRange = QStringLiteral("Over the range of transmit frequency .");
static const QString kNoRx = QStringLiteral("Please input the receive frequency in advance.");

bool TestChannelEditing::pick(int item)
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

QString TestChannelEditing::editorAt() const
{
    const QString where = QStringLiteral("%1,%2 ").arg(m_grid->currentRow() + 1).arg(m_grid->currentColumn());
    if (m_text->isVisible() && m_text->hasFocus())
        return where + QStringLiteral("text");
    if (m_list->isVisible() && m_list->hasFocus())
        return where + QStringLiteral("list");
    return where + QStringLiteral("none");
}

void TestChannelEditing::typedFrequency_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Record>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");            // else committed by a click on channel 6
    QTest::addColumn<Record>("after");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("cells");     // RX, TX, decode, encode of channel 5
    QTest::addColumn<QString>("editor");

    const int rx = frm_chann::ColRx;
    const int tx = frm_chann::ColTx;
    const QStringList none;
    QTest::newRow("RX: new channel by Enter: TX follows, walk to TX") << rx
        << kUnused << "445" << true
        << Record{ 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "445.00000", "445.00000", "OFF", "OFF" } << "5,2 text";
    QTest::newRow("RX: new channel by click: receive only") << rx
        << kUnused << "445" << false
        << Record{ 0x00, 0x00, 0x50, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "445.00000", "", "OFF", "" } << "6,1 text";
    QTest::newRow("RX: upper limit refused") << rx
        << kUnused << "470" << true
        << Record{ 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
        << QStringList{ kRxRange } << QStringList{ "400.00000", "400.00000", "OFF", "OFF" } << "5,2 text";
    QTest::newRow("RX: refused by click on a new channel sets TX too") << rx
        << kUnused << "470" << false
        << Record{ 0x00, 0x00, 0x00, 0x40, 0xFF, 0x00, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
        << QStringList{ kRxRange } << QStringList{ "400.00000", "400.00000", "OFF", "OFF" } << "6,1 text";
    QTest::newRow("RX: between steps goes to the step below") << rx
        << kUsed << "445.0130" << true
        << Record{ 0x09, 0x01, 0x50, 0x44, 0x0A, 0x01, 0x00, 0x43, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "445.01250", "430.01250", "   88.5    ", "  91.5    " } << "5,2 text";
    QTest::newRow("RX: no number is the value 0") << rx
        << kUsed << "abc" << false
        << Record{ 0x09, 0x00, 0x00, 0x40, 0x0A, 0x01, 0x00, 0x43, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << QStringList{ kRxRange } << QStringList{ "400.00000", "430.01250", "   88.5    ", "  91.5    " }
        << "6,1 text";
    QTest::newRow("RX: trailing letters are ignored") << rx
        << kUsed << "445abc" << true
        << Record{ 0x09, 0x00, 0x50, 0x44, 0x0A, 0x01, 0x00, 0x43, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "445.00000", "430.01250", "   88.5    ", "  91.5    " } << "5,2 text";
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
    QTest::newRow("TX: trailing letters: the cell shows what is stored") << tx
        << kUsed << "445abc" << true
        << Record{ 0x09, 0x01, 0x00, 0x43, 0x0A, 0x00, 0x50, 0x44, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "430.01250", "445.00000", "   88.5    ", "  91.5    " } << "5,3 list";
    QTest::newRow("TX: first TX of a receive-only channel") << tx
        << kReceiveOnly << "440" << true
        << Record{ 0x00, 0x01, 0x00, 0x43, 0xFF, 0x00, 0x00, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }
        << none << QStringList{ "430.01250", "440.00000", "OFF", "OFF" } << "5,3 list";
}

void TestChannelEditing::typedFrequency()
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
    for (int col = frm_chann::ColRx; col <= frm_chann::ColEncode; ++col)
        QCOMPARE(m_table->cellText(5, col), cells[col - 1]);
    QCOMPARE(editorAt(), editor);
    QCOMPARE(record(6), kUnused);
}

void TestChannelEditing::typedTextStopsAtTenCharacters()
{
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("445.01250000"));
    QCOMPARE(m_text->text(), QStringLiteral("445.012500"));
    key(Qt::Key_Return);    // a full text takes no Enter either
    QCOMPARE(editorAt(), QStringLiteral("5,1 text"));
    QCOMPARE(record(5), kUnused);
    key(Qt::Key_Backspace);
    type(QStringLiteral("99"));
    QCOMPARE(m_text->text(), QStringLiteral("445.012509"));
    QVERIFY(click(7, frm_chann::ColRx));
    QCOMPARE(m_table->cellText(5, frm_chann::ColRx), QStringLiteral("445.01250"));
    QCOMPARE(record(5).mid(1, 3), (Record{ 0x01, 0x50, 0x44 }));
}

void TestChannelEditing::picksAreStoredAtOnce_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("item");
    QTest::addColumn<Record>("after");
    QTest::addColumn<QString>("cell");

    // From kUsed with both inversion bits set and a stray bit 0 in cells 8 and 9.
    QTest::newRow("inverted code D023I") << int(frm_chann::ColDecode) << 154
        << Record{ 50, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x39, 0x41, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << " D023I   ";
    QTest::newRow("OFF clears the inversion") << int(frm_chann::ColDecode) << 0
        << Record{ 0, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x31, 0x41, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << "OFF";
    QTest::newRow("encode CTCSS") << int(frm_chann::ColEncode) << 49
        << Record{ 0x09, 0x01, 0x00, 0x43, 49, 0x01, 0x00, 0x43, 0x19, 0x41, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << "  250.3   ";
    QTest::newRow("high power") << int(frm_chann::ColPower) << 1
        << Record{ 0x09, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x39, 0xC1, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << "High";
    QTest::newRow("narrow") << int(frm_chann::ColWidth) << 0
        << Record{ 0x09, 0x01, 0x00, 0x43, 0x0A, 0x01, 0x00, 0x43, 0x39, 0x01, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }
        << "Narrow";
}

void TestChannelEditing::picksAreStoredAtOnce()
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
    m_grid->scrollToItem(m_grid->item(5, frm_chann::ColRx));
    QVERIFY(click(6, frm_chann::ColRx));
    QCOMPARE(m_table->cellText(5, column), cell);
}

void TestChannelEditing::whereEditorsOpen_data()
{
    QTest::addColumn<Record>("before");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("editor");

    QTest::newRow("unused RX") << kUnused << int(frm_chann::ColRx) << "5,1 text";
    QTest::newRow("unused TX") << kUnused << int(frm_chann::ColTx) << "5,2 text";
    for (int col = frm_chann::ColDecode; col <= frm_chann::ColName; ++col)
        QTest::addRow("unused column %d", col) << kUnused << col << QStringLiteral("5,%1 none").arg(col);
    QTest::newRow("no encode tone without TX") << kReceiveOnly << int(frm_chann::ColEncode) << "5,4 none";
    QTest::newRow("decode tone") << kReceiveOnly << int(frm_chann::ColDecode) << "5,3 list";
    QTest::newRow("name") << kReceiveOnly << int(frm_chann::ColName) << "5,7 text";
    QTest::newRow("channel number") << kUsed << int(frm_chann::ColNumber) << "5,0 none";
}

void TestChannelEditing::whereEditorsOpen()
{
    QFETCH(Record, before);
    QFETCH(int, column);
    QFETCH(QString, editor);
    setRecord(5, before);
    m_table->activated();
    QVERIFY(click(5, column));
    QCOMPARE(editorAt(), editor);
    QCOMPARE(record(5), before);
}

void TestChannelEditing::nameEnterLeavesNextNameAlone()
{
    setRecord(5, kUsed);
    setRecord(6, kUsed);
    setRecord(128, kUsed);
    m_table->activated();
    QVERIFY(click(5, frm_chann::ColName));
    type(QStringLiteral("ab"));
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("6,1 text"));
    QCOMPARE(record(5).mid(10, 5), (Record{ 12, 13, 0xFF, 0xFF, 0xFF }));
    QCOMPARE(record(6), kUsed);
    QCOMPARE(m_table->cellText(6, frm_chann::ColName), QStringLiteral("CH1"));

    // The last channel has no next one: Enter goes back to its own RX cell.
    m_grid->scrollToBottom();
    QVERIFY(click(128, frm_chann::ColName));
    type(QStringLiteral("z"));
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("128,1 text"));
    QCOMPARE(m_table->cellText(128, frm_chann::ColName), QStringLiteral("Z"));
}

// A channel list typed with the keyboard alone ends up in the image exactly as typed.
void TestChannelEditing::keyboardOnlyChannelList()
{
    const MemoryImage before = g_document->image();
    m_grid->setFocus();
    QCOMPARE(editorAt(), QStringLiteral("1,1 none"));

    type(QStringLiteral("445"));        // typing into the grid opens the editor
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("1,2 text"));
    type(QStringLiteral("446"));        // replaces the TX text that followed the RX
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("1,3 list"));
    key(Qt::Key_Down, 9);               // 88.5 Hz
    key(Qt::Key_Return);
    key(Qt::Key_Down, 2);               // 69.3 Hz
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("1,5 list"));
    key(Qt::Key_Up);                    // low power
    key(Qt::Key_Return);
    key(Qt::Key_Return);                // stays wide
    QCOMPARE(editorAt(), QStringLiteral("1,7 text"));
    type(QStringLiteral("ch1"));
    key(Qt::Key_Return);

    QCOMPARE(editorAt(), QStringLiteral("2,1 text"));
    type(QStringLiteral("430.0125"));
    key(Qt::Key_Return);
    key(Qt::Key_Backspace);             // no TX: receive only
    key(Qt::Key_Return);
    QCOMPARE(editorAt(), QStringLiteral("2,3 list"));
    key(Qt::Key_Return);                // skips the encode tone: there is no TX
    QCOMPARE(editorAt(), QStringLiteral("2,5 list"));
    key(Qt::Key_Return);
    key(Qt::Key_Down);                  // already wide: the list stays at its end
    key(Qt::Key_Return);
    key(Qt::Key_Return);                // no name
    QCOMPARE(editorAt(), QStringLiteral("3,1 text"));
    key(Qt::Key_Escape);
    QCOMPARE(editorAt(), QStringLiteral("3,1 none"));

    QCOMPARE(record(1), (Record{ 0x09, 0x00, 0x50, 0x44, 0x02, 0x00, 0x60, 0x44, 0x10, 0x40, 0x0E, 0x13, 0x01, 0xFF, 0xFF, 0x00 }));
    QCOMPARE(record(2), (Record{ 0x00, 0x01, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }));
    for (int b = 3; b < MemoryImage::kBlocks; ++b)
        for (int c = 0; c < 16; ++c)
            QCOMPARE(g_document->image().cell(b, c), before.cell(b, c));
    const QStringList row1 = { "445.00000", "446.00000", "   88.5    ", "   69.3    ", "Low", "Wide", "CH1" };
    const QStringList row2 = { "430.01250", "", "OFF", "", "High", "Wide", "" };
    for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col) {
        QCOMPARE(m_table->cellText(1, col), row1[col - 1]);
        QCOMPARE(m_table->cellText(2, col), row2[col - 1]);
    }
}

// Walking through the grid never stores anything: a leave commits only what
// was typed into an open editor. Committing the empty text of a closed editor
// would delete channels, erase names and blank cells; re-storing shown texts
// would rewrite records the table shows differently from how they are stored.
void TestChannelEditing::navigationWithoutTypingChangesNothing()
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
        for (int col = 0; col < frm_chann::ColumnCount; ++col)
            texts.append(m_table->cellText(n, col));
    auto unchanged = [&] {
        QStringList now;
        for (int n = 1; n <= 6; ++n)
            for (int col = 0; col < frm_chann::ColumnCount; ++col)
                now.append(m_table->cellText(n, col));
        return g_document->image().bytes() == before.bytes() && now == texts;
    };

    m_grid->setFocus();
    m_grid->setCurrentCell(0, frm_chann::ColRx);
    key(Qt::Key_Right, 7);
    key(Qt::Key_Down, 2);
    key(Qt::Key_Left, 7);
    key(Qt::Key_Tab, 20);
    key(Qt::Key_Backtab, 9);
    key(Qt::Key_PageDown);
    QTest::keyClick(m_grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(editorAt(), QStringLiteral("1,0 none"));
    QVERIFY(unchanged());

    // Editors opened by clicks and by Enter, then left by clicks, arrows and Tab.
    for (int n = 1; n <= 5; ++n)
        for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
            QVERIFY(click(n, col));
    QVERIFY(click(3, frm_chann::ColRx));
    key(Qt::Key_Down);
    QVERIFY(click(3, frm_chann::ColName));
    key(Qt::Key_Tab);
    QVERIFY(click(3, frm_chann::ColDecode));
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    key(Qt::Key_Left, 3);
    QVERIFY(click(6, frm_chann::ColRx));
    QVERIFY(unchanged());

    // A wheel turn over an open list scrolls the grid instead of picking.
    QVERIFY(click(1, frm_chann::ColDecode));
    const int scrolled = m_grid->verticalScrollBar()->value();
    const QPoint at = m_list->rect().center();
    QWheelEvent wheel(at, m_list->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_list, &wheel);
    QVERIFY(m_grid->verticalScrollBar()->value() > scrolled);
    QVERIFY(click(10, frm_chann::ColRx));
    QVERIFY(unchanged());
}

void TestChannelEditing::escapeAbandonsTheEdit()
{
    setRecord(5, kUsed);
    m_table->activated();
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("450"));
    key(Qt::Key_Escape);
    QCOMPARE(m_table->cellText(5, frm_chann::ColRx), QStringLiteral("430.01250"));

    QVERIFY(click(5, frm_chann::ColEncode));
    QVERIFY(pick(200));
    QCOMPARE(g_document->image().cell(5, 4), quint8(96));
    key(Qt::Key_Escape);
    QVERIFY(click(6, frm_chann::ColRx));
    QCOMPARE(record(5), kUsed);
    QCOMPARE(m_table->cellText(5, frm_chann::ColEncode), QStringLiteral("  91.5    "));
}

// Scrolling takes the text editor away; what was typed into it is committed.
void TestChannelEditing::scrollingCommitsTypedText()
{
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("445"));
    m_grid->verticalScrollBar()->setValue(m_grid->verticalScrollBar()->value() + 3);
    QVERIFY(!m_text->isVisible());
    QCOMPARE(record(5).mid(0, 5), (Record{ 0x00, 0x00, 0x50, 0x44, 0xFF }));
}

// The window refills on every activation; an editor open at that moment stays
// open with its text, and a list shows what the image now holds.
void TestChannelEditing::activationKeepsAnOpenEdit()
{
    setRecord(6, kUsed);
    m_table->activated();
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("44"));
    setRecord(9, kUsed);
    m_table->activated();
    QCOMPARE(m_table->cellText(9, frm_chann::ColRx), QStringLiteral("430.01250"));
    type(QStringLiteral("5"));
    key(Qt::Key_Return);
    QCOMPARE(record(5).mid(1, 3), (Record{ 0x00, 0x50, 0x44 }));

    QVERIFY(click(6, frm_chann::ColPower));
    setRecord(6, kReceiveOnly);    // high power now
    m_table->activated();
    QCOMPARE(m_list->currentText(), QStringLiteral("High"));
    key(Qt::Key_Escape);
    QCOMPARE(record(6), kReceiveOnly);
}

// A message shown by a commit suspends it; whatever the window goes through
// meanwhile (activation, a moved cell) commits nothing a second time.
void TestChannelEditing::messageDoesNotCommitTwice()
{
    setRecord(6, kUsed);
    m_table->activated();
    m_duringMessage = [this] {
        m_table->activated();
        m_grid->setCurrentCell(5, frm_chann::ColName);
        m_grid->setCurrentCell(6, frm_chann::ColRx);
    };
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("500"));
    QVERIFY(click(6, frm_chann::ColName));
    QCOMPARE(m_messages, QStringList{ kRxRange });
    QCOMPARE(record(5), (Record{ 0x00, 0x00, 0x00, 0x40, 0xFF, 0x00, 0x00, 0x40, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 }));
    QCOMPARE(record(6), kUsed);
}

void TestChannelEditing::chineseMessagesAndLists()
{
    cleanup();
    applyUiLanguage(true);
    init();
    setRecord(6, kUsed);
    m_table->activated();

    QVERIFY(click(5, frm_chann::ColTx));
    type(QStringLiteral("445"));
    key(Qt::Key_Return);
    QVERIFY(click(5, frm_chann::ColRx));
    type(QStringLiteral("1"));
    key(Qt::Key_Return);
    type(QStringLiteral("1"));
    key(Qt::Key_Return);
    QCOMPARE(m_messages, (QStringList{ "请先输入接收频率 ！", "接收频率超出范围 ！", "发射频率超出范围 ！" }));
    QVERIFY(click(6, frm_chann::ColWidth));
    QCOMPARE(m_list->currentText(), QStringLiteral("宽带"));
}

QTEST_MAIN(TestChannelEditing)
#include "tst_frm_chann_edit.moc"
