// SPDX-License-Identifier: GPL-3.0-or-later
// The stock channel sets and the band plans taken from them.

#include "BandPlan.h"
#include "ChannelRecord.h"
#include "ChannelSets.h"
#include "RadioData.h"
#include "support/PutChannel.h"

#include <QTest>

using namespace ChannelRecord;
using ChannelCsv::Placement;

namespace {

struct Listed
{
    QString name;
    qint64 rxHz;
    qint64 txHz;
    bool wide;
    bool high;
};

// The channels as the services' rules list them, written out here rather
// than read from the files under test.
QList<Listed> listedChannels(const QString& set)
{
    QList<Listed> channels;
    constexpr qint64 k = 1'000;
    if (set == QLatin1String("pmr446")) {
        for (int n = 1; n <= 16; ++n) {
            const qint64 hz = 446'006'250 + (n - 1) * 12'500;
            channels << Listed{ QStringLiteral("PMR%1").arg(n), hz, hz, false, false };
        }
    } else if (set == QLatin1String("china-public-409")) {
        for (int n = 1; n <= 20; ++n) {
            const qint64 hz = 409'750'000 + (n - 1) * 12'500;
            channels << Listed{ QStringLiteral("CH%1").arg(n), hz, hz, false, false };
        }
    } else {
        const bool gmrs = set == QLatin1String("gmrs");
        const QString prefix = gmrs ? QStringLiteral("GM") : QStringLiteral("FRS");
        for (int n = 1; n <= 22; ++n) {
            const qint64 hz = n <= 7 ? 462'562'500 + (n - 1) * 25 * k
                              : n <= 14 ? 467'562'500 + (n - 8) * 25 * k
                                        : 462'550'000 + (n - 15) * 25 * k;
            const bool interstitial467 = n >= 8 && n <= 14;
            channels << Listed{ prefix + QString::number(n), hz, hz, gmrs && !interstitial467, !interstitial467 };
        }
        if (gmrs)
            for (int n = 15; n <= 22; ++n) {
                const qint64 hz = 462'550'000 + (n - 15) * 25 * k;
                channels << Listed{ QStringLiteral("GM%1R").arg(n), hz, hz + 5'000 * k, true, true };
            }
    }
    return channels;
}

qint64 frequencyHz(const MemoryImage& image, int version, int channel, int base)
{
    return freqFieldHz({ image.cell(channel, base + 1), image.cell(channel, base + 2), image.cell(channel, base + 3) },
                       version);
}

RadioData dataOfSet(const QString& set, int version = 2)
{
    RadioData data = startUpData();
    data.version = version;
    const ChannelSets::Loaded loaded = ChannelSets::load(set, version, FreqRange::of(data.image));
    data.image = ChannelCsv::withChannels(data.image, loaded.result);
    return data;
}

} // namespace

class TestChannelSets : public QObject
{
    Q_OBJECT
private slots:
    void eachSetImportsToExactlyTheListedChannels_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("version");
        for (const QString& set : ChannelSets::names())
            for (const int version : { 2, 1 })
                if (set != QLatin1String("pmr446") || version == 2)
                    QTest::addRow("%s, format %d", qPrintable(set), version) << set << version;
    }
    void eachSetImportsToExactlyTheListedChannels()
    {
        QFETCH(QString, set);
        QFETCH(int, version);
        QVERIFY(!ChannelSets::title(set).isEmpty());
        const ChannelSets::Loaded loaded = ChannelSets::load(set, version, { 400, 470 });
        QVERIFY2(loaded.ok(), qPrintable(loaded.refusal));
        QVERIFY(loaded.result.ok());
        QVERIFY(loaded.result.problems.isEmpty());

        const QList<Listed> listed = listedChannels(set);
        QCOMPARE(loaded.result.importedCount(), listed.size());
        RadioData data = dataOfSet(set, version);
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel) {
            QCOMPARE(isUsed(data.image, channel), channel <= listed.size());
            if (channel > listed.size())
                continue;
            const Listed& want = listed[channel - 1];
            QCOMPARE(frequencyHz(data.image, version, channel, kRxBase), want.rxHz);
            QCOMPARE(frequencyHz(data.image, version, channel, kTxBase), want.txHz);
            QCOMPARE(rowTexts(data, channel).name, want.name);
            QCOMPARE(data.image.flag(channel, kPowerWidthCell, kWideBit), want.wide);
            QCOMPARE(data.image.flag(channel, kPowerWidthCell, kHighPowerBit), want.high);
        }
    }

    // A set is taken whole or not at all, with the reason.
    void aSetTheRadioCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("highMHz");
        QTest::addColumn<QString>("reason");
        QTest::newRow("PMR446 in 12.5 kHz steps") << "pmr446" << 1 << 470 << "the radio's step is 12.5 kHz";
        QTest::newRow("FRS beyond the range") << "frs" << 2 << 450 << "outside the range 400 to 450 MHz";
        QTest::newRow("no such set") << "cb27" << 2 << 470 << "no channel set \"cb27\"";
    }
    void aSetTheRadioCannotHoldIsRefused()
    {
        QFETCH(QString, set);
        QFETCH(int, version);
        QFETCH(int, highMHz);
        QFETCH(QString, reason);
        const ChannelSets::Loaded loaded = ChannelSets::load(set, version, { 400, highMHz });
        QVERIFY(!loaded.ok());
        QVERIFY2(loaded.refusal.contains(reason), qPrintable(loaded.refusal));
        for (const auto& channel : loaded.result.channels)
            QVERIFY(!channel);
    }

    void aSetGoesIntoTheEmptyChannels()
    {
        RadioData data = startUpData();
        for (const int channel : { 1, 2, 4 })
            putChannel(data.image, channel, 440'000'000, 440'000'000, {}, {}, true, true, "KEEP");
        const MemoryImage before = data.image;
        const ChannelSets::Loaded loaded = ChannelSets::load(QStringLiteral("china-public-409"), 2, { 400, 470 },
                                                             Placement::fillEmpty(before));
        QVERIFY(loaded.ok());
        const MemoryImage after = ChannelCsv::withChannels(before, loaded.result);
        QCOMPARE(rowTexts({ after, 2, 400, 470 }, 3).name, QStringLiteral("CH1"));
        QCOMPARE(rowTexts({ after, 2, 400, 470 }, 5).name, QStringLiteral("CH2"));
        QCOMPARE(rowTexts({ after, 2, 400, 470 }, 23).name, QStringLiteral("CH20"));
        for (const int channel : { 1, 2, 4 })
            QCOMPARE(rowTexts({ after, 2, 400, 470 }, channel).name, QStringLiteral("KEEP"));
    }

    void eachSetKeepsToItsOwnPlan()
    {
        for (const QString& set : ChannelSets::names()) {
            const std::optional<BandPlan::Plan> plan = BandPlan::stockPlan(set);
            QVERIFY(plan);
            QCOMPARE(BandPlan::check(dataOfSet(set), *plan).size(), 0);
        }
        QVERIFY(!BandPlan::stockPlan(QStringLiteral("cb27")));
    }

    // A plan's own frequencies made wide, high or moved off it, beside
    // channels that keep to it and a receive-only channel off it.
    void thePlanCheckFlagsWhatBreaksThePlan_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<qint64>("narrowLowHz");    // a frequency of the plan that allows neither
        QTest::addColumn<qint64>("wideHighHz");     // one that allows both, or 0
        QTest::newRow("PMR446") << "pmr446" << qint64(446'006'250) << qint64(0);
        QTest::newRow("China") << "china-public-409" << qint64(409'987'500) << qint64(0);
        QTest::newRow("FRS") << "frs" << qint64(467'562'500) << qint64(0);
        QTest::newRow("GMRS") << "gmrs" << qint64(467'712'500) << qint64(467'550'000);
    }
    void thePlanCheckFlagsWhatBreaksThePlan()
    {
        QFETCH(QString, set);
        QFETCH(qint64, narrowLowHz);
        QFETCH(qint64, wideHighHz);
        const std::optional<BandPlan::Plan> plan = BandPlan::stockPlan(set);
        QVERIFY(plan);
        RadioData data = startUpData();
        putChannel(data.image, 1, narrowLowHz, narrowLowHz, {}, {}, false, false, "OK");
        putChannel(data.image, 2, narrowLowHz, narrowLowHz, {}, {}, true, false, "WIDE");
        putChannel(data.image, 3, narrowLowHz, narrowLowHz, {}, {}, false, true, "HIGH");
        putChannel(data.image, 4, narrowLowHz + 6'250, narrowLowHz + 6'250, {}, {}, false, false, "OFF");
        putChannel(data.image, 5, 455'000'000, 0, {}, {}, true, true, "LSTN");
        putChannel(data.image, 6, narrowLowHz, narrowLowHz, {}, {}, true, true, "BOTH");
        if (wideHighHz)
            putChannel(data.image, 7, wideHighHz - 5'000'000, wideHighHz, {}, {}, true, true, "RPT");

        const QList<BandPlan::Finding> findings = BandPlan::check(data, *plan);
        QCOMPARE(findings.size(), 4);
        QCOMPARE(findings[0].channel, 2);
        QCOMPARE(findings[0].breaches, BandPlan::Breaches(BandPlan::Breach::TooWide));
        QCOMPARE(findings[1].channel, 3);
        QCOMPARE(findings[1].breaches, BandPlan::Breaches(BandPlan::Breach::TooPowerful));
        QCOMPARE(findings[2].channel, 4);
        QCOMPARE(findings[2].breaches, BandPlan::Breaches(BandPlan::Breach::OutsidePlan));
        QCOMPARE(findings[3].channel, 6);
        QCOMPARE(findings[3].breaches, BandPlan::Breach::TooWide | BandPlan::Breach::TooPowerful);
        const QString text = BandPlan::findingText(findings[2], *plan);
        QVERIFY2(text.startsWith(QLatin1String("Channel 4 transmits on ")) && text.contains(plan->title), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestChannelSets)
#include "tst_channelsets.moc"
