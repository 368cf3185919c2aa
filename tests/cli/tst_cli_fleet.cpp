// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-cli fleet as a child process against several virtual radios of this
// process at once, each behind a link of its own: its lines, its report rows
// and its exit status, and that nothing is sent when the file is wrong.

#include "VirtualRadio.h"
#include "support/CliRun.h"
#include "support/LinkTest.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "Csv.h"
#include "FleetReport.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "RadioText.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace MemoryMap;
using Fault = VirtualRadio::Fault;

Q_DECLARE_METATYPE(VirtualRadio::Fault)

namespace {

struct Radio
{
    QTemporaryDir dir;
    std::unique_ptr<VirtualRadio> radio;
    std::unique_ptr<QSignalSpy> handshakes;
    bool started = false;

    explicit Radio(Fault fault)
    {
        VirtualRadio::Options options;
        options.fault = fault;
        options.faultBlock = 5;
        options.symlink = device();
        radio = std::make_unique<VirtualRadio>(options);
        handshakes = std::make_unique<QSignalSpy>(radio.get(), &VirtualRadio::handshakeReceived);
        started = radio->start(nullptr);
    }
    QString device() const { return dir.filePath(QStringLiteral("radio-port")); }
};

MemoryImage goodImage()
{
    MemoryImage image = factoryImage();
    ChannelRecord::setNewChannelDefaults(image, 1);
    storeFreq(image, 2, QStringLiteral("446.00625"), 1, ChannelRecord::kRxBase);
    storeFreq(image, 2, QStringLiteral("446.00625"), 1, ChannelRecord::kTxBase);
    return image;
}

QList<QStringList> reportRows(const QString& path)
{
    FleetReport::Table table;
    QString reason;
    if (!FleetReport::read(path, &table, &reason) || table.header != FleetReport::header())
        return {};
    return table.rows;
}

} // namespace

class TestCliFleet : public QObject
{
    Q_OBJECT

    CliFolder m_dir;

private slots:
    // $1 and $2 stand for the two radios' devices, $GOOD for a channel file a
    // write takes and $TEXT for it as a radio text, $NARROW for one it refuses,
    // $BROKEN for a radio text that cannot be read, $MISSING for none.
    void exitStatus_data()
    {
        QTest::addColumn<Fault>("secondFault");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lines");    // on standard output, in any order
        QTest::addColumn<QString>("message");      // on standard error

        QTest::newRow("every radio ok")
            << Fault::None << QStringList{ "fleet", "$GOOD", "$1", "$2", "--verify", "--asset", "$2=R-7" } << 0
            << QStringList{ "$1: ok (verified) ", "$2: ok (verified) " } << QString();
        QTest::newRow("one radio silent")
            << Fault::NoReply << QStringList{ "fleet", "$GOOD", "$1", "$2" } << 1
            << QStringList{ "$1: ok (not verified) ", "$2: failed: Communication fault: nothing was written." }
            << QStringLiteral("The radio did not answer on $2.");
        QTest::newRow("one radio storing a wrong bit")
            << Fault::StoresWrongly << QStringList{ "fleet", "$GOOD", "$1", "$2", "--verify" } << 1
            << QStringList{ "$1: ok (verified) ", "$2: failed: block 5 (channel 5) differs: sent " } << QString();
        QTest::newRow("a radio text")
            << Fault::None << QStringList{ "fleet", "$TEXT", "$1", "$2", "--verify", "--asset", "$2=R-7" } << 0
            << QStringList{ "$1: ok (verified) ", "$2: ok (verified) " } << QString();
        QTest::newRow("a radio text with a problem")
            << Fault::None << QStringList{ "fleet", "$BROKEN", "$1", "$2" } << 3 << QStringList{}
            << QStringLiteral("line 3, column 9: 480 MHz lies outside the frequency range");
        QTest::newRow("file missing") << Fault::None << QStringList{ "fleet", "$MISSING", "$1", "$2" } << 3
                                      << QStringList{} << QStringLiteral("qv3n-cli: The channel file $MISSING");
        QTest::newRow("file refused by the range")
            << Fault::None << QStringList{ "fleet", "$NARROW", "$1", "$2" } << 4 << QStringList{}
            << QStringLiteral("Nothing was written to any radio.");
        QTest::newRow("port given twice") << Fault::None << QStringList{ "fleet", "$GOOD", "$1", "$1" } << 2
                                          << QStringList{} << QStringLiteral("qv3n-cli: The port $1 is given twice.");
        QTest::newRow("asset of a port not given")
            << Fault::None << QStringList{ "fleet", "$GOOD", "$1", "--asset", "COM7=X" } << 2 << QStringList{}
            << QStringLiteral("qv3n-cli: --asset names COM7, which is not among the ports.");
        QTest::newRow("no port") << Fault::None << QStringList{ "fleet", "$GOOD" } << 2 << QStringList{}
                                 << QStringLiteral("qv3n-cli: The operand PORT is missing.");
    }
    void exitStatus()
    {
        QFETCH(Fault, secondFault);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);

        Radio first(Fault::None);
        Radio second(secondFault);
        QVERIFY(first.started && second.started);
        second.radio->setMemory(patterned(3));
        const MemoryImage secondBefore = second.radio->memory();
        MemoryImage narrow = goodImage();
        narrow.setBlock(kRangeBlock, { 0x00, 0x40, 0x00, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xFF, 0xFF });   // 400..440 MHz: channel 1 lies outside
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString report = m_dir.path(tag + QStringLiteral(".csv"));
        const QMap<QString, QString> names{
            { QStringLiteral("$1"), first.device() },
            { QStringLiteral("$2"), second.device() },
            { QStringLiteral("$GOOD"), m_dir.writeImage(QStringLiteral("good.chann"), goodImage()) },
            { QStringLiteral("$TEXT"), m_dir.writeFile(QStringLiteral("good.yaml"), RadioText::format(goodImage(), 2)) },
            { QStringLiteral("$BROKEN"), m_dir.writeFile(QStringLiteral("broken.yaml"), "channels:\n  - number: 1\n    rx: 480\n") },
            { QStringLiteral("$NARROW"), m_dir.writeImage(QStringLiteral("narrow.chann"), narrow) },
            { QStringLiteral("$MISSING"), m_dir.path(QStringLiteral("missing.chann")) },
        };
        auto expand = [&names](QString text) {
            for (auto it = names.cbegin(); it != names.cend(); ++it)
                text.replace(it.key(), it.value());
            return text;
        };
        for (QString& arg : args)
            arg = expand(arg);
        args << QStringLiteral("--report") << report;

        const CliResult result = m_dir.run(args);
        QVERIFY2(result.exitCode == status, qPrintable(result.out + result.err));
        const QStringList out = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(out.size(), lines.size());
        for (const QString& line : lines)
            QVERIFY2(std::any_of(out.cbegin(), out.cend(), [&](const QString& o) { return o.startsWith(expand(line)); }),
                     qPrintable(result.out));
        QVERIFY2(result.err.contains(expand(message)), qPrintable(result.err));

        if (status >= 2) {
            // Nothing was sent to any radio, and no row written.
            QCOMPARE(first.handshakes->size(), 0);
            QCOMPARE(second.handshakes->size(), 0);
            QVERIFY(second.radio->memory() == secondBefore);
            QCOMPARE(reportRows(report).size(), 0);
            return;
        }
        const QList<QStringList> rows = reportRows(report);
        QCOMPARE(rows.size(), 2);
        const int device = int(FleetReport::header().indexOf(QStringLiteral("Device")));
        const int asset = int(FleetReport::header().indexOf(QStringLiteral("Asset")));
        const int result_ = int(FleetReport::header().indexOf(QStringLiteral("Result")));
        for (const QStringList& row : rows) {
            const bool isSecond = row.at(device) == second.device();
            QCOMPARE(row.at(result_), QLatin1String(isSecond && secondFault != Fault::None ? "failed" : "ok"));
            QCOMPARE(row.at(asset), QLatin1String(isSecond && status == 0 ? "R-7" : ""));
            QCOMPARE(row.at(int(FleetReport::header().indexOf(QStringLiteral("File")))), QFileInfo(args.at(1)).fileName());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliFleet)
#include "tst_cli_fleet.moc"
