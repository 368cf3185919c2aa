// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet run against several virtual radios at once, each on a
// pseudo-terminal reached through a link of its own: good radios beside a
// silent one, one storing a wrong bit and one whose cable is pulled mid-write,
// and the report rows each radio leaves.

#include "FleetRun.h"
#include "LinkContext.h"
#include "VirtualRadio.h"
#include "support/LinkTest.h"

#include "ChannelFile.h"
#include "Csv.h"
#include "MemoryMap.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Fault = VirtualRadio::Fault;
using State = FleetRadio::State;

Q_DECLARE_METATYPE(VirtualRadio::Fault)

namespace {

// Every run must end in time; a silent radio fails after four short watchdogs.
LinkTimings fleetTimings()
{
    LinkTimings t = patientTimings();
    t.byteWatchdogMs = 3000;
    t.replyWatchdogMs = 2000;
    return t;
}

// A virtual radio behind a link in a folder of its own: a retry after a
// pulled cable never reopens a terminal that another radio was given since.
struct Radio
{
    QTemporaryDir dir;
    std::unique_ptr<VirtualRadio> radio;
    bool started = false;

    Radio(Fault fault, int faultBlock, bool pace, const MemoryImage& memory)
    {
        VirtualRadio::Options options;
        options.fault = fault;
        options.faultBlock = faultBlock;
        options.pace = pace;
        options.symlink = device();
        radio = std::make_unique<VirtualRadio>(options);
        radio->setMemory(memory);
        started = radio->start(nullptr);
    }
    QString device() const { return dir.filePath(QStringLiteral("radio-port")); }
};

QString sha256OfWrittenBlocks(const MemoryImage& image)
{
    QByteArray bytes;
    for (int b = 0; b <= MemoryMap::kLastWrittenBlock; ++b)
        for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
            bytes.append(char(image.cell(b, c)));
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QList<QStringList> csvRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    Csv::Reader reader(text);
    QList<QStringList> rows;
    Csv::Row row;
    while (reader.next(&row))
        if (row.fields != QStringList { QString() })
            rows << row.fields;
    return rows;
}

int column(const QString& name)
{
    return int(FleetReport::header().indexOf(name));
}

FleetPort portFor(const Radio& radio, int index)
{
    return { QStringLiteral("radio %1").arg(index), 0, radio.device(), {} };
}

} // namespace

class TestFleetRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Each row: the fault of every radio of one batch, and which of them must
    // fail with which words in its reason and verify result. A fault strikes
    // its radio only: the others hold the whole image afterwards.
    void batchOfRadios_data()
    {
        QTest::addColumn<QList<Fault>>("faults");
        QTest::addColumn<bool>("pace");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<int>("failing");            // -1: none fails
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("verify");         // of the failing radio

        QTest::newRow("four good radios, backed up")
            << QList<Fault>{ Fault::None, Fault::None, Fault::None, Fault::None } << false << true << -1 << QString()
            << QString();
        QTest::newRow("paced: a silent radio among good ones, backed up")
            << QList<Fault>{ Fault::None, Fault::NoReply, Fault::None } << true << true << 1
            << QStringLiteral("nothing was written") << QStringLiteral("not verified");
        QTest::newRow("paced: a radio storing a wrong bit among good ones")
            << QList<Fault>{ Fault::None, Fault::None, Fault::StoresWrongly } << true << false << 2
            << QStringLiteral("block 5 (channel 5) differs") << QStringLiteral("differs: channel 5");
        QTest::newRow("paced: a cable pulled mid-write among good ones")
            << QList<Fault>{ Fault::HangUp, Fault::None, Fault::None } << true << false << 0
            << QStringLiteral("partial write") << QStringLiteral("not verified");
    }
    void batchOfRadios()
    {
        QFETCH(QList<Fault>, faults);
        QFETCH(bool, pace);
        QFETCH(bool, backup);
        QFETCH(int, failing);
        QFETCH(QString, reason);
        QFETCH(QString, verify);

        const int faultBlock = faults.contains(Fault::HangUp) ? 40 : 5;
        std::vector<std::unique_ptr<Radio>> radios;
        for (int i = 0; i < faults.size(); ++i) {
            radios.push_back(std::make_unique<Radio>(faults.at(i), faultBlock, pace, patterned(50 + i)));
            QVERIFY(radios.back()->started);
        }
        const QString report = m_dir.filePath(QStringLiteral("%1.csv").arg(QTest::currentDataTag()));
        LinkContext links;
        links.setTimings(fleetTimings());
        FleetRun run(links);
        run.setReportPath(report);
        for (int i = 0; i < faults.size(); ++i)
            run.addPort(portFor(*radios.at(size_t(i)), i + 1))->setAssetTag(QStringLiteral("TAG-%1").arg(i + 1));
        FleetPlan plan;
        plan.image = patterned(7);
        plan.fileName = QStringLiteral("club.chann");
        plan.verify = true;
        if (backup)
            plan.backupFolder = m_dir.filePath(QStringLiteral("backups-%1").arg(QTest::currentDataTag()));
        QSignalSpy finished(&run, &FleetRun::radioFinished);
        QSignalSpy allFinished(&run, &FleetRun::allFinished);
        run.start(run.radios(), plan);
        // Side by side: every radio is under way before any has ended, and
        // counts as a transfer of the context (the main window asks it).
        for (const FleetRadio* radio : run.radios())
            QVERIFY(radio->running());
        QVERIFY(links.transferRunning());
        QVERIFY(waitFor(allFinished, 1, 180000));
        QVERIFY(!links.transferRunning());
        QCOMPARE(finished.size(), faults.size());
        QVERIFY(!run.running());

        const QList<QStringList> rows = csvRows(report);
        QCOMPARE(rows.size(), faults.size() + 1);
        QCOMPARE(rows.first(), FleetReport::header());
        for (int i = 0; i < faults.size(); ++i) {
            const FleetRadio* radio = run.radios().at(i);
            const Radio& virtualRadio = *radios.at(size_t(i));
            // Rows come in the order the radios ended.
            const auto row = std::find_if(rows.cbegin() + 1, rows.cend(), [&](const QStringList& fields) {
                return fields.value(column(QStringLiteral("Device"))) == virtualRadio.device();
            });
            QVERIFY(row != rows.cend());
            QCOMPARE(row->size(), FleetReport::header().size());
            QCOMPARE(row->at(column(QStringLiteral("Asset"))), QStringLiteral("TAG-%1").arg(i + 1));
            QCOMPARE(row->at(column(QStringLiteral("File"))), QStringLiteral("club.chann"));
            QCOMPARE(row->at(column(QStringLiteral("Image SHA-256"))), sha256OfWrittenBlocks(plan.image));
            QVERIFY(QDateTime::fromString(row->at(column(QStringLiteral("Time"))), Qt::ISODate).isValid());
            QVERIFY(row->at(column(QStringLiteral("Seconds"))).toDouble() > 0);
            if (i == failing) {
                QCOMPARE(radio->state(), State::Failed);
                QCOMPARE(row->at(column(QStringLiteral("Result"))), QStringLiteral("failed"));
                QVERIFY2(row->at(column(QStringLiteral("Reason"))).contains(reason),
                         qPrintable(row->at(column(QStringLiteral("Reason")))));
                QVERIFY2(row->at(column(QStringLiteral("Verify"))).startsWith(verify),
                         qPrintable(row->at(column(QStringLiteral("Verify")))));
                QVERIFY(!radio->advice().isEmpty());
                continue;
            }
            QCOMPARE(radio->state(), State::Done);
            QCOMPARE(row->at(column(QStringLiteral("Result"))), QStringLiteral("ok"));
            QCOMPARE(row->at(column(QStringLiteral("Reason"))), QString());
            QCOMPARE(row->at(column(QStringLiteral("Verify"))), QStringLiteral("verified"));
            QCOMPARE(row->at(column(QStringLiteral("Version"))), QStringLiteral("2"));
            // The radio holds what the row's hash stands for.
            QCOMPARE(sha256OfWrittenBlocks(virtualRadio.radio->memory()), row->at(column(QStringLiteral("Image SHA-256"))));
            if (backup) {
                const QString backupFile = row->at(column(QStringLiteral("Backup")));
                QVERIFY(QFile::exists(backupFile));
                MemoryImage saved;
                saved.setBytes(ChannelFile::read(backupFile).bytes);
                QVERIFY(sameBlocks(saved, patterned(50 + i), 0, MemoryMap::kReadBlockCount - 1));
            } else {
                QCOMPARE(row->at(column(QStringLiteral("Backup"))), QString());
            }
        }
    }

    // A failed radio is programmed again alone, with the batch's plan; its
    // report gets a second row. Next batch then clears every row for the next radios.
    void retryOneRadioThenNextBatch()
    {
        Radio good(Fault::None, 0, false, patterned(1));
        QVERIFY(good.started);
        QTemporaryDir later;
        const QString laterDevice = later.filePath(QStringLiteral("radio-port"));
        const QString report = m_dir.filePath(QStringLiteral("retry.csv"));
        LinkContext links;
        links.setTimings(fleetTimings());
        FleetRun run(links);
        run.setReportPath(report);
        FleetRadio* first = run.addPort(portFor(good, 1));
        // No radio is plugged into the second port yet.
        FleetRadio* second = run.addPort({ QStringLiteral("radio 2"), 0, laterDevice, {} });
        second->setAssetTag(QStringLiteral("  B-2  "));
        QCOMPARE(second->assetTag(), QStringLiteral("B-2"));
        FleetPlan plan;
        plan.image = patterned(9);
        plan.verify = true;
        QSignalSpy allFinished(&run, &FleetRun::allFinished);
        run.start(run.radios(), plan);
        QVERIFY(waitFor(allFinished));
        QCOMPARE(first->state(), State::Done);
        QCOMPARE(second->state(), State::Failed);
        QVERIFY2(second->reason().contains(laterDevice), qPrintable(second->reason()));

        VirtualRadio::Options options;
        options.symlink = laterDevice;
        VirtualRadio plugged(options);
        QVERIFY(plugged.start(nullptr));
        QSignalSpy firstFinished(first, &FleetRadio::finished);
        run.retry(second);
        QVERIFY(second->running());
        QVERIFY(!first->running());
        QVERIFY(!run.nextBatch());   // refused while a port transfers
        QVERIFY(waitFor(allFinished, 2));
        QCOMPARE(second->state(), State::Done);
        QCOMPARE(firstFinished.size(), 0);
        QVERIFY(sameBlocks(plugged.memory(), plan.image, 0, MemoryMap::kLastWrittenBlock));

        const QList<QStringList> rows = csvRows(report);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(3).at(column(QStringLiteral("Asset"))), QStringLiteral("B-2"));
        QCOMPARE(rows.at(3).at(column(QStringLiteral("Result"))), QStringLiteral("ok"));

        QVERIFY(run.nextBatch());
        for (const FleetRadio* radio : run.radios()) {
            QCOMPARE(radio->state(), State::Idle);
            QCOMPARE(radio->assetTag(), QString());
            QCOMPARE(radio->reason(), QString());
        }
    }

    // The report keeps one header however often rows are appended, and a tag
    // with a comma or a quote stays one field.
    void reportAppendsUnderOneHeader()
    {
        const QString path = m_dir.filePath(QStringLiteral("folder/made/report.csv"));
        FleetReport::Row row;
        row.started = QDateTime::currentDateTime();
        row.asset = QStringLiteral("A,1 \"x\"");
        row.port = QStringLiteral("COM3");
        row.ok = false;
        row.reason = QStringLiteral("line one\nline two");
        QString reason;
        QVERIFY2(FleetReport::append(path, { row }, &reason), qPrintable(reason));
        row.ok = true;
        row.reason.clear();
        QVERIFY2(FleetReport::append(path, { row, row }, &reason), qPrintable(reason));
        FleetReport::Table table;
        QVERIFY2(FleetReport::read(path, &table, &reason), qPrintable(reason));
        QCOMPARE(table.header, FleetReport::header());
        QCOMPARE(table.rows.size(), 3);
        QCOMPARE(table.rows.at(0).at(column(QStringLiteral("Asset"))), row.asset);
        QCOMPARE(table.rows.at(0).at(column(QStringLiteral("Reason"))), QStringLiteral("line one\nline two"));
        QCOMPARE(table.rows.at(0).at(column(QStringLiteral("Result"))), QStringLiteral("failed"));
        QCOMPARE(table.rows.at(2).at(column(QStringLiteral("Result"))), QStringLiteral("ok"));
        QVERIFY(!FleetReport::append(m_dir.filePath(QStringLiteral("folder")), { row }, &reason));
    }
};

QTEST_GUILESS_MAIN(TestFleetRun)
#include "tst_fleet_run.moc"
