// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet window, driven through its grid and buttons, against several
// virtual radios at once, each behind a link of its own.

#include "fleet/FleetPortTable.h"
#include "fleet/FleetReportWindow.h"
#include "fleet/FleetWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "CommPort.h"
#include "FleetRun.h"
#include "Language.h"
#include "LinkContext.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "RadioDocument.h"
#include "RadioFile.h"
#include "UndoHistory.h"
#include "VirtualRadio.h"
#include "WriteCheck.h"
#include "support/DocumentPoke.h"
#include "support/LinkTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace MemoryMap;
using Fault = VirtualRadio::Fault;

namespace {

LinkTimings fleetTimings()
{
    LinkTimings t = patientTimings();
    t.byteWatchdogMs = 3000;
    t.replyWatchdogMs = 2000;
    return t;
}

// A virtual radio behind a link of its own, made COMn of the program.
struct Radio
{
    QTemporaryDir dir;
    std::unique_ptr<VirtualRadio> radio;
    std::unique_ptr<QSignalSpy> handshakes;
    bool started = false;

    Radio(int com, Fault fault)
    {
        VirtualRadio::Options options;
        options.fault = fault;
        options.symlink = dir.filePath(QStringLiteral("radio-port"));
        radio = std::make_unique<VirtualRadio>(options);
        handshakes = std::make_unique<QSignalSpy>(radio.get(), &VirtualRadio::handshakeReceived);
        started = radio->start(nullptr);
        qputenv(QByteArray("QV3N_COM") + QByteArray::number(com), options.symlink.toLocal8Bit());
    }
};

QString cellText(const QTableWidget* table, int row, int column)
{
    return table->item(row, column)->text();
}

} // namespace

class TestFleetWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    QList<Prompt::Message> m_messages;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void init()
    {
        // Only the ports a test makes are listed.
        for (int n = 1; n <= 8; ++n)
            qputenv(QByteArray("QV3N_COM") + QByteArray::number(n), QByteArray());
        m_messages.clear();
    }

    // Records the messages shown over window and answers them.
    void answerMessages(QWidget* window)
    {
        Prompt::setHandler(window, [this](const Prompt::Message& message) {
            m_messages.append(message);
            return QMessageBox::Ok;
        });
    }

    void theProgramMenuOpensIt_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::newRow("Chinese") << true << QStringLiteral("批量编程(&F)…") << QStringLiteral("批量编程");
        QTest::newRow("English") << false << QStringLiteral("&Fleet programming…") << QStringLiteral("Fleet Programming");
    }
    void theProgramMenuOpensIt()
    {
        QFETCH(bool, chinese);
        QFETCH(QString, menu);
        QFETCH(QString, title);
        qputenv("QV3N_COM2", "/dev/qv3n-test-cable-a");
        qputenv("QV3N_COM5", "/dev/qv3n-test-cable-b");
        MainWindow main;
        answerMessages(&main);
        main.start();
        if (!chinese)
            main.findChild<QAction*>(QStringLiteral("Language_eng"))->trigger();
        QAction* action = main.findChild<QAction*>(QStringLiteral("Prog_fleet"));
        QCOMPARE(action->text(), menu);
        action->trigger();
        FleetWindow* window = main.window<FleetWindow>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), title);
        const auto* table = window->findChild<QTableWidget*>(QStringLiteral("Grid_Ports"));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(cellText(table, 0, FleetPortTable::PortColumn), QStringLiteral("COM2"));
        QCOMPARE(cellText(table, 1, FleetPortTable::DeviceColumn), QStringLiteral("/dev/qv3n-test-cable-b"));
        applyUiLanguage(true);
    }

    // Three radios checked (one silent), a fourth left out; the working copy
    // needs the adjustments a write makes, which go to the radios only.
    void programsTheCheckedRadiosSideBySide()
    {
        Radio good1(1, Fault::None);
        Radio good2(2, Fault::None);
        Radio silent(3, Fault::NoReply);
        Radio leftOut(4, Fault::None);
        for (const Radio* radio : { &good1, &good2, &silent, &leftOut })
            QVERIFY(radio->started);
        RadioDocument document;
        {
            DocumentPoke edit(document);
            // A priority channel that is not in use: a write sends none.
            edit.data().image.setCell(kSettingsBlock, kPriorityChannelCell, 100);
        }
        const RadioData before = document.data();
        const int steps = document.history()->count();
        const MemoryImage sent = checkForWrite(before).data.image;
        QVERIFY(sent != before.image);

        QTemporaryDir folder;
        const QString report = folder.filePath(QStringLiteral("report.csv"));
        CommPort port;
        LinkContext links;
        links.setTimings(fleetTimings());
        FleetWindow window(document, port, links);
        answerMessages(&window);
        window.setReportPath(report);
        window.findChild<QCheckBox*>(QStringLiteral("Check_Backup"))->setChecked(false);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("Grid_Ports"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(cellText(table, 0, FleetPortTable::CableColumn), PortDirectory::tr("a pseudo-terminal"));
        // Space on a row's port leaves that radio out.
        table->setFocus();
        table->setCurrentCell(3, FleetPortTable::PortColumn);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(table->item(3, FleetPortTable::PortColumn)->checkState(), Qt::Unchecked);
        // A barcode reader types the tag and presses Enter; the next row's tag is next.
        table->setCurrentCell(0, FleetPortTable::AssetColumn);
        QTest::keyClick(table, 'R');
        QVERIFY(QApplication::focusWidget() != table);   // the tag's editor
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-0001"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(cellText(table, 0, FleetPortTable::AssetColumn), QStringLiteral("R-0001"));
        QTRY_COMPARE(table->currentRow(), 1);

        QSignalSpy allFinished(window.run(), &FleetRun::allFinished);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command_Program")), Qt::LeftButton);
        QVERIFY(window.transferring());
        // Closing is refused while any port transfers.
        QVERIFY(!window.close());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("Command_NextBatch"))->isEnabled());
        QVERIFY(waitFor(allFinished, 1, 120000));

        QVERIFY(cellText(table, 0, FleetPortTable::OutcomeColumn).startsWith(FleetRadio::stateText(FleetRadio::State::Done)));
        QVERIFY(cellText(table, 1, FleetPortTable::OutcomeColumn).startsWith(FleetRadio::stateText(FleetRadio::State::Done)));
        QVERIFY(cellText(table, 2, FleetPortTable::OutcomeColumn).startsWith(FleetRadio::stateText(FleetRadio::State::Failed)));
        QCOMPARE(cellText(table, 3, FleetPortTable::OutcomeColumn), QString());
        QCOMPARE(leftOut.handshakes->size(), 0);
        QVERIFY(sameBlocks(good1.radio->memory(), sent, 0, kLastWrittenBlock));
        QVERIFY(sameBlocks(good2.radio->memory(), sent, 0, kLastWrittenBlock));
        // The working copy is as it was: no adjustment, no undo step.
        QVERIFY(document.data() == before);
        QCOMPARE(document.history()->count(), steps);

        // The failed row says why and what to check, and is retried alone.
        auto* retry = window.findChild<QPushButton*>(QStringLiteral("Command_Retry"));
        table->setCurrentCell(0, FleetPortTable::PortColumn);
        QVERIFY(!retry->isEnabled());
        table->setCurrentCell(2, FleetPortTable::PortColumn);
        QVERIFY(retry->isEnabled());
        const QString advice = window.findChild<QLabel*>(QStringLiteral("Label_Advice"))->text();
        QVERIFY2(advice.contains(silent.dir.filePath(QStringLiteral("radio-port"))), qPrintable(advice));

        FleetReport::Table rows;
        QString reason;
        QVERIFY(FleetReport::read(report, &rows, &reason));
        QCOMPARE(rows.rows.size(), 3);
        int tagged = 0;
        for (const QStringList& row : rows.rows)
            tagged += row.at(FleetReport::header().indexOf(QStringLiteral("Asset"))) == QLatin1String("R-0001") ? 1 : 0;
        QCOMPARE(tagged, 1);
        // Opening the report shows its rows.
        FleetReportWindow shown(report);
        QCOMPARE(shown.findChild<QTableWidget*>(QStringLiteral("Grid_Report"))->rowCount(), 3);

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command_NextBatch")), Qt::LeftButton);
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(cellText(table, row, FleetPortTable::OutcomeColumn), QString());
            QCOMPARE(cellText(table, row, FleetPortTable::AssetColumn), QString());
        }
        QVERIFY(window.close());
    }

    // The file chosen in the window is a channel file or a radio text; one that
    // cannot be read says where, and nothing is sent.
    void writesTheChosenFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("text");   // empty: the image saved in the kind the name gives
        QTest::newRow("channel file") << "club.chann" << QByteArray();
        QTest::newRow("radio text") << "club.yaml" << QByteArray();
        QTest::newRow("radio text with a problem") << "broken.yaml" << QByteArray("channels:\n  - number: 1\n    rx: 480\n");
    }
    void writesTheChosenFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, text);
        Radio radio(1, Fault::None);
        QVERIFY(radio.started);
        MemoryImage image = factoryImage();
        ChannelRecord::setNewChannelDefaults(image, 1);
        storeFreq(image, 2, QStringLiteral("446.00625"), 1, ChannelRecord::kRxBase);
        storeFreq(image, 2, QStringLiteral("446.00625"), 1, ChannelRecord::kTxBase);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (text.isEmpty()) {
            QVERIFY(RadioFile::save(path, image, 2).ok);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        }

        RadioDocument document;
        CommPort port;
        LinkContext links;
        links.setTimings(fleetTimings());
        FleetWindow window(document, port, links);
        answerMessages(&window);
        window.setReportPath(folder.filePath(QStringLiteral("report.csv")));
        window.findChild<QCheckBox*>(QStringLiteral("Check_Backup"))->setChecked(false);
        window.setChannelFile(path);
        QSignalSpy allFinished(window.run(), &FleetRun::allFinished);
        window.findChild<QPushButton*>(QStringLiteral("Command_Program"))->click();
        if (!text.isEmpty()) {
            // The problem with its line and column, as an open shows it.
            QCOMPARE(m_messages.size(), 1);
            const QStringList problems = RadioFile::load(path, factoryImage(), 2).problems;
            QCOMPARE(problems.size(), 1);
            QCOMPARE(m_messages[0].informativeText, problems.first());
            QVERIFY(!window.transferring());
            QCOMPARE(radio.handshakes->size(), 0);
            return;
        }
        QVERIFY(waitFor(allFinished, 1, 120000));
        QVERIFY(sameBlocks(radio.radio->memory(), FleetRun::checkFile(image, 2).data.image, 0, kLastWrittenBlock));
    }

    // The fleet's transfers count with the main window's own: it does not
    // close while a fleet radio is being written.
    void theMainWindowStaysOpenWhileTheFleetWrites()
    {
        Radio radio(1, Fault::None);
        QVERIFY(radio.started);
        QTemporaryDir folder;
        MainWindow main;
        answerMessages(&main);
        main.links().setTimings(fleetTimings());
        main.start();
        main.findChild<QAction*>(QStringLiteral("Prog_fleet"))->trigger();
        FleetWindow* window = main.window<FleetWindow>();
        QVERIFY(window);
        window->setReportPath(folder.filePath(QStringLiteral("report.csv")));
        window->findChild<QCheckBox*>(QStringLiteral("Check_Backup"))->setChecked(false);
        QSignalSpy allFinished(window->run(), &FleetRun::allFinished);
        window->findChild<QPushButton*>(QStringLiteral("Command_Program"))->click();
        QVERIFY(main.links().transferRunning());
        QVERIFY(!main.close());
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, linkBusyCloseText());
        QVERIFY(waitFor(allFinished, 1, 120000));
        QVERIFY(!main.links().transferRunning());
        QCOMPARE(window->run()->radios().first()->state(), FleetRadio::State::Done);
    }
};

QTEST_MAIN(TestFleetWindow)
#include "tst_fleet_window.moc"
