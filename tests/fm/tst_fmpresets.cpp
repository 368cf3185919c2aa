// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmPresetsWindow.h"
#include "ui/Prompt.h"

#include "support/ChannelGrid.h"
#include "Language.h"
#include "MemoryMap.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using MemoryMap::kFmBlock;

class TestFmPresets : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        applyUiLanguage(false);
        m_document = new RadioDocument;
        m_messages.clear();
        m_window = new FmPresetsWindow(*m_document);
        Prompt::setHandler(m_window, [this](const Prompt::Message& m) {
            m_messages.append(m.text);
            return QMessageBox::Ok;
        });
        m_window->resize(500, 700);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_grid = m_window->grid();
        m_text = m_window->findChild<QLineEdit*>(QStringLiteral("Text_Edit"));
    }
    void cleanup()
    {
        delete m_window;
        delete m_document;
    }

    void typedFrequencyIsStoredAtOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");         // else committed by a click on row 5
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("refused");
        QTest::newRow("upper end") << "108" << true << 210 << "108.0" << false;
        QTest::newRow("100 shows a decimal") << "100" << false << 130 << "100.0" << false;
        QTest::newRow("above the band") << "108.5" << false << 0 << "87.0" << true;
        QTest::newRow("no number") << "abc" << false << 0 << "87.0" << true;
        QTest::newRow("second decimal dropped") << "87.55" << true << 5 << "87.5" << false;
        QTest::newRow("emptied") << "" << false << 255 << "" << false;
    }
    void typedFrequencyIsStoredAtOnce()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(int, code);
        QFETCH(QString, cell);
        QFETCH(bool, refused);
        const MemoryImage before = m_document->image();

        QVERIFY(click(3));
        QTest::keyClick(m_text, Qt::Key_Backspace);
        QTest::keyClicks(m_text, typed);
        if (enter) {
            QTest::keyClick(m_text, Qt::Key_Return);
        } else {
            QVERIFY(click(5));
        }

        QCOMPARE(int(m_document->image().cell(kFmBlock, 2)), code);
        QCOMPARE(m_window->cellText(3, FmPresetsWindow::ColFrequency), cell);
        QCOMPARE(m_messages, refused ? QStringList{ "Over the range of FM frequency ." } : QStringList{});
        for (int b = 0; b < MemoryImage::kBlocks; ++b)
            for (int c = 0; c < 16; ++c)
                if (b != kFmBlock || c != 2)
                    QCOMPARE(m_document->image().cell(b, c), before.cell(b, c));
    }

    // A sixth character is refused at once and empties the box; leaving it
    // empty then keeps the preset.
    void sixthCharacterIsRefused()
    {
        QVERIFY(click(16));
        QTest::keyClicks(m_text, QStringLiteral("107.5"));
        QTest::keyClicks(m_text, QStringLiteral("5"));
        QCOMPARE(m_messages, QStringList{ "Over the range of FM frequency ." });
        QCOMPARE(m_text->text(), QString());
        QVERIFY(click(2));
        QCOMPARE(int(m_document->image().cell(kFmBlock, 15)), 210);
    }

    // Clicking and moving through the grid without typing stores nothing, not
    // even presets outside the band that a stored grid would turn into 255.
    void navigationWithoutTypingChangesNothing()
    {
        poke(*m_document)->setCell(kFmBlock, 4, 211);
        poke(*m_document)->setCell(kFmBlock, 5, 254);
        const MemoryImage before = m_document->image();
        for (int row = 1; row <= 16; ++row)
            QVERIFY(click(row));
        QTest::keyClick(m_text, Qt::Key_Up);
        QTest::keyClick(m_grid, Qt::Key_Up);
        QTest::keyClick(m_grid, Qt::Key_Return);
        QTest::keyClick(m_text, Qt::Key_Return);
        QVERIFY(click(6));
        QTest::keyClicks(m_text, QStringLiteral("99"));
        QTest::keyClick(m_text, Qt::Key_Escape);
        QVERIFY(click(1));
        QVERIFY(m_document->image().bytes() == before.bytes());
        QCOMPARE(m_window->cellText(5, FmPresetsWindow::ColFrequency), QString());
    }

    // Bytes the grid cannot show stay as they came until the window opens; it
    // then stores its rows as it shows them, in one step named after it.
    void openingStoresTheRowsAsShown()
    {
        MemoryImage file = m_document->image();
        file.setCell(kFmBlock, 4, 211);
        file.setCell(kFmBlock, 5, 254);
        m_document->takeImage([] { return QStringLiteral("Open"); }, file, 2, QString());
        QVERIFY(m_document->image() == file);
        const int steps = m_document->history()->count();
        delete m_window;
        m_window = new FmPresetsWindow(*m_document);
        QCOMPARE(int(m_document->image().cell(kFmBlock, 4)), 255);
        QCOMPARE(int(m_document->image().cell(kFmBlock, 5)), 255);
        QCOMPARE(m_document->history()->count(), steps + 1);
        QCOMPARE(m_document->history()->undoText(), QStringLiteral("Radio Frequency"));
        delete m_window;
        m_window = new FmPresetsWindow(*m_document);
        QCOMPARE(m_document->history()->count(), steps + 1);
    }

    // Closing the window commits the entry still open in it.
    void closingKeepsTheOpenEntry()
    {
        QVERIFY(click(4));
        QTest::keyClicks(m_text, QStringLiteral("101"));
        m_window->findChild<QPushButton*>(QStringLiteral("Command_Close"))->click();
        QCOMPARE(int(m_document->image().cell(kFmBlock, 3)), 140);
    }

private:
    bool click(int row) { return clickCell(m_grid, row, FmPresetsWindow::ColFrequency); }

    RadioDocument* m_document = nullptr;
    FmPresetsWindow* m_window = nullptr;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_text = nullptr;
    QStringList m_messages;
};

QTEST_MAIN(TestFmPresets)
#include "tst_fmpresets.moc"
