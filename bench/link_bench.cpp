// SPDX-License-Identifier: GPL-3.0-or-later
// Times full reads and writes against the virtual radio on a pseudo-terminal:
// with the line modelled at 9600 baud, against the least time the exchange
// can take (its floor); unpaced, to show what the program itself adds to each
// block beyond the send delay; and what a backup before and a read-back after
// a write cost; and what one burst of line noise costs a read and a write at
// 9600 baud. Beside the wall times it prints the median time from one frame
// to the next, which other load on the machine disturbs far less.
//
//   qv3n-link-bench [RUNS]      best of RUNS runs of each (default 3)

#include "LinkSequence.h"
#include "VirtualRadio.h"

#include "MemoryMap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;   // start, eight data bits, stop
constexpr int kIdentificationBytes = 9;
constexpr int kNoisyBlock = 100;

struct SilentHost : LinkHost
{
    QString failure;
    void showLinkNotice(const LinkNotice& notice) override
    {
        if (notice.kind != LinkNotice::Kind::ReadComplete && notice.kind != LinkNotice::Kind::WriteComplete)
            failure = notice.text + QLatin1Char(' ') + notice.informativeText;
    }
    bool askLinkQuestion(const LinkNotice& notice) override
    {
        failure = notice.text;
        return false;
    }
};

enum class Job { Read, Write, WriteWithVerify, WriteWithBackup };

struct Exchange
{
    int frames;             // frames that wait for the send delay
    int blocks;             // blocks the radio answers
    int bytesToRadio;
    int bytesFromRadio;
};

Exchange exchangeOf(Job job)
{
    using namespace MemoryMap;
    if (job == Job::Read)
        return { 1 + kReadBlockCount, kReadBlockCount, 8 + 5 + (kReadBlockCount - 1) * 4 + kReadBlockCount * 1,
                 kIdentificationBytes + kReadBlockCount * 21 };
    const int written = kLastWrittenBlock + 1;
    return { 1 + written, written, 8 + 21 + (written - 1) * 20 + 1, kIdentificationBytes + written * 1 };
}

double floorMs(const Exchange& x, int sendDelayMs)
{
    return (x.bytesToRadio + x.bytesFromRadio) * kByteMs + x.frames * sendDelayMs;
}

// One block at the floor: its request and reply on the line, then the send
// delay (a read's acknowledge leaves during that delay).
double blockFloorMs(Job job, int sendDelayMs)
{
    const int bytes = job == Job::Read ? 4 + 21 : 20 + 1;
    return bytes * kByteMs + sendDelayMs;
}

struct Timing
{
    double wallMs = -1;
    double medianBlockMs = 0;   // from one frame to the next, middle of the transfer's blocks
    int askedAgain = 0;         // blocks asked for or sent again because of noise
};

// One burst of line noise in the middle of a transfer, struck once.
struct Noise
{
    const char* name = nullptr;   // nullptr: a quiet line
    VirtualRadio::Fault fault = VirtualRadio::Fault::None;
    int delayMs = 0;
    QByteArray pattern {};
};

// The virtual radio on a thread of its own, so that the time it spends
// modelling the line is not taken from the program's thread.
class RadioThread
{
public:
    explicit RadioThread(const VirtualRadio::Options& options)
    {
        m_thread.start();
        m_context.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_context,
            [this, options] {
                m_radio = new VirtualRadio(options);
                m_started = m_radio->start(&m_error);
                m_path = m_radio->portPath();
                m_memory = m_radio->memory();
            },
            Qt::BlockingQueuedConnection);
    }
    ~RadioThread()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_radio; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool started(QString* error) const
    {
        *error = m_error;
        return m_started;
    }
    QString portPath() const { return m_path; }
    MemoryImage memory() const { return m_memory; }

private:
    QThread m_thread;
    QObject m_context;
    VirtualRadio* m_radio = nullptr;
    bool m_started = false;
    QString m_error;
    QString m_path;
    MemoryImage m_memory;
};

// Runs one transfer; a negative wall time means it failed.
Timing runOnce(Job job, bool paced, const Noise& noise, QString* error)
{
    VirtualRadio::Options options;
    options.pace = paced;
    options.fault = noise.fault;
    options.faultBlock = kNoisyBlock;
    options.faultTimes = 1;
    options.noiseDelayMs = noise.delayMs;
    options.noisePattern = noise.pattern;
    RadioThread radio(options);
    if (!radio.started(error))
        return {};
    QTemporaryDir backups;
    SilentHost host;
    LinkSequence sequence(LinkTimings::forWrite());
    sequence.setHost(&host);
    sequence.setPortDevice(radio.portPath());
    QEventLoop loop;
    LinkSequence::Outcome outcome = LinkSequence::Outcome::Failed;
    QObject::connect(&sequence, &LinkSequence::finished, &loop, [&](LinkSequence::Outcome o) {
        outcome = o;
        loop.quit();
    });
    LinkSequence::WritePlan plan { radio.memory(), 2, {}, 0, job == Job::WriteWithVerify };
    if (job == Job::WriteWithBackup)
        plan.backupFolder = backups.path();
    QElapsedTimer clock;
    std::vector<qint64> frames;   // when each block's frame was prepared
    QObject::connect(&sequence, &LinkSequence::progressChanged, &loop, [&](int, bool reveal) {
        if (reveal)
            frames.push_back(clock.nsecsElapsed());
    });
    clock.start();
    if (job == Job::Read)
        sequence.startRead();
    else
        sequence.startWrite(plan);
    if (sequence.running())
        loop.exec();
    Timing timing;
    timing.wallMs = double(clock.nsecsElapsed()) / 1e6;
    if (outcome != LinkSequence::Outcome::Completed) {
        *error = host.failure.isEmpty() ? QStringLiteral("the transfer did not complete") : host.failure;
        return {};
    }
    const QString trace = sequence.engine()->trace().text();
    timing.askedAgain = int(trace.count(QLatin1String(" asked for again: ")) + trace.count(QLatin1String(" sent again: ")));
    std::vector<double> periods;
    for (size_t i = 1; i < frames.size(); ++i)
        periods.push_back(double(frames[i] - frames[i - 1]) / 1e6);
    if (!periods.empty()) {
        std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
        timing.medianBlockMs = periods[periods.size() / 2];
    }
    return timing;
}

// The best wall time of the runs, with the median block time of that run.
Timing best(Job job, bool paced, int runs, const char* name, bool eachRun = false)
{
    Timing bestTiming;
    for (int run = 0; run < runs; ++run) {
        QString error;
        const Timing timing = runOnce(job, paced, {}, &error);
        if (timing.wallMs < 0) {
            std::printf("%s: failed: %s\n", name, qPrintable(error));
            std::exit(1);
        }
        if (eachRun)
            std::printf("  %s run %d: %.1f ms, median block %.2f ms\n", name, run + 1, timing.wallMs,
                        timing.medianBlockMs);
        if (bestTiming.wallMs < 0 || timing.wallMs < bestTiming.wallMs)
            bestTiming = timing;
    }
    return bestTiming;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 3;
    const int sendDelay = LinkTimings().sendDelayMs;
    std::printf("Link benchmark: read (254 blocks) and write (255 blocks), send delay %d ms, best of %d runs\n",
                sendDelay, runs);
    std::printf("load average before: %s\n\n", qPrintable(loadAverage()));

    double pacedMs[2] = {};
    double floors[2] = {};
    for (const Job job : { Job::Read, Job::Write }) {
        const char* name = job == Job::Read ? "read " : "write";
        const Exchange x = exchangeOf(job);
        const double floor = floorMs(x, sendDelay);
        const Timing paced = best(job, true, runs, name, true);
        const Timing unpaced = best(job, false, runs, name);
        pacedMs[job == Job::Read ? 0 : 1] = paced.wallMs;
        floors[job == Job::Read ? 0 : 1] = floor;
        std::printf("%s at 9600 baud: %.1f ms, floor %.1f ms = (%d + %d bytes) x %.4f ms + %d frames x %d ms, "
                    "ratio %.4f\n",
                    name, paced.wallMs, floor, x.bytesToRadio, x.bytesFromRadio, kByteMs, x.frames, sendDelay,
                    paced.wallMs / floor);
        if (job == Job::Read)
            std::printf("%s asks for its last block a second time, to close the read: %.1f ms of it at the floor\n",
                        name, blockFloorMs(job, sendDelay));
        if (job == Job::Read)   // each acknowledge leaves while the next send delay runs
            std::printf("%s without the %d acknowledges that leave during the send delay: floor %.1f ms, "
                        "ratio %.4f\n",
                        name, x.blocks, floor - x.blocks * kByteMs, paced.wallMs / (floor - x.blocks * kByteMs));
        std::printf("%s at 9600 baud, median block: %.3f ms, at the floor %.3f ms, ratio %.4f\n", name,
                    paced.medianBlockMs, blockFloorMs(job, sendDelay), paced.medianBlockMs / blockFloorMs(job, sendDelay));
        std::printf("%s unpaced: %.1f ms, beyond the send delays %.3f ms per block (median block %.3f ms beyond "
                    "the send delay)\n\n",
                    name, unpaced.wallMs, (unpaced.wallMs - double(x.frames) * sendDelay) / x.blocks,
                    unpaced.medianBlockMs - sendDelay);
    }

    // One burst each, at block 100: where it lands decides what is asked for again.
    const Noise noises[] = {
        { "read, noise just after block 100's reply", VirtualRadio::Fault::NoiseAfterBlock, 0 },
        { "read, noise 25 ms after block 100's reply", VirtualRadio::Fault::NoiseAfterBlock, 25 },
        { "read, a glitch byte inside block 100's reply", VirtualRadio::Fault::GlitchInBlock, 0 },
        { "write, noise 25 ms after block 100's acknowledge", VirtualRadio::Fault::NoiseAfterBlock, 25 },
        { "write, a false acknowledge just before block 100's", VirtualRadio::Fault::NoiseBeforeBlock, 0,
          QByteArray(1, '\x06') },
    };
    // Each noisy run is paired with a quiet run just before it, so that other
    // load on the machine weighs on both alike; the median difference is the cost.
    for (const Noise& noise : noises) {
        const bool read = QByteArray(noise.name).startsWith("read");
        const Job job = read ? Job::Read : Job::Write;
        const double floor = floors[read ? 0 : 1];
        const double block = blockFloorMs(job, sendDelay);
        std::vector<double> costs;
        Timing bestNoisy;
        for (int run = 0; run < runs; ++run) {
            QString error;
            const Timing quiet = runOnce(job, true, {}, &error);
            const Timing noisy = quiet.wallMs < 0 ? quiet : runOnce(job, true, noise, &error);
            if (noisy.wallMs < 0) {
                std::printf("%s: failed: %s\n", noise.name, qPrintable(error));
                std::exit(1);
            }
            std::printf("  %s run %d: %.1f ms, the quiet line just before %.1f ms, %d asked for or sent again\n",
                        noise.name, run + 1, noisy.wallMs, quiet.wallMs, noisy.askedAgain);
            costs.push_back(noisy.wallMs - quiet.wallMs);
            if (bestNoisy.wallMs < 0 || noisy.wallMs < bestNoisy.wallMs)
                bestNoisy = noisy;
        }
        std::nth_element(costs.begin(), costs.begin() + costs.size() / 2, costs.end());
        const double cost = costs[costs.size() / 2];
        std::printf("%s at 9600 baud: best %.1f ms, ratio %.4f against the floor; it costs %+.1f ms (median of the "
                    "pairs), %.2f x a block at the floor; %d asked for or sent again, %.1f ms at the floor\n\n",
                    noise.name, bestNoisy.wallMs, bestNoisy.wallMs / floor, cost, cost / block, bestNoisy.askedAgain,
                    bestNoisy.askedAgain * block);
    }

    const double verify = best(Job::WriteWithVerify, true, runs, "write + verify").wallMs;
    const double backup = best(Job::WriteWithBackup, true, runs, "backup + write").wallMs;
    std::printf("at 9600 baud: a read-back to verify adds %.1f ms to a write (%.2f x a read), a backup before it "
                "adds %.1f ms (%.2f x a read)\n",
                verify - pacedMs[1], (verify - pacedMs[1]) / pacedMs[0], backup - pacedMs[1],
                (backup - pacedMs[1]) / pacedMs[0]);
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    return 0;
}
