// Times full reads and writes against the virtual radio on a pseudo-terminal:
// with the line modelled at 9600 baud, against the least time the exchange
// can take (its floor); unpaced, to show what the program itself adds to each
// block beyond the send delay; and what a backup before and a read-back after
// a write cost.
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
#include <cstdio>
#include <functional>

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;   // start, eight data bits, stop
constexpr int kIdentificationBytes = 9;

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

// Runs one transfer and returns its wall time in milliseconds, or a negative value on failure.
double runOnce(Job job, bool paced, QString* error)
{
    VirtualRadio::Options options;
    options.pace = paced;
    RadioThread radio(options);
    if (!radio.started(error))
        return -1;
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
    clock.start();
    if (job == Job::Read)
        sequence.startRead();
    else
        sequence.startWrite(plan);
    if (sequence.running())
        loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (outcome != LinkSequence::Outcome::Completed) {
        *error = host.failure.isEmpty() ? QStringLiteral("the transfer did not complete") : host.failure;
        return -1;
    }
    return ms;
}

double best(Job job, bool paced, int runs, const char* name, bool eachRun = false)
{
    double bestMs = -1;
    for (int run = 0; run < runs; ++run) {
        QString error;
        const double ms = runOnce(job, paced, &error);
        if (ms < 0) {
            std::printf("%s: failed: %s\n", name, qPrintable(error));
            std::exit(1);
        }
        if (eachRun)
            std::printf("  %s run %d: %.1f ms\n", name, run + 1, ms);
        bestMs = bestMs < 0 ? ms : qMin(bestMs, ms);
    }
    return bestMs;
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
    for (const Job job : { Job::Read, Job::Write }) {
        const char* name = job == Job::Read ? "read " : "write";
        const Exchange x = exchangeOf(job);
        const double floor = floorMs(x, sendDelay);
        const double paced = best(job, true, runs, name, true);
        const double unpaced = best(job, false, runs, name);
        pacedMs[job == Job::Read ? 0 : 1] = paced;
        std::printf("%s at 9600 baud: %.1f ms, floor %.1f ms = (%d + %d bytes) x %.4f ms + %d frames x %d ms, "
                    "ratio %.4f\n",
                    name, paced, floor, x.bytesToRadio, x.bytesFromRadio, kByteMs, x.frames, sendDelay, paced / floor);
        if (job == Job::Read)   // each acknowledge leaves while the next send delay runs
            std::printf("%s without the %d acknowledges that leave during the send delay: floor %.1f ms, "
                        "ratio %.4f\n",
                        name, x.blocks, floor - x.blocks * kByteMs, paced / (floor - x.blocks * kByteMs));
        std::printf("%s unpaced: %.1f ms, beyond the send delays %.3f ms per block\n\n", name, unpaced,
                    (unpaced - double(x.frames) * sendDelay) / x.blocks);
    }

    const double verify = best(Job::WriteWithVerify, true, runs, "write + verify");
    const double backup = best(Job::WriteWithBackup, true, runs, "backup + write");
    std::printf("at 9600 baud: a read-back to verify adds %.1f ms to a write (%.2f x a read), a backup before it "
                "adds %.1f ms (%.2f x a read)\n",
                verify - pacedMs[1], (verify - pacedMs[1]) / pacedMs[0], backup - pacedMs[1],
                (backup - pacedMs[1]) / pacedMs[0]);
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    return 0;
}
