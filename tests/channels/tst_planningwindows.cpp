// SPDX-License-Identifier: GPL-3.0-or-later
// Channel planning in the windows, driven as a user drives them: the sort
// dialog, the find bar and its filter over the channel table, the duplicates
// window, the band-plan check, and the import preview's placements for a
// CSV file and a stock channel set.

#include "channels/ChannelFindBar.h"
#include "channels/ChannelTableWindow.h"
#include "channels/DuplicatesWindow.h"
#include "channels/PlanCheckWindow.h"
#include "files/ChannelExchange.h"
#include "files/CsvImportPreview.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelSets.h"
#include "MemoryMap.h"
#include "RadioDocument.h"
#include "Settings.h"
#include "support/ChannelGrid.h"
#include "support/PutChannel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace ChannelRecord;
using MemoryMap::kChannelCount;

namespace {

// A channel at rxKHz (kHz above 446 MHz) both ways, no tones, narrow, low power, named.
void putPlain(MemoryImage& image, int channel, int rxKHz, const QString& name)
{
    const qint64 hz = 446'000'000 + qint64(rxKHz) * 1000;
    putChannel(image, channel, hz, hz, {}, {}, false, false, name);
    image.setCell(channel, kSpareCell, quint8(channel));
}

Record recordOf(const MemoryImage& image, int channel)
{
    Record cells;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        cells << image.cell(channel, c);
    return cells;
}

// The channels' marks: where each channel's record came from.
QList<int> marks(const MemoryImage& image, int count)
{
    QList<int> list;
    for (int channel = 1; channel <= count; ++channel)
        list << image.cell(channel, kSpareCell);
    return list;
}

QList<int> hiddenRows(const QTableWidget* grid)
{
    QList<int> hidden;
    for (int row = 0; row < kChannelCount; ++row)
        if (grid->isRowHidden(row))
            hidden << row + 1;
    return hidden;
}

// Answers the next modal dialog once it is up.
void whenModal(QObject* context, std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, context, [answer] {
        QWidget* dialog = nullptr;
        QTRY_VERIFY((dialog = QApplication::activeModalWidget()) != nullptr);
        answer(dialog);
    });
}

} // namespace

class TestPlanningWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init()
    {
        m_main = new MainWindow;
        Prompt::setHandler(m_main, [this](const Prompt::Message& message) {
            m_messages << message.text;
            return QMessageBox::Ok;
        });
        m_main->start();
        m_main->findChild<QAction*>(QStringLiteral("Language_eng"))->trigger();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        m_table = m_main->window<ChannelTableWindow>();
        QVERIFY(m_table);
        m_messages.clear();
    }
    void cleanup()
    {
        delete m_main;
    }

    // The dialog's choice reaches the document as one step; each channel
    // moves whole and the priority channel goes with its channel.
    void sortIsOneStep_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("order");   // the marks of channels 1..6 after the sort

        // RX: channel 1 at +50 kHz, 2 at +10, 3 at +40, 4 unused, 5 at +20, 6 at +30.
        QTest::newRow("RX, all") << "RX frequency" << false << QList<int>{ 1 } << QList<int>{ 2, 5, 6, 3, 1, 255 };
        QTest::newRow("RX descending, all") << "RX frequency" << true << QList<int>{ 1 } << QList<int>{ 1, 3, 6, 5, 2, 255 };
        QTest::newRow("name, selected 1-3") << "Name" << false << QList<int>{ 1, 2, 3 } << QList<int>{ 3, 2, 1, 255, 5, 6 };
    }
    void sortIsOneStep()
    {
        QFETCH(QString, key);
        QFETCH(bool, descending);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, order);
        {
            DocumentPoke edit(document());
            putPlain(edit.data().image, 1, 50, "ECHO");
            putPlain(edit.data().image, 2, 10, "DELTA");
            putPlain(edit.data().image, 3, 40, "ALPHA");
            putPlain(edit.data().image, 5, 20, "BRAVO");
            putPlain(edit.data().image, 6, 30, "CHAR");
            Settings::setValue(edit.data().image, Settings::kPriorityChannel, 3);
        }
        const MemoryImage before = document().image();
        m_table->selectChannels(selected);
        whenModal(this, [&](QWidget* dialog) {
            auto* keys = dialog->findChild<QComboBox*>(QStringLiteral("Combo_sort_key"));
            keys->setCurrentIndex(keys->findText(key));
            QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("Option_ascending"))->isChecked());
            if (descending)
                dialog->findChild<QRadioButton*>(QStringLiteral("Option_descending"))->click();
            QCOMPARE(dialog->findChild<QRadioButton*>(QStringLiteral("Option_selected_channels"))->isChecked(),
                     selected.size() > 1);
            dialog->findChild<QPushButton*>(QStringLiteral("Command_sort"))->click();
        });
        m_table->findChild<QAction*>(QStringLiteral("Edit_sort"))->trigger();

        QCOMPARE(marks(document().image(), 6), order);
        for (int channel = 1; channel <= 6; ++channel) {
            const int from = document().image().cell(channel, kSpareCell);
            if (from != 255)
                QVERIFY(recordOf(document().image(), channel) == recordOf(before, from));
        }
        const int priority = int(Settings::value(document().image(), Settings::kPriorityChannel));
        const int priorityMark = document().image().cell(priority, kSpareCell);
        QCOMPARE(priorityMark, 3);
        QCOMPARE(document().history()->count(), 1);
        document().history()->undo();
        QVERIFY(document().image() == before);
    }

    // Ctrl+F, typing, F3 and Shift+F3 round the ends, the highlight, and Escape.
    void findBarGoesFromMatchToMatch()
    {
        {
            DocumentPoke edit(document());
            for (int channel = 1; channel <= 6; ++channel)
                putPlain(edit.data().image, channel, channel * 100, channel % 2 ? "ALF" : "BOB");
        }
        m_table->grid()->setFocus();
        QTest::keySequence(m_table->grid(), QKeySequence::Find);
        ChannelFindBar* bar = m_table->findBar();
        QVERIFY(bar->isVisible());
        QTRY_VERIFY(bar->findText()->hasFocus());
        QTest::keyClicks(bar->findText(), "bob");
        QCOMPARE(bar->matches(), (QList<int>{ 2, 4, 6 }));
        QCOMPARE(m_table->grid()->currentRow() + 1, 2);
        QVERIFY(m_table->grid()->item(3, ChannelTableWindow::ColName)->background() != QBrush());
        QCOMPARE(m_table->grid()->item(2, ChannelTableWindow::ColName)->background(), QBrush());

        const QList<std::pair<QKeySequence, int>> steps = {
            { QKeySequence(Qt::Key_F3), 4 }, { QKeySequence(Qt::Key_F3), 6 }, { QKeySequence(Qt::Key_F3), 2 },
            { QKeySequence(Qt::SHIFT | Qt::Key_F3), 6 }, { QKeySequence(Qt::Key_Return), 2 },
        };
        for (const auto& [key, channel] : steps) {
            QTest::keySequence(bar->findText(), key);
            QCOMPARE(m_table->grid()->currentRow() + 1, channel);
        }
        QTest::keyClick(bar->findText(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QVERIFY(bar->matches().isEmpty());
        QCOMPARE(m_table->grid()->item(3, ChannelTableWindow::ColName)->background(), QBrush());
        QVERIFY(document().history()->count() == 0);
    }

    // Over a filtered table a paste and a fill down go to the rows shown;
    // hidden rows keep every byte, though the selection spans them.
    void hiddenRowsStayAsTheyAre_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::newRow("paste") << true;
        QTest::newRow("fill down") << false;
    }
    void hiddenRowsStayAsTheyAre()
    {
        QFETCH(bool, paste);
        {
            DocumentPoke edit(document());
            for (int channel = 1; channel <= 6; ++channel)
                putPlain(edit.data().image, channel, channel * 100, channel % 2 ? "ALF" : "BOB");
            for (int channel = 20; channel <= 22; ++channel)
                putPlain(edit.data().image, channel, channel * 10, "NEW");
        }
        ChannelFindBar* bar = m_table->findBar();
        bar->openBar();
        bar->findText()->setText(QStringLiteral("alf"));
        bar->findChild<QCheckBox*>(QStringLiteral("Check_only_matches"))->click();
        m_table->grid()->setCurrentCell(0, ChannelTableWindow::ColRx);
        QCOMPARE(hiddenRows(m_table->grid()).mid(0, 3), (QList<int>{ 2, 4, 6 }));
        const MemoryImage before = document().image();

        m_table->selectChannels({ 1, 2, 3, 4, 5 });
        if (paste) {
            auto* clip = new QMimeData;
            clip->setData(QLatin1String(ChannelRows::kMimeType), ChannelRows::copyRecords(document().data(), { 20, 21, 22 }));
            QGuiApplication::clipboard()->setMimeData(clip);
            m_table->findChild<QAction*>(QStringLiteral("Edit_paste"))->trigger();
            QCOMPARE(marks(document().image(), 5), (QList<int>{ 20, 2, 21, 4, 22 }));
        } else {
            whenModal(this, [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
            m_table->findChild<QAction*>(QStringLiteral("Edit_fill_down"))->trigger();
            QVERIFY(recordOf(document().image(), 3) != recordOf(before, 3));
            QVERIFY(recordOf(document().image(), 5) != recordOf(before, 5));
        }
        for (const int hidden : { 2, 4, 6 })
            QVERIFY2(recordOf(document().image(), hidden) == recordOf(before, hidden), qPrintable(QString::number(hidden)));
        QCOMPARE(document().history()->count(), 1);
    }

    // The groups of one RX frequency, the second level marked; a double-click
    // selects the channel; the chosen level decides which ones are selected
    // for deleting, and deleting them empties the list in one step.
    void duplicatesAreListedAndSelected_data()
    {
        QTest::addColumn<bool>("sameSettings");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("same TX and tones") << true << QList<int>{ 5 };
        QTest::newRow("same RX") << false << QList<int>{ 3, 5 };
    }
    void duplicatesAreListedAndSelected()
    {
        QFETCH(bool, sameSettings);
        QFETCH(QList<int>, selected);
        {
            DocumentPoke edit(document());
            putPlain(edit.data().image, 1, 100, "A");
            putPlain(edit.data().image, 2, 200, "B");
            putChannel(edit.data().image, 3, 446'100'000, 0, {}, {}, false, false, "C");
            putPlain(edit.data().image, 5, 100, "E");
        }
        m_main->findChild<QAction*>(QStringLiteral("Edit_find_duplicates"))->trigger();
        auto* window = m_main->window<DuplicatesWindow>();
        QVERIFY(window);
        QTreeWidget* tree = window->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* group = tree->topLevelItem(0);
        QCOMPARE(group->childCount(), 3);
        QCOMPARE(group->child(2)->text(DuplicatesWindow::ColSameAs), QStringLiteral("channel 1"));
        QVERIFY(group->child(1)->text(DuplicatesWindow::ColSameAs).isEmpty());

        const QRect line = tree->visualItemRect(group->child(1));
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(m_table->grid()->currentRow() + 1, 3);

        auto* level = window->findChild<QCheckBox*>(QStringLiteral("Check_same_settings"));
        if (level->isChecked() != sameSettings)
            level->click();
        window->findChild<QPushButton*>(QStringLiteral("Command_select_duplicates"))->click();
        QCOMPARE(m_table->selectedChannels(), selected);
        m_table->findChild<QAction*>(QStringLiteral("Edit_delete"))->trigger();
        QCOMPARE(document().history()->count(), 1);
        QCOMPARE(tree->topLevelItemCount(), sameSettings ? 1 : 0);
    }

    // The findings of the chosen plan, kept up with the document; a
    // double-click selects the channel; the set itself passes.
    void planCheckListsWhatBreaksThePlan()
    {
        const ChannelSets::Loaded set = ChannelSets::load(QStringLiteral("pmr446"), 2, FreqRange::of(document().image()));
        QVERIFY(set.ok());
        document().edit({}, [&](RadioData& data) { data.image = ChannelCsv::withChannels(data.image, set.result); });
        m_main->findChild<QAction*>(QStringLiteral("Edit_check_plan"))->trigger();
        auto* window = m_main->window<PlanCheckWindow>();
        QVERIFY(window);
        window->choosePlan(QStringLiteral("pmr446"));
        QCOMPARE(window->findings()->topLevelItemCount(), 0);

        document().edit({}, [](RadioData& data) {
            MemoryImage& image = data.image;
            image.setFlag(2, kPowerWidthCell, kWideBit, true);
            image.setFlag(3, kPowerWidthCell, kHighPowerBit, true);
            putChannel(image, 4, 446'000'000, 447'000'000, {}, {}, false, false, "OFF");
            putChannel(image, 5, 447'000'000, 0, {}, {}, true, true, "RXONLY");
        });
        QTreeWidget* findings = window->findings();
        QList<int> channels;
        for (int row = 0; row < findings->topLevelItemCount(); ++row)
            channels << PlanCheckWindow::channelOf(findings->topLevelItem(row));
        QCOMPARE(channels, (QList<int>{ 2, 3, 4 }));
        QVERIFY(findings->topLevelItem(2)->text(PlanCheckWindow::ColProblem).contains(QLatin1String("447.00000")));

        const QRect line = findings->visualItemRect(findings->topLevelItem(1));
        QTest::mouseDClick(findings->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(m_table->grid()->currentRow() + 1, 3);
    }

    // Each placement of a stock set, as the preview states it and as it lands:
    // the channels in use before (1-3) stay where the placement leaves them.
    void channelSetPlacements_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<int>("firstOfSet");
        QTest::addColumn<int>("inUse");
        QTest::newRow("replace") << "Option_replace_all" << "Channels that change (16): 1–16." << 1 << 16;
        QTest::newRow("fill empty") << "Option_fill_empty" << "Channels that change (16): 4–19." << 4 << 19;
        QTest::newRow("from channel 2") << "Option_from_channel" << "Channels that change (16): 2–17." << 2 << 17;
    }
    void channelSetPlacements()
    {
        QFETCH(QString, option);
        QFETCH(QString, changes);
        QFETCH(int, firstOfSet);
        QFETCH(int, inUse);
        {
            DocumentPoke edit(document());
            for (int channel = 1; channel <= 3; ++channel)
                putPlain(edit.data().image, channel, 500 + channel * 100, "OWN");
        }
        const MemoryImage before = document().image();
        m_table->selectChannels({ 2 });
        QString shown;
        whenModal(this, [&](QWidget* dialog) {
            dialog->findChild<QRadioButton*>(option)->click();
            QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("Spin_from_channel"))->value(), 2);
            shown = dialog->findChild<QLabel*>(QStringLiteral("Label_changes"))->text();
            dialog->findChild<QPushButton*>(QStringLiteral("Command_import"))->click();
        });
        m_main->findChild<QAction*>(QStringLiteral("File_set_pmr446"))->trigger();
        QCOMPARE(shown, changes);
        QCOMPARE(rowTexts(document().data(), firstOfSet).name, QStringLiteral("PMR1"));
        QCOMPARE(rowTexts(document().data(), firstOfSet).rx, QStringLiteral("446.00625"));
        int used = 0;
        for (int channel = 1; channel <= kChannelCount; ++channel)
            used += isUsed(document().image(), channel) ? 1 : 0;
        QCOMPARE(used, inUse);
        for (int channel = 1; channel < firstOfSet; ++channel)
            QVERIFY(recordOf(document().image(), channel) == recordOf(before, channel));
        QCOMPARE(document().history()->count(), 1);
    }

    // A set the memory format cannot hold exactly is refused before any preview.
    void setTheFormatCannotHoldIsRefused()
    {
        poke(document()).data().version = 1;
        const MemoryImage before = document().image();
        m_main->findChild<QAction*>(QStringLiteral("File_set_pmr446"))->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().contains(QLatin1String("446.00625")));
        QVERIFY(document().image() == before);
    }

    // A CSV file written from channel 5 down: the preview follows the spin box.
    void csvImportFromAChosenChannel()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("two.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Location,Name,Frequency\n0,ONE,446.1\n1,TWO,446.2\n");
        file.close();
        QString shown;
        whenModal(this, [&](QWidget* dialog) {
            auto* first = dialog->findChild<QSpinBox*>(QStringLiteral("Spin_from_channel"));
            first->setFocus();
            first->selectAll();
            QTest::keyClicks(first, "5");
            QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("Option_from_channel"))->isChecked());
            shown = dialog->findChild<QLabel*>(QStringLiteral("Label_changes"))->text();
            dialog->findChild<QPushButton*>(QStringLiteral("Command_import"))->click();
        });
        QVERIFY(ChannelExchange::importCsvFile(m_main, document(), m_main, path));
        QCOMPARE(shown, QStringLiteral("Channels that change (2): 5–6."));
        QCOMPARE(rowTexts(document().data(), 5).name, QStringLiteral("ONE"));
        QCOMPARE(rowTexts(document().data(), 6).name, QStringLiteral("TWO"));
        QVERIFY(!isUsed(document().image(), 1));
    }

private:
    RadioDocument& document() const { return m_main->document(); }

    MainWindow* m_main = nullptr;
    ChannelTableWindow* m_table = nullptr;
    QStringList m_messages;
};

QTEST_MAIN(TestPlanningWindows)
#include "tst_planningwindows.moc"
