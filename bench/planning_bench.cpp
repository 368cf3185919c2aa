// SPDX-License-Identifier: GPL-3.0-or-later
// Times channel planning on a full table: sorting all 128 channels (by each
// key, both ways), filtering 128 rows for a find text, finding duplicates,
// and checking 128 channels against a band plan (the plan taken from its
// channel set once, as a window keeps it, and with the plan taken each time,
// as qv3n-cli does). Each is run many times; the median and the slowest run
// are printed beside the budget.
//
//   qv3n-planning-bench [runs]

#include "BandPlan.h"
#include "ChannelDuplicates.h"
#include "ChannelRecord.h"
#include "ChannelSearch.h"
#include "ChannelSort.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kBudgetMs = 16.0;
constexpr int kDefaultRuns = 200;

// Every channel in use, in no order: frequencies around the 446 MHz channels
// (some repeated), every kind of tone, both widths and powers, names.
RadioData fullData()
{
    using namespace ChannelRecord;
    RadioData data = startUpData();
    MemoryImage& image = data.image;
    for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel) {
        setNewChannelDefaults(image, channel);
        const qint64 rx = 446'006'250 + (channel * 37 % 101) * 12'500;
        const FreqCells cells = freqCellsForHz(rx, data.version);
        const FreqCells tx = freqCellsForHz(rx + (channel % 4 == 0 ? 5'000'000 : 0), data.version);
        const quint8 freq[] = { cells.steps, cells.unitsTenths, cells.hundredsTens, tx.steps, tx.unitsTenths, tx.hundredsTens };
        for (int i = 0; i < 3; ++i) {
            image.setCell(channel, kRxBase + 1 + i, freq[i]);
            image.setCell(channel, kTxBase + 1 + i, freq[3 + i]);
        }
        image.setCell(channel, kDecodeToneCell, quint8(channel * 7 % 154));
        image.setCell(channel, kEncodeToneCell, quint8(channel * 3 % 154));
        image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, channel % 2);
        image.setFlag(channel, kPowerWidthCell, kWideBit, channel % 3);
        image.setFlag(channel, kPowerWidthCell, kHighPowerBit, channel % 5);
        storeName(image, channel, QStringLiteral("C%1").arg(channel * 13 % 997));
    }
    return data;
}

void report(const char* what, int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    ms.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double worst = ms.back();
    std::printf("%-52s median %7.3f ms   slowest %7.3f ms   budget %.0f ms  %s\n", what, median, worst, kBudgetMs,
                worst <= kBudgetMs ? "ok" : "OVER");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultRuns;
    const RadioData full = fullData();
    std::printf("%d runs each, 128 channels in use\n", runs);

    const struct
    {
        const char* what;
        ChannelSort::Key key;
    } keys[] = {
        { "sort 128 channels by RX frequency", ChannelSort::Key::RxFrequency },
        { "sort 128 channels by TX frequency", ChannelSort::Key::TxFrequency },
        { "sort 128 channels by name", ChannelSort::Key::Name },
        { "sort 128 channels by decode tone", ChannelSort::Key::DecodeTone },
        { "sort 128 channels by power", ChannelSort::Key::Power },
    };
    for (const auto& key : keys)
        for (const Qt::SortOrder order : { Qt::AscendingOrder, Qt::DescendingOrder }) {
            const QByteArray what = QByteArray(key.what) + (order == Qt::AscendingOrder ? ", up" : ", down");
            report(what.constData(), runs, [&] {
                RadioData data = full;
                ChannelSort::sortAll(data, key.key, order);
            });
        }

    int matched = 0;
    for (const char* text : { "446.1", "D023", "c1", "nothing" }) {
        const QByteArray what = QByteArray("filter 128 rows for \"") + text + "\"";
        report(what.constData(), runs,
               [&] { matched = int(ChannelSearch::matchingChannels(full, QLatin1String(text)).size()); });
    }

    int groups = 0;
    report("find the duplicates among 128 channels", runs, [&] { groups = int(ChannelDuplicates::find(full).size()); });

    int findings = 0;
    const std::optional<BandPlan::Plan> plan = BandPlan::stockPlan(QStringLiteral("pmr446"));
    report("check 128 channels against the PMR446 plan", runs, [&] { findings = int(BandPlan::check(full, *plan).size()); });
    report("take the GMRS plan and check 128 channels", runs, [&] {
        findings = int(BandPlan::check(full, *BandPlan::stockPlan(QStringLiteral("gmrs"))).size());
    });
    std::printf("(the last filter matched %d rows; %d RX frequencies repeat; the last check found %d channels)\n",
                matched, groups, findings);
    return 0;
}
