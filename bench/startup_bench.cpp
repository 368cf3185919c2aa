// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time, refill time of the channel table and peak memory, each beside
// a bare Qt window measured in the same run.
//
//   qv3n-startup-bench [runs]
//
// The program starts itself as a child once per run and mode ("main": the
// program's main window with the channel table filled; "bare": an empty
// QMainWindow), timing from process start to the first idle turn of the event
// loop after the window is shown.

#include "channels/ChannelTableWindow.h"
#include "shell/MainWindow.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "RadioDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

int runChild(int argc, char* argv[], bool full)
{
    QApplication app(argc, argv);
    QMainWindow bare;
    MainWindow* main = nullptr;
    if (full) {
        main = new MainWindow;
        main->start();
    } else {
        bare.resize(800, 600);
        bare.statusBar()->showMessage(QStringLiteral("Ready"));
        bare.show();
    }
    QTimer::singleShot(0, [] {
        std::printf("ready %ld\n", peakRssKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    const int rc = QApplication::exec();
    delete main;
    return rc;
}

struct Sample
{
    double ms;
    long rssKiB;
};

Sample runOnce(const QString& self, const QString& mode)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, { QStringLiteral("--child"), mode });
    child.waitForReadyRead(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    const QByteArray line = child.readLine().trimmed();
    child.waitForFinished(30000);
    return { ms, line.split(' ').value(1).toLong() };
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Mean time of one full refill of the 128 rows, every channel in use.
double refillMicroseconds()
{
    MainWindow main;
    main.start();
    RadioDocument& document = main.document();
    document.edit({}, [](RadioData& data) {
        for (int n = 1; n <= 128; ++n) {
            storeFreq(data.image, data.version, QStringLiteral("446.00625"), n, ChannelRecord::kRxBase);
            storeFreq(data.image, data.version, QStringLiteral("446.00625"), n, ChannelRecord::kTxBase);
            ChannelRecord::setNewChannelDefaults(data.image, n);
            data.image.setCell(n, ChannelRecord::kEncodeToneCell, quint8(n));
            ChannelRecord::storeName(data.image, n, QStringLiteral("CH%1").arg(n));
        }
    });
    constexpr int kRounds = 200;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRounds; ++i) {
        // Alternate the power bit so every round really changes cell texts;
        // every open window shows the change as it does a user's edit.
        document.edit({}, [i](RadioData& data) {
            for (int n = 1; n <= 128; ++n)
                data.image.setFlag(n, ChannelRecord::kPowerWidthCell, ChannelRecord::kHighPowerBit, i % 2);
        });
    }
    return clock.nsecsElapsed() / 1e3 / kRounds;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, qstrcmp(argv[2], "main") == 0);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();

    std::vector<double> mainMs, bareMs;
    long mainRss = 0, bareRss = 0;
    for (int i = 0; i < runs; ++i) {
        const Sample bare = runOnce(self, QStringLiteral("bare"));
        const Sample full = runOnce(self, QStringLiteral("main"));
        bareMs.push_back(bare.ms);
        mainMs.push_back(full.ms);
        bareRss = std::max(bareRss, bare.rssKiB);
        mainRss = std::max(mainRss, full.rssKiB);
    }
    const double refill = refillMicroseconds();

    std::printf("platform: %s, %d runs, medians\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("start-up: main window %.1f ms, bare window %.1f ms, ratio %.2f (target <= 3)\n",
                median(mainMs), median(bareMs), median(mainMs) / median(bareMs));
    std::printf("refill of 128 rows: %.3f ms (target <= 2 ms)\n", refill / 1000);
    std::printf("peak RSS: main window %ld KiB, bare window %ld KiB, ratio %.2f (target <= 1.5)\n", mainRss,
                bareRss, double(mainRss) / bareRss);
    return 0;
}
