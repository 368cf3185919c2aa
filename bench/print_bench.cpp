// SPDX-License-Identifier: GPL-3.0-or-later
// Time to write the PDF of a full channel list (128 named channels) and to
// open its print preview with the pages shown, in both languages.
//
//   QT_QPA_PLATFORM=offscreen qv3n-print-bench [runs]
//
// The first run of each kind includes loading the fonts; the figures give it
// apart from the median of the others.

#include "print/ChannelList.h"
#include "files/PrintCommands.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "Language.h"
#include "RadioData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kChannels = 128;

RadioData fullData()
{
    RadioData data = startUpData();
    for (int n = 1; n <= kChannels; ++n) {
        const QString mhz = QString::number(400 + n * 0.5 + 0.00625, 'f', 5);
        storeFreq(data.image, data.version, mhz, n, ChannelRecord::kRxBase);
        storeFreq(data.image, data.version, mhz, n, ChannelRecord::kTxBase);
        ChannelRecord::setNewChannelDefaults(data.image, n);
        ChannelRecord::storeName(data.image, n, QStringLiteral("CH%1").arg(n, 3, 10, QLatin1Char('0')));
    }
    return data;
}

// Milliseconds of each run of the action.
QList<double> timeRuns(int runs, const std::function<void()>& action)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        action();
        times << timer.nsecsElapsed() / 1e6;
    }
    return times;
}

void report(const char* what, QList<double> times)
{
    const double first = times.takeFirst();
    std::sort(times.begin(), times.end());
    const double median = times.isEmpty() ? first : times[times.size() / 2];
    std::printf("%-34s first %7.1f ms   median %7.1f ms   (limit 1000 ms)\n", what, first, median);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = std::max(2, argc > 1 ? QByteArray(argv[1]).toInt() : kDefaultRuns);
    const RadioData data = fullData();
    QTemporaryDir dir;

    for (const bool chinese : { false, true }) {
        applyUiLanguage(chinese);
        const char* language = chinese ? "zh" : "en";
        int pages = 0;

        report(qPrintable(QStringLiteral("PDF of %1 channels, %2").arg(kChannels).arg(language)), timeRuns(runs, [&] {
                   const ChannelList list(data, QStringLiteral("fleet.chann"), QDateTime::currentDateTime());
                   QString error;
                   if (!list.writePdf(dir.filePath(QStringLiteral("list.pdf")), QPageSize::A4, &error))
                       std::fprintf(stderr, "%s\n", qPrintable(error));
               }));

        QWidget parent;
        report(qPrintable(QStringLiteral("print preview open, %1").arg(language)), timeRuns(runs, [&] {
                   const ChannelList list(data, QStringLiteral("fleet.chann"), QDateTime::currentDateTime());
                   PrintCommands::preview(&parent, list);
                   auto* dialog = parent.findChild<QPrintPreviewDialog*>();
                   auto* widget = dialog->findChild<QPrintPreviewWidget*>();
                   while (widget->pageCount() == 0 || !dialog->isVisible())
                       QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                   QApplication::processEvents();
                   pages = widget->pageCount();
                   delete dialog;
               }));
        std::printf("%-34s %d\n", "pages in the preview", pages);
    }
    return 0;
}
