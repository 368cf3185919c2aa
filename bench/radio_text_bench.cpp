// SPDX-License-Identifier: GPL-3.0-or-later
// Times the conversion of a full radio between a channel file and a radio
// text, each way, file to file as qv3n-cli convert runs it: a radio with all
// 128 channels in use and every setting off its default, and an image of
// odd bytes whose every field goes in its stored form and whose every block
// has a line of other bytes. Each is run many times; the median and the
// slowest run are printed, and the median of the processor time the program
// used, which other load on a shared machine disturbs far less; the median
// is held against the budget.
//
//   qv3n-radio-text-bench [runs]
//
// The files lie in a temporary folder, so the figures include the file
// system; TMPDIR=/dev/shm leaves the disk out.

#include "ChannelRecord.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioData.h"
#include "RadioFile.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr double kBudgetMs = 16.0;
constexpr int kDefaultRuns = 200;
constexpr int kVersion = 2;

// Every channel in use with its own frequencies, tones, power, width and name.
MemoryImage fullRadio()
{
    using namespace ChannelRecord;
    MemoryImage image = factoryImage();
    for (int channel = 1; channel <= MemoryMap::kChannelCount; ++channel) {
        setNewChannelDefaults(image, channel);
        const qint64 rxHz = 430'000'000 + channel * 21 * stepHz(kVersion);
        const FreqCells rx = freqCellsForHz(rxHz, kVersion);
        const FreqCells tx = freqCellsForHz(rxHz + (channel % 3) * 5'000'000, kVersion);
        const quint8 cells[] = { rx.steps, rx.unitsTenths, rx.hundredsTens, tx.steps, tx.unitsTenths, tx.hundredsTens };
        for (int i = 0; i < 3; ++i) {
            image.setCell(channel, kRxBase + 1 + i, cells[i]);
            image.setCell(channel, kTxBase + 1 + i, cells[3 + i]);
        }
        image.setCell(channel, kDecodeToneCell, quint8(channel % 154));
        image.setCell(channel, kEncodeToneCell, quint8(channel * 3 % 154));
        image.setFlag(channel, kToneFlagsCell, kDecodeInvertedBit, channel % 2);
        image.setFlag(channel, kPowerWidthCell, kWideBit, channel % 3);
        image.setFlag(channel, kPowerWidthCell, kHighPowerBit, channel % 5);
        storeName(image, channel, QStringLiteral("C%1").arg(channel * 10));
    }
    Settings::setValue(image, Settings::kSquelchLevel, 3);
    Settings::setValue(image, Settings::kPriorityChannel, 17);
    return image;
}

// Bytes that differ from their neighbours: most fields hold no value a list shows.
MemoryImage oddBytes()
{
    MemoryImage image;
    for (int block = 0; block < MemoryImage::kBlocks; ++block)
        for (int cell = 0; cell < MemoryImage::kCellsPerBlock; ++cell)
            image.setCell(block, cell, quint8((block * 37 + cell * 11) % 256));
    return image;
}

double processorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, int runs, const std::function<bool()>& work)
{
    std::vector<double> ms;
    std::vector<double> processor;
    ms.reserve(runs);
    processor.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        const double processorStart = processorMs();
        timer.start();
        if (!work()) {
            std::printf("%-45s FAILED\n", what);
            return;
        }
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        processor.push_back(processorMs() - processorStart);
    }
    const double wall = median(ms);
    std::printf("%-45s median %6.2f ms  slowest %6.2f ms  processor %6.2f ms  budget %.0f ms  %s\n", what, wall,
                ms.back(), median(processor), kBudgetMs, wall <= kBudgetMs ? "ok" : "OVER");
}

// Reads one file and writes the other, as qv3n-cli convert does.
bool convert(const QString& from, const QString& to)
{
    const RadioFile::Loaded loaded = RadioFile::load(from, factoryImage(), kVersion);
    return loaded.ok() && RadioFile::save(to, loaded.image, loaded.version.value_or(kVersion)).ok;
}

// The machine's load: figures taken beside other work are slower.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultRuns;
    QTemporaryDir dir;
    std::printf("%d runs each; load average before: %s\n", runs, qPrintable(loadAverage()));
    for (const auto& [name, image] : { std::pair{ "full radio", fullRadio() }, std::pair{ "odd bytes", oddBytes() } }) {
        const QString chann = dir.filePath(QStringLiteral("%1.chann").arg(QLatin1String(name)));
        const QString text = dir.filePath(QStringLiteral("%1.yaml").arg(QLatin1String(name)));
        const QString back = dir.filePath(QStringLiteral("%1-back.chann").arg(QLatin1String(name)));
        if (!RadioFile::save(chann, image, kVersion).ok || !convert(chann, text)) {
            std::fprintf(stderr, "cannot write the sample files in %s\n", qPrintable(dir.path()));
            return 1;
        }
        report(qPrintable(QStringLiteral("%1: channel file to radio text").arg(QLatin1String(name))), runs,
               [&] { return convert(chann, text); });
        report(qPrintable(QStringLiteral("%1: radio text to channel file").arg(QLatin1String(name))), runs,
               [&] { return convert(text, back); });
        const RadioFile::Loaded again = RadioFile::load(back, factoryImage(), kVersion);
        std::printf("(%s: %lld bytes of text; back to the byte: %s)\n", name,
                    static_cast<long long>(QFileInfo(text).size()), again.image == image ? "yes" : "NO");
    }
    return 0;
}
