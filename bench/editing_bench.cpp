// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the channel table's whole-row actions on all 128 channels, each
// beside the refill the table does when every row's power changes. An action
// is timed from the key press (or click) until the window has painted its
// result, as a user waits for it; the target is one frame, 16 ms. The find
// bar's filter of 128 rows is timed the same way.
//
//   qv3n-editing-bench [rounds]

#include "channels/ChannelFindBar.h"
#include "channels/ChannelTableWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "Codecs.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using MemoryMap::kChannelCount;

constexpr double kFrameMs = 16;

QList<int> allChannels()
{
    QList<int> channels;
    for (int n = 1; n <= kChannelCount; ++n)
        channels << n;
    return channels;
}

// Every channel in use, each with its own frequency, tone and name.
RadioData filled(const RadioData& base, double firstMHz)
{
    RadioData data = base;
    for (int n = 1; n <= kChannelCount; ++n) {
        const QString frequency = QString::number(firstMHz + n * 0.0125, 'f', 5);
        storeFreq(data.image, data.version, frequency, n, ChannelRecord::kRxBase);
        storeFreq(data.image, data.version, frequency, n, ChannelRecord::kTxBase);
        ChannelRecord::setNewChannelDefaults(data.image, n);
        data.image.setCell(n, ChannelRecord::kEncodeToneCell, quint8(n % 50));
        ChannelRecord::storeName(data.image, n, QStringLiteral("C%1").arg(n));
    }
    return data;
}

// Median milliseconds of `action` over the rounds, each until painted; `between`
// runs untimed before each round.
double median(int rounds, const std::function<void(int)>& action, const std::function<void(int)>& between = {})
{
    std::vector<double> samples;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        if (between)
            between(i);
        QCoreApplication::processEvents();
        clock.start();
        action(i);
        QCoreApplication::processEvents();
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void report(const char* what, double ms, double refillMs)
{
    std::printf("%-44s %7.2f ms  (refill %.2f ms)  %s\n", what, ms, refillMs, ms <= kFrameMs ? "ok" : "over a frame");
}

// A timed action that changed nothing would time nothing: each round must be one undo step.
bool eachRoundWasAStep(const UndoHistory& stack, int indexBefore, int rounds, const char* what)
{
    if (stack.index() - indexBefore == rounds)
        return true;
    std::fprintf(stderr, "%s: %d undo steps in %d rounds\n", what, stack.index() - indexBefore, rounds);
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    MainWindow main;
    Prompt::setHandler(&main, [](const Prompt::Message&) { return QMessageBox::Yes; });
    main.start();
    main.resize(1200, 800);
    RadioDocument& document = main.document();
    ChannelTableWindow* table = main.window<ChannelTableWindow>();
    QTableWidget* grid = table->grid();
    grid->setFocus();
    const RadioData first = filled(document.data(), 446.0);
    const RadioData second = filled(document.data(), 430.0);
    document.restore(first);

    const double refill = median(rounds, [&](int i) {
        document.edit({}, [i](RadioData& data) {
            for (int n = 1; n <= kChannelCount; ++n)
                data.image.setFlag(n, ChannelRecord::kPowerWidthCell, ChannelRecord::kHighPowerBit, i % 2);
        });
    });
    const double fullRefill = median(rounds, [&](int i) { document.restore(i % 2 ? first : second); });

    // The clipboard as a spreadsheet leaves it (text only), and as the program leaves it.
    auto clipOf = [](const RadioData& data, bool records) {
        auto* clip = new QMimeData;
        clip->setText(ChannelRows::copyText(data, allChannels()));
        if (records)
            clip->setData(QLatin1String(ChannelRows::kMimeType), ChannelRows::copyRecords(data, allChannels()));
        return clip;
    };
    auto pasteOver = [&](bool records) {
        return [&, records](int) {
            document.restore(first);
            QGuiApplication::clipboard()->setMimeData(clipOf(second, records));
            table->selectChannels({ 1 });
        };
    };
    const UndoHistory& stack = *document.history();
    bool sound = true;
    int index = stack.index();
    const double pasteText = median(rounds, [&](int) { QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier); },
                                    pasteOver(false));
    sound &= eachRoundWasAStep(stack, index, rounds, "paste of text");
    index = stack.index();
    const double pasteRecords = median(rounds, [&](int) { QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier); },
                                       pasteOver(true));
    sound &= eachRoundWasAStep(stack, index, rounds, "paste of records");
    const double undoPaste = median(rounds, [&](int) { document.history()->undo(); }, [&](int i) {
        pasteOver(i % 2)(i);
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    });

    document.restore(first);
    table->selectChannels(allChannels());
    grid->setCurrentCell(0, ChannelTableWindow::ColPower);
    table->selectChannels(allChannels());
    QTest::keyClick(grid, Qt::Key_Return);
    auto* list = table->findChild<QComboBox*>(QStringLiteral("Combo_edit"));
    index = stack.index();
    const double bulkPick = median(rounds, [&](int i) { QTest::keyClick(list, i % 2 ? Qt::Key_Down : Qt::Key_Up); });
    sound &= eachRoundWasAStep(stack, index, rounds, "bulk pick");
    QTest::keyClick(list, Qt::Key_Escape);

    auto* clear = table->findChild<QPushButton*>(QStringLiteral("Command_Clear"));
    index = stack.index();
    const double clearAll = median(rounds, [&](int) { clear->click(); }, [&](int) { document.restore(first); });
    sound &= eachRoundWasAStep(stack, index, rounds, "Clear");

    // The find bar with Show only matches: each text highlights, hides and shows other rows.
    document.restore(first);
    ChannelFindBar* bar = table->findBar();
    bar->openBar();
    bar->findChild<QCheckBox*>(QStringLiteral("Check_only_matches"))->setChecked(true);
    const QStringList texts = { QStringLiteral("C1"), QStringLiteral("446.5"), QStringLiteral("c12"), QString() };
    const double filter = median(rounds, [&](int i) { bar->findText()->setText(texts[i % texts.size()]); });
    bar->closeBar();

    std::printf("platform: %s, %d rounds, medians, until painted\n", qPrintable(QGuiApplication::platformName()),
                rounds);
    report("refill, the power of 128 rows changed", refill, refill);
    report("full refill, every cell of 128 rows changed", fullRefill, refill);
    report("paste 128 channels from spreadsheet text", pasteText, refill);
    report("paste 128 channels copied in the program", pasteRecords, refill);
    report("undo of that paste", undoPaste, refill);
    report("bulk pick of the power over 128 rows", bulkPick, refill);
    report("Clear (the question answered at once)", clearAll, refill);
    report("find bar: filter of 128 rows", filter, refill);
    return sound ? 0 : 1;
}
