// Times a full read and a full write against the virtual radio on a
// pseudo-terminal: once with the line modelled at 9600 baud, compared with
// the least time the exchange can take, and once unpaced, to show what the
// program itself adds to each block.

#include "LinkEngine.h"
#include "VirtualRadio.h"

#include "RadioDocument.h"
#include "MemoryMap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <cstdio>

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

struct Exchange
{
    int frames;        // frames that wait for the send delay
    int blocks;        // blocks the radio answers
    int bytesToRadio;
    int bytesFromRadio;
    int bytesDuringDelay;   // sent while the next send delay runs, so off the critical path
};

Exchange exchangeOf(LinkEngine::Direction direction)
{
    using namespace MemoryMap;
    if (direction == LinkEngine::Direction::Read)
        return { 1 + kReadBlockCount, kReadBlockCount,
                 8 + 5 + (kReadBlockCount - 1) * 4 + kReadBlockCount * 1,
                 kIdentificationBytes + kReadBlockCount * 21, kReadBlockCount };
    const int written = kLastWrittenBlock + 1;
    return { 1 + written, written, 8 + 21 + (written - 1) * 20 + 1, kIdentificationBytes + written * 1, 0 };
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

// Runs one exchange and returns its wall time in milliseconds, or a negative value on failure.
double runOnce(LinkEngine::Direction direction, const VirtualRadio::Options& options, QString* error)
{
    RadioThread radio(options);
    if (!radio.started(error))
        return -1;
    qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
    RadioDocument document;
    document.takeImage(QString(), radio.memory(), options.version);

    SilentHost host;
    LinkEngine engine(direction, document,
                      direction == LinkEngine::Direction::Read ? LinkTimings::forRead() : LinkTimings::forWrite());
    engine.setHost(&host);
    QEventLoop loop;
    LinkEngine::Outcome outcome = LinkEngine::Outcome::Failed;
    QObject::connect(&engine, &LinkEngine::finished, &loop, [&](LinkEngine::Outcome o) {
        outcome = o;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    engine.start();
    if (engine.busy())
        loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (outcome != LinkEngine::Outcome::Completed) {
        *error = host.failure.isEmpty() ? QStringLiteral("the exchange did not complete") : host.failure;
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Runs of each measurement; the best one is the least disturbed by other load.
    const int runs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 3;
    const LinkTimings timings;
    std::printf("Link benchmark: full read (254 blocks) and full write (255 blocks), send delay %d ms, "
                "best of %d runs\n\n",
                timings.sendDelayMs, runs);

    for (const auto direction : { LinkEngine::Direction::Read, LinkEngine::Direction::Write }) {
        const char* name = direction == LinkEngine::Direction::Read ? "read " : "write";
        const Exchange x = exchangeOf(direction);
        QString error;

        VirtualRadio::Options paced;
        paced.pace = true;
        const double radioDelays = double(paced.blockDelayMs) * x.blocks;
        const double floor = (x.bytesToRadio + x.bytesFromRadio) * kByteMs + x.frames * timings.sendDelayMs
            + radioDelays;
        double best = 0;
        for (int run = 0; run < runs; ++run) {
            const double wall = runOnce(direction, paced, &error);
            if (wall < 0) {
                std::printf("%s at 9600 baud: failed: %s\n", name, qPrintable(error));
                return 1;
            }
            std::printf("%s at 9600 baud: wall %.1f ms, ratio %.4f\n", name, wall, wall / floor);
            best = run == 0 ? wall : qMin(best, wall);
        }
        std::printf("%s floor %.1f ms = (%d + %d bytes) x %.4f ms + %d frames x %d ms + radio %.0f ms\n", name, floor,
                    x.bytesToRadio, x.bytesFromRadio, kByteMs, x.frames, timings.sendDelayMs, radioDelays);
        std::printf("%s best: wall %.1f ms, ratio %.4f\n", name, best, best / floor);
        if (x.bytesDuringDelay > 0) {
            const double strictFloor = floor - x.bytesDuringDelay * kByteMs;
            std::printf("%s without the %d acknowledges that leave during the send delay: floor %.1f ms, "
                        "ratio %.4f\n",
                        name, x.bytesDuringDelay, strictFloor, best / strictFloor);
        }

        double bestUnpaced = 0;
        for (int run = 0; run < runs; ++run) {
            const double wall = runOnce(direction, {}, &error);
            if (wall < 0) {
                std::printf("%s unpaced: failed: %s\n", name, qPrintable(error));
                return 1;
            }
            bestUnpaced = run == 0 ? wall : qMin(bestUnpaced, wall);
        }
        const double overhead = (bestUnpaced - double(x.frames) * timings.sendDelayMs) / x.blocks;
        std::printf("%s unpaced best: wall %.1f ms, beyond the send delays %.3f ms per block\n\n", name, bestUnpaced,
                    overhead);
    }
    return 0;
}
