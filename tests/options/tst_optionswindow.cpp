// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/OptionsWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "Codecs.h"
#include "Language.h"
#include "MemoryMap.h"
#include "support/DocumentPoke.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace MemoryMap;

namespace {

constexpr int kModeCell = kModeFlagsCell;
constexpr int kScanCell = kScanFlagsCell;

RadioDocument* g_document = nullptr;

int cell(int block, int c)
{
    return g_document->image().cell(block, c);
}

void setCell(int block, int c, int value)
{
    poke(*g_document)->setCell(block, c, quint8(value));
}

void setFreq(int block, int base, const QString& text)
{
    DocumentPoke edit(*g_document);
    storeFreq(edit.data().image, edit.data().version, text, block, base);
}

QString freq(int block, int base)
{
    return storedFreqText(g_document->image(), g_document->version(), block, base);
}

void setRange(int low, int high)
{
    setCell(kRangeBlock, 0, (low % 10) * 16);
    setCell(kRangeBlock, 1, (low / 100) * 16 + (low / 10) % 10);
    setCell(kRangeBlock, 2, (high % 10) * 16);
    setCell(kRangeBlock, 3, (high / 100) * 16 + (high / 10) % 10);
}

// A used channel receiving and transmitting on the frequency.
void setChannel(int channel, const QString& text)
{
    poke(*g_document)->fillBlock(channel, 0);
    setFreq(channel, 0, text);
    setFreq(channel, 4, text);
}

const QString kRxMessage = QStringLiteral("Over the range of RX frequency .");
const QString kTxMessage = QStringLiteral("Over the range of TX frequency .");
const QString kVfoOutMessage =
    QStringLiteral("Receiving or transmitting frequency that frequency Mode out of frequency limitation range ");

} // namespace

class TestOptionWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        m_titles.clear();
        m_main = new MainWindow;
        Prompt::setHandler(m_main, [this](const Prompt::Message& message) {
            m_messages << message.text;
            m_titles << message.title;
            return QMessageBox::Ok;
        });
        m_main->start();
        g_document = &m_main->document();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        applyUiLanguage(false);
    }
    void cleanup()
    {
        delete m_main;
    }

    // Every change writes its own bits and nothing else, and the bits no
    // control shows pass through unchanged, whether they are set or clear.
    void untouchedBitsSurvive_data()
    {
        QTest::addColumn<int>("modeBits");
        QTest::addColumn<int>("scanBits");
        QTest::newRow("set") << 0x44 << 0x0F;
        QTest::newRow("clear") << 0x00 << 0x00;
    }
    void untouchedBitsSurvive()
    {
        QFETCH(int, modeBits);
        QFETCH(int, scanBits);
        setCell(kSettingsBlock, kModeCell, modeBits | 0x80);
        setCell(kSettingsBlock, kScanCell, scanBits | 0x40);
        open();
        auto verifyBits = [&] {
            QCOMPARE(cell(kSettingsBlock, kModeCell) & 0x44, modeBits);
            QCOMPARE(cell(kSettingsBlock, kScanCell) & 0x0F, scanBits);
        };
        verifyBits();
        for (const char* name : { "Check_Beep", "Check_Save", "Check_Chann", "Check_Chann", "Check_Beep" }) {
            child<QCheckBox>(name)->click();
            verifyBits();
        }
        child<QRadioButton>("Option_freq")->click();
        verifyBits();
        for (const char* name : { "Combo_Mdf", "Combo_Step", "Combo_Lamp", "Combo_Scan" }) {
            for (int i = combo(name)->count() - 1; i >= 0; --i) {
                combo(name)->setCurrentIndex(i);
                verifyBits();
            }
        }
        QCOMPARE(cell(kSettingsBlock, kModeCell) & 0xBB, 0x00);   // every shown bit now cleared
        QCOMPARE(cell(kSettingsBlock, kScanCell) & 0xF0, 0x00);
    }

    void tonesStoreCodeAndInversion_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("inv");
        QTest::addColumn<int>("toneCell");
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("decode inverted") << "Combo_Decode" << "Check_DNI" << 0 << 0x08 << 160 << 56 << true;
        QTest::newRow("decode normal") << "Combo_Decode" << "Check_DNI" << 0 << 0x08 << 56 << 56 << false;
        QTest::newRow("encode inverted") << "Combo_Encode" << "Check_ENI" << 4 << 0x20 << 154 << 50 << true;
    }
    void tonesStoreCodeAndInversion()
    {
        QFETCH(QString, list);
        QFETCH(QString, inv);
        QFETCH(int, toneCell);
        QFETCH(int, bit);
        QFETCH(int, position);
        QFETCH(int, code);
        QFETCH(bool, inverted);
        setCell(kVfoBlock, 8, 0x10 | (inverted ? 0 : bit));   // name bit stays
        open();
        combo(list)->setCurrentIndex(position);
        QCOMPARE(cell(kVfoBlock, toneCell), code);
        QCOMPARE(cell(kVfoBlock, 8), 0x10 | (inverted ? bit : 0));
        QCOMPARE(child<QCheckBox>(inv)->isChecked(), inverted);

        m_main->window<OptionsWindow>()->refresh();
        QCOMPARE(combo(list)->currentIndex(), position);
    }

    void duplexArithmetic_data()
    {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<int>("shownDirection");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("plus beyond the range") << "469.975" << "5" << 2 << "469.97500" << 0 << QStringList{ kTxMessage };
        QTest::newRow("plus onto the upper limit") << "465" << "5" << 2 << "470.00000" << 2 << QStringList{};
        QTest::newRow("minus below the range") << "402" << "5" << 1 << "402.00000" << 0 << QStringList{ kTxMessage };
    }
    void duplexArithmetic()
    {
        QFETCH(QString, rx);
        QFETCH(QString, offset);
        QFETCH(int, direction);
        QFETCH(QString, tx);
        QFETCH(int, shownDirection);
        QFETCH(QStringList, messages);
        setFreq(kVfoBlock, 0, rx);
        setFreq(kSettingsBlock, kOffsetFreqCell - 1, offset);
        setCell(kVfoBlock, 9, 0xC1);   // minus, so that every direction is a change
        open();
        combo("Combo_Sft_d")->setCurrentIndex((direction + 1) % 3);
        m_messages.clear();
        combo("Combo_Sft_d")->setCurrentIndex(direction);
        QCOMPARE(m_messages, messages);
        QCOMPARE(box("Text_TX_Freq")->text(), tx);
        QCOMPARE(freq(kVfoBlock, 4), tx);
        QCOMPARE(combo("Combo_Sft_d")->currentIndex(), shownDirection);
        QCOMPARE(cell(kVfoBlock, 9), 0xC0 | shownDirection);
    }

    // A typed receive frequency carries the transmit frequency along by the
    // duplex, in the same step.
    void typedReceiveFrequencyCarriesTransmit_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<int>("shownDirection");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("plus") << 2 << "450" << "455.00000" << 2 << QStringList{};
        QTest::newRow("minus") << 1 << "450" << "445.00000" << 1 << QStringList{};
        QTest::newRow("off") << 0 << "450" << "450.00000" << 0 << QStringList{};
        QTest::newRow("plus beyond the range") << 2 << "468" << "468.00000" << 0 << QStringList{ kTxMessage };
    }
    void typedReceiveFrequencyCarriesTransmit()
    {
        QFETCH(int, direction);
        QFETCH(QString, typed);
        QFETCH(QString, tx);
        QFETCH(int, shownDirection);
        QFETCH(QStringList, messages);
        setFreq(kVfoBlock, 0, "440");
        setFreq(kVfoBlock, 4, QString::number(440 + (direction == 2 ? 5 : direction == 1 ? -5 : 0)));
        setFreq(kSettingsBlock, kOffsetFreqCell - 1, "5");
        setCell(kVfoBlock, 9, 0xC0 | direction);
        open();
        QVERIFY(m_messages.isEmpty());
        const int steps = g_document->history()->count();

        typeAndLeave("Text_RX_Freq", typed);
        QCOMPARE(m_messages, messages);
        QCOMPARE(freq(kVfoBlock, 4), tx);
        QCOMPARE(box("Text_TX_Freq")->text(), tx);
        QCOMPARE(cell(kVfoBlock, 9), 0xC0 | shownDirection);
        QCOMPARE(g_document->history()->count(), steps + 1);
    }

    // A file enters as it is; the window, when it opens, writes back what it
    // shows, as one step named after it: a setting beyond its list, a priority
    // on an unused channel, only-channel mode without channel mode, and a duplex
    // that would transmit outside the range (with its message).
    void openingWritesBackWhatItShows()
    {
        MemoryImage file = g_document->image();
        storeFreq(file, 2, QStringLiteral("469"), kVfoBlock, 0);
        storeFreq(file, 2, QStringLiteral("469"), kVfoBlock, 4);
        storeFreq(file, 2, QStringLiteral("5"), kSettingsBlock, kOffsetFreqCell - 1);
        file.setCell(kVfoBlock, 9, 0xC2);
        file.setCell(kSettingsBlock, kTimeOutCell, 9);
        file.setCell(kSettingsBlock, kPriorityChannelCell, 100);
        file.setCell(kSettingsBlock, kModeCell, 0x20);
        g_document->takeImage([] { return QStringLiteral("Open"); }, file, 2, QString());
        QVERIFY(g_document->image() == file);
        const int steps = g_document->history()->count();

        open();
        QCOMPARE(m_messages, QStringList{ kTxMessage });
        QCOMPARE(cell(kVfoBlock, 9), 0xC0);
        QCOMPARE(freq(kVfoBlock, 4), QStringLiteral("469.00000"));
        QCOMPARE(cell(kSettingsBlock, kTimeOutCell), 7);
        QCOMPARE(cell(kSettingsBlock, kPriorityChannelCell), 0);
        QCOMPARE(cell(kSettingsBlock, kModeCell), 0x21);
        QCOMPARE(g_document->history()->count(), steps + 1);
        QCOMPARE(g_document->history()->undoText(), QStringLiteral("Optional Features"));
        // Showing it again writes nothing.
        m_window->activated();
        m_window->refresh();
        QCOMPARE(g_document->history()->count(), steps + 1);
        g_document->history()->undo();
        QVERIFY(g_document->image() == file);
    }

    void offsetLeave_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<bool>("refused");   // duplex off with TX = RX
        QTest::addColumn<QString>("tx");
        QTest::addColumn<QString>("storedOffset");
        QTest::newRow("the upper limit is exclusive") << "5" << true << "465.00000" << "5.000000";
        // 465.123456 is longer than the transmit box: stored from its value, never as an emptied box.
        QTest::newRow("more digits than the transmit box holds") << "0.123456" << false << "465.11875" << "0.118750";
    }
    void offsetLeave()
    {
        QFETCH(QString, offset);
        QFETCH(bool, refused);
        QFETCH(QString, tx);
        QFETCH(QString, storedOffset);
        setFreq(kVfoBlock, 0, "465");
        setFreq(kVfoBlock, 4, "470");
        setFreq(kSettingsBlock, kOffsetFreqCell - 1, "5");
        setCell(kVfoBlock, 9, 0xC2);
        open();
        QCOMPARE(box("Text_TX_Freq")->text(), QStringLiteral("470.00000"));
        QVERIFY(m_messages.isEmpty());

        typeAndLeave("Text_Offset_Freq", offset);
        QCOMPARE(m_messages, refused ? QStringList{ kTxMessage } : QStringList{});
        QCOMPARE(freq(kVfoBlock, 4), tx);
        QCOMPARE(box("Text_TX_Freq")->text(), tx);
        QCOMPARE(cell(kVfoBlock, 9), refused ? 0xC0 : 0xC2);
        QCOMPARE(freq(kSettingsBlock, kOffsetFreqCell - 1), storedOffset);
    }

    void rangeBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("otherLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        const QString lowBelow = "frequency of lower limit can't less than the lowest of work frequency. ";
        const QString lowAbove = "frequency of lower limit can't more than frequency of upper limit.";
        const QString highAbove = "frequency of upper limit can't more than the highest of work frequency. ";
        const QString highBelow = "frequency of upper limit can't less than frequency of lower limit.";
        QTest::newRow("lower below 400") << "Text_pvfo_d0" << "390" << 470 << lowBelow << 400 << 470;
        // Putting the focus back must not run the leave handler of the box the
        // focus had moved on to, which holds a limit that handler would refuse.
        QTest::newRow("lower below 400, then a stored upper limit above 470")
            << "Text_pvfo_d0" << "390" << 480 << lowBelow << 400 << 480;
        QTest::newRow("lower above upper") << "Text_pvfo_d0" << "450" << 440 << lowAbove << 440 << 440;
        QTest::newRow("upper above 470") << "Text_pvfo_d1" << "480" << 400 << highAbove << 400 << 470;
        QTest::newRow("upper below lower") << "Text_pvfo_d1" << "410" << 420 << highBelow << 420 << 420;
        QTest::newRow("equal limits") << "Text_pvfo_d1" << "420" << 420 << QString() << 420 << 420;
        QTest::newRow("fraction") << "Text_pvfo_d0" << "455.5" << 470 << QString() << 455 << 470;
    }
    void rangeBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, otherLimit);
        QFETCH(QString, message);
        QFETCH(int, low);
        QFETCH(int, high);
        const bool lower = name == "Text_pvfo_d0";
        setRange(lower ? 400 : otherLimit, lower ? otherLimit : 470);
        setFreq(kVfoBlock, 0, "440");
        setFreq(kVfoBlock, 4, "440");
        open();
        typeAndLeave(name, typed);
        m_messages.removeAll(kVfoOutMessage);   // the frequency mode may lie outside some of these ranges
        QCOMPARE(m_messages, message.isEmpty() ? QStringList{} : QStringList{ message });
        if (!message.isEmpty()) {
            QCOMPARE(m_titles.front(), QStringLiteral("Operate Prompt"));
            QVERIFY(box(name)->hasFocus());
        }
        const MemoryImage stored = g_document->image();
        setRange(low, high);
        QVERIFY(g_document->image() == stored);
        QCOMPARE(box("Text_pvfo_d0")->text() + box("Text_pvfo_d1")->text(), QString::number(low) + QString::number(high));
        QCOMPARE(g_document->rangeLow() + g_document->rangeHigh() / 1000, low + high / 1000.0);
    }

    // An erased range block shows limits of four digits; storing the other
    // box must not squeeze such a limit into three digits.
    void damagedLimitIsLeftAlone()
    {
        for (int c = 0; c < 4; ++c)
            setCell(kRangeBlock, c, 0xFF);
        open();
        QCOMPARE(box("Text_pvfo_d1")->text(), QStringLiteral("1665"));
        typeAndLeave("Text_pvfo_d0", "410");
        QCOMPARE(QList<int>({ cell(kRangeBlock, 0), cell(kRangeBlock, 1), cell(kRangeBlock, 2), cell(kRangeBlock, 3) }),
                 (QList<int>{ 0x00, 0x41, 0xFF, 0xFF }));
        QCOMPARE(box("Text_pvfo_d1")->text(), QStringLiteral("1665"));
    }

    void rangeWarnings_data()
    {
        QTest::addColumn<QString>("vfo");
        QTest::addColumn<QString>("message");
        QTest::newRow("a channel outside")
            << "435" << "Channel 3that Receiving or transmitting frequency  out of frequency limitation range ";
        QTest::newRow("frequency mode outside too") << "462" << kVfoOutMessage;
    }
    void rangeWarnings()
    {
        QFETCH(QString, vfo);
        QFETCH(QString, message);
        setRange(430, 470);
        setChannel(3, "450");
        setChannel(9, "460");
        setFreq(kVfoBlock, 0, vfo);
        setFreq(kVfoBlock, 4, vfo);
        open();
        typeAndLeave("Text_pvfo_d1", "440");
        QCOMPARE(m_messages, QStringList{ message });
        QCOMPARE(m_titles, QStringList{ "Operate prompt" });
        QCOMPARE(freq(3, 0), QStringLiteral("450.00000"));   // only a warning
    }

    // A refusal shown in a real modal box takes the focus away from the box
    // and gives it back; neither may run the leave handler again.
    void modalRefusalIsShownOnce()
    {
        Prompt::setHandler(m_main, [this](const Prompt::Message& message) {
            m_messages << message.text;
            QMessageBox box(QMessageBox::Warning, message.title, message.text, QMessageBox::Ok, m_window);
            QTimer::singleShot(0, &box, &QMessageBox::accept);
            box.exec();
            return QMessageBox::Ok;
        });
        open();
        typeAndLeave("Text_RX_Freq", "470");
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        m_main->activateWindow();   // what the window manager does when the box goes
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTRY_VERIFY(box("Text_RX_Freq")->hasFocus());
        flushEvents();
        QCOMPARE(m_messages, QStringList{ kRxMessage });

        // A letter refused while typing leaves the typing in place, even when
        // the return from the box activates the window again.
        box("Text_RX_Freq")->selectAll();
        QTest::keyClicks(box("Text_RX_Freq"), "45");
        QTest::keyClick(box("Text_RX_Freq"), Qt::Key_X);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        m_window->activated();
        QCOMPARE(box("Text_RX_Freq")->text(), QStringLiteral("45"));
        QCOMPARE(m_messages, (QStringList{ kRxMessage, kRxMessage }));
    }

    // A value typed into a box is handled on leaving it by Tab, or when the
    // window closes or another window is activated. A refused receive
    // frequency empties the box and keeps the focus there.
    void typedValueOnLeaving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("leave");   // by Tab, closing the window, or activating the channel table
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("messages");
        const int vfo = kVfoBlock;
        const QString rx = QStringLiteral("Text_RX_Freq");
        QTest::newRow("upper limit itself") << rx << "470" << "tab" << vfo << 0 << "462.00625" << QStringList{ kRxMessage };
        QTest::newRow("just below the upper limit") << rx << "469.99375" << "tab" << vfo << 0 << "469.99375" << QStringList{};
        QTest::newRow("lower limit, TX follows") << rx << "400" << "tab" << vfo << 4 << "400.00000" << QStringList{};
        QTest::newRow("receive frequency, window closed") << rx << "446.5" << "close" << vfo << 0 << "446.50000" << QStringList{};
        QTest::newRow("offset, another window activated") << "Text_Offset_Freq" << "7.5" << "activate" << int(kSettingsBlock)
                                                          << kOffsetFreqCell - 1 << "7.500000" << QStringList{};
        QTest::newRow("refused receive frequency, another window activated")
            << rx << "470" << "activate" << vfo << 0 << "462.00625" << QStringList{ kRxMessage };
    }
    void typedValueOnLeaving()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, leave);
        QFETCH(int, block);
        QFETCH(int, base);
        QFETCH(QString, stored);
        QFETCH(QStringList, messages);
        open();
        typeInto(name, typed);
        if (leave == "tab") {
            QTest::keyClick(box(name), Qt::Key_Tab);
            QCOMPARE(box(name)->text(), messages.isEmpty() ? stored : QString());
            QCOMPARE(box(name)->hasFocus(), !messages.isEmpty());
        } else if (leave == "close") {
            qobject_cast<QMdiSubWindow*>(m_window->parentWidget())->close();
            QTRY_VERIFY(!m_main->window<OptionsWindow>());
        } else {
            m_main->mdiArea()->setActiveSubWindow(m_main->mdiArea()->subWindowList().front());
        }
        QTRY_COMPARE(freq(block, base), stored);
        flushEvents();
        QCOMPARE(m_messages, messages);
    }

    // An erased frequency-mode record cannot be shown; it is told once, not on
    // every return to the window. Opening the window turns its duplex (stored
    // as 3, shown as Plus) off, since there is no receive frequency to work from.
    void unshowableStoredValueIsToldOnce()
    {
        poke(*g_document)->fillBlock(kVfoBlock, 0xFF);
        open();
        QCOMPARE(m_messages, (QStringList{ kRxMessage, kTxMessage, kTxMessage }));
        QVERIFY(box("Text_RX_Freq")->text().isEmpty());
        QCOMPARE(cell(kVfoBlock, 9) & 0x03, 0);
        m_window->activated();
        m_window->activated();
        QCOMPARE(m_messages.size(), 3);
        // A duplex chosen now has no receive frequency to work from either, and
        // neither frequency becomes 0 MHz.
        combo("Combo_Sft_d")->setCurrentIndex(1);
        QCOMPARE(m_messages.size(), 4);
        QCOMPARE(cell(kVfoBlock, 9) & 0x03, 0);
        for (int c : { 1, 2, 3, 5, 6, 7 })
            QCOMPARE(cell(kVfoBlock, c), 0xFF);
    }

private:
    // Delivers the activation and focus events still queued, so that a second
    // message they might cause would be seen.
    static void flushEvents()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void open()
    {
        m_main->findChild<QAction*>(QStringLiteral("Optional_edit"))->trigger();
        m_window = m_main->window<OptionsWindow>();
        QVERIFY(m_window);
        QTRY_VERIFY(m_window->isActiveWindow());
    }

    template <class W>
    W* child(const QString& name) const
    {
        W* widget = m_window->findChild<W*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QComboBox* combo(const QString& name) const { return child<QComboBox>(name); }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }

    // Types into a box as the user does (and leaves it with Tab).
    void typeInto(const QString& name, const QString& text)
    {
        QLineEdit* target = box(name);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    void typeAndLeave(const QString& name, const QString& text)
    {
        typeInto(name, text);
        QTest::keyClick(box(name), Qt::Key_Tab);
    }

    MainWindow* m_main = nullptr;
    OptionsWindow* m_window = nullptr;
    QStringList m_messages;
    QStringList m_titles;
};

QTEST_MAIN(TestOptionWindow)
#include "tst_optionswindow.moc"
