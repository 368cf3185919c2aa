// SPDX-License-Identifier: GPL-3.0-or-later
// Times a fleet batch, a write with verify at the radio's own intervals,
// against N virtual radios, each a process of its own paced at 9600 baud as a
// radio on its own cable is: for N = 1, 2, 4 and 8, with the ratio of each to
// one radio. Then, with the fleet window shown and eight radios programmed
// from it, how long the window's event loop was held up at most (no frame can
// be drawn later than that), and how long it took to answer at the 99th percentile.
//
//   qv3n-fleet-bench [MAX]      radios up to MAX (default 8)

#include "fleet/FleetWindow.h"

#include "CommPort.h"
#include "FleetRun.h"
#include "LinkContext.h"
#include "RadioDocument.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Radios in processes of their own, so that modelling their lines takes
// nothing from the program's thread.
class RadioProcesses
{
public:
    bool start(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString link = m_dir.filePath(QStringLiteral("radio-%1").arg(i + 1));
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral(QV3N_VIRTUAL_RADIO_PROGRAM),
                           { QStringLiteral("--pace"), QStringLiteral("--link"), link });
            // The radio prints its port once it listens.
            if (!process->waitForStarted() || !process->waitForReadyRead(10000))
                return false;
            m_links << link;
            m_processes.push_back(std::move(process));
        }
        return true;
    }
    QStringList links() const { return m_links; }
    ~RadioProcesses()
    {
        for (auto& process : m_processes) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

private:
    QTemporaryDir m_dir;
    QStringList m_links;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

FleetPlan plan()
{
    FleetPlan plan;
    plan.image = startUpData().image;
    plan.verify = true;
    return plan;
}

// Seconds for one batch on count radios, or a negative figure when a radio failed.
double batchSeconds(int count)
{
    RadioProcesses radios;
    if (!radios.start(count))
        return -1;
    LinkContext links;
    FleetRun run(links);
    for (int i = 0; i < count; ++i)
        run.addPort({ QStringLiteral("radio %1").arg(i + 1), 0, radios.links().at(i), {} });
    QEventLoop loop;
    QObject::connect(&run, &FleetRun::allFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    run.start(run.radios(), plan());
    loop.exec();
    const double seconds = double(clock.elapsed()) / 1000.0;
    for (const FleetRadio* radio : run.radios())
        if (radio->state() != FleetRadio::State::Done) {
            std::fprintf(stderr, "  %s: %s\n", qPrintable(radio->port().name), qPrintable(radio->reason()));
            return -seconds;
        }
    return seconds;
}

// Programs count radios from the fleet window and measures how late a timer
// that should fire every few milliseconds comes.
void windowResponse(int count)
{
    RadioProcesses radios;
    if (!radios.start(count)) {
        std::printf("the radios could not be started\n");
        return;
    }
    for (int i = 0; i < 8; ++i)
        qputenv(QByteArray("QV3N_COM") + QByteArray::number(i + 1),
                i < count ? radios.links().at(i).toLocal8Bit() : QByteArray());
    QTemporaryDir folder;
    RadioDocument document;
    CommPort port;
    LinkContext links;
    FleetWindow window(document, port, links);
    window.setReportPath(folder.filePath(QStringLiteral("report.csv")));
    window.findChild<QCheckBox*>(QStringLiteral("Check_Backup"))->setChecked(false);
    window.resize(900, 600);
    window.show();

    constexpr int kTickMs = 5;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(kTickMs);
    QElapsedTimer clock;
    std::vector<qint64> gaps;
    qint64 last = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gaps.push_back(now - last);
        last = now;
    });
    QEventLoop loop;
    QObject::connect(window.run(), &FleetRun::allFinished, &loop, &QEventLoop::quit);
    window.findChild<QAbstractButton*>(QStringLiteral("Command_Program"))->click();
    clock.start();
    tick.start();
    loop.exec();
    tick.stop();
    int done = 0;
    for (const FleetRadio* radio : window.run()->radios())
        done += radio->state() == FleetRadio::State::Done ? 1 : 0;
    std::sort(gaps.begin(), gaps.end());
    const double longest = gaps.empty() ? 0 : double(gaps.back()) / 1e6;
    const double p99 = gaps.empty() ? 0 : double(gaps[gaps.size() * 99 / 100]) / 1e6;
    std::printf("fleet window, %d radios (%d done) in %.1f s: event loop answered a %d ms timer within %.1f ms "
                "(99th percentile), %.1f ms at worst\n",
                count, done, double(clock.elapsed()) / 1000.0, kTickMs, p99, longest);
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int most = argc > 1 ? qBound(1, QString::fromLocal8Bit(argv[1]).toInt(), 8) : 8;
    std::printf("fleet batch, write with verify, radios paced at 9600 baud, the radio's intervals; load average %s\n",
                qPrintable(loadAverage()));
    double one = 0;
    for (int count = 1; count <= most; count *= 2) {
        const double seconds = batchSeconds(count);
        if (seconds < 0) {
            std::printf("N = %d: a radio failed after %.1f s\n", count, -seconds);
            return 1;
        }
        if (count == 1)
            one = seconds;
        std::printf("N = %d: %.1f s, %.3f x the time of one radio\n", count, seconds, seconds / one);
        std::fflush(stdout);
    }
    windowResponse(most);
    std::printf("load average %s\n", qPrintable(loadAverage()));
    return 0;
}
