// SPDX-License-Identifier: GPL-3.0-or-later
// Times the spreadsheet exchange and the comparison on full images: export of
// 128 channels to CSV, import of them back (read from disk, every row checked,
// the records built), and the comparison of two channel files that differ in
// every channel and setting (both read from disk). Each is run many times;
// the median and the slowest run are printed beside the budget.
//
//   qv3n-exchange-bench [runs]
//
// The files lie in a temporary folder, so the figures include the file system:
// writing a file flushes it to the disk, which on a slow disk costs more than
// everything else together. TMPDIR=/dev/shm leaves the disk out. The slowest
// run also shows how busy the machine was.

#include "ChannelCsv.h"
#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "RadioData.h"
#include "ImageCompare.h"
#include "MemoryMap.h"
#include "Tables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kBudgetMs = 16.0;
constexpr int kDefaultRuns = 200;
constexpr int kVersion = 2;

// Every channel in use with a different frequency, tone pairing, power, width
// and name; the seed shifts all of them, and the settings too.
MemoryImage fullImage(int seed)
{
    using namespace ChannelRecord;
    MemoryImage image = factoryImage();
    for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel) {
        setNewChannelDefaults(image, channel);
        const qint64 rx = 430'000'000 + (channel * 7 + seed) * stepHz(kVersion) * 3;
        const FreqCells cells = freqCellsForHz(rx, kVersion);
        const FreqCells tx = freqCellsForHz(rx + (channel % 3) * 5'000'000, kVersion);
        const quint8 freq[] = { cells.steps, cells.unitsTenths, cells.hundredsTens, tx.steps, tx.unitsTenths, tx.hundredsTens };
        for (int i = 0; i < 3; ++i) {
            image.setCell(channel, kRxBase + 1 + i, freq[i]);
            image.setCell(channel, kTxBase + 1 + i, freq[3 + i]);
        }
        image.setCell(channel, kDecodeToneCell, quint8((channel + seed) % 154));
        image.setCell(channel, kEncodeToneCell, quint8((channel * 3 + seed) % 154));
        image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, (channel + seed) % 2);
        image.setFlag(channel, kPowerWidthCell, kWideBit, (channel + seed) % 3);
        image.setFlag(channel, kPowerWidthCell, kHighPowerBit, (channel + seed) % 5);
        storeName(image, channel, QStringLiteral("C%1").arg(channel * 10 + seed));
    }
    for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell) {
        image.setCell(MemoryMap::kSettingsBlock, cell, quint8(image.cell(MemoryMap::kSettingsBlock, cell) + seed));
        image.setCell(MemoryMap::kFmBlock, cell, quint8(cell * 10 + seed));
    }
    return image;
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
    std::printf("%-44s median %7.3f ms   slowest %7.3f ms   budget %.0f ms  %s\n", what, median, worst, kBudgetMs,
                worst <= kBudgetMs ? "ok" : "OVER");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultRuns;

    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("channels.csv"));
    const QString exportPath = dir.filePath(QStringLiteral("export.csv"));
    const QString firstPath = dir.filePath(QStringLiteral("a.chann"));
    const QString secondPath = dir.filePath(QStringLiteral("b.chann"));
    const MemoryImage first = fullImage(0);
    const MemoryImage second = fullImage(1);
    const QByteArray csv = ChannelCsv::exportChannels(first, kVersion);
    if (!writeFile(csvPath, csv) || !ChannelFile::write(firstPath, first.bytes()).ok
        || !ChannelFile::write(secondPath, second.bytes()).ok) {
        std::fprintf(stderr, "cannot write the sample files in %s\n", qPrintable(dir.path()));
        return 1;
    }

    QByteArray exported;
    int rows = 0;
    int differences = 0;
    std::printf("%d runs each, %lld bytes of CSV\n", runs, static_cast<long long>(csv.size()));
    report("export 128 channels to CSV text", runs, [&] { exported = ChannelCsv::exportChannels(first, kVersion); });
    report("export 128 channels to a CSV file", runs, [&] {
        QSaveFile file(exportPath);
        exported = ChannelCsv::exportChannels(first, kVersion);
        if (!file.open(QIODevice::WriteOnly) || file.write(exported) != exported.size() || !file.commit())
            exported.clear();
    });
    report("import 128 channels from a CSV file", runs, [&] {
        const ChannelCsv::ImportResult result = ChannelCsv::read(csvPath, kVersion, FreqRange::of(first));
        const MemoryImage imported = ChannelCsv::withChannels(first, result);
        rows = 0;
        for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel)
            rows += ChannelRecord::isUsed(imported, channel) ? 1 : 0;
    });
    report("compare two full channel files", runs, [&] {
        MemoryImage a;
        MemoryImage b;
        a.setBytes(ChannelFile::read(firstPath).bytes);
        b.setBytes(ChannelFile::read(secondPath).bytes);
        differences = int(ImageCompare::compare(a, b, kVersion).size());
    });
    std::printf("(after the last import %d channels are in use; the last compare found %d differences)\n", rows,
                differences);
    return 0;
}
