// Takes a screenshot of every window of the program in both languages.
//
//   qv3n-screenshots OUTPUT_FOLDER
//
// Each picture is the main window with one child window open in front, filled
// from the demo contents below, as a user would see it.

#include "channels/frm_chann.h"
#include "shell/MDImain.h"

#include "ChannelRecord.h"
#include "Codecs.h"
#include "Globals.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QTest>
#include <cstdio>

namespace {

struct Shot
{
    const char* file;
    const char* action;   // the menu entry that opens the window; empty: the channel table
};

constexpr Shot kShots[] = {
    { "channels", "" },
    { "model", "proc_type" },
    { "options", "Optional_edit" },
    { "fm", "Test_edit" },
    { "open-file", "File_Open" },
    { "save-file", "File_save" },
    { "port-setup", "proc_setup" },
    { "read", "Prog_read" },
    { "write", "Prog_write" },
    { "about", "Menu_About" },
};

void fillDemoChannels()
{
    const char* names[] = { "CALL", "SHOP", "", "EVENT", "RELAY" };
    for (int n = 1; n <= 5; ++n) {
        const QString frequency = QString::number(446 + n * 0.0125, 'f', 5);
        StoreFreq(frequency, n, ChannelRecord::kRxBase);
        ChannelRecord::setNewChannelDefaults(RadioImage, n);
        if (n != 3)
            StoreFreq(frequency, n, ChannelRecord::kTxBase);
        RadioImage.setCell(n, ChannelRecord::kEncodeToneCell, quint8(n * 9));
        ChannelRecord::storeName(RadioImage, n, QString::fromLatin1(names[n - 1]));
    }
    RadioImage.setFlag(4, ChannelRecord::kPowerWidthCell, ChannelRecord::kHighPowerBit, false);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qv3n-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    MDImain main;
    main.start();
    main.resize(1200, 800);
    fillDemoChannels();
    RadioImage.markUnmodified();

    for (const bool chinese : { true, false }) {
        main.findChild<QAction*>(chinese ? "Language_chn" : "Language_eng")->trigger();
        for (const Shot& shot : kShots) {
            if (*shot.action)
                main.findChild<QAction*>(shot.action)->trigger();
            else
                main.openWindow<frm_chann>();
            QMdiSubWindow* frame = main.mdiArea()->subWindowList().last();
            main.mdiArea()->setActiveSubWindow(frame);
            QTest::qWait(200);
            const QString file = out.filePath(QStringLiteral("%1-%2.png").arg(shot.file, chinese ? "zh" : "en"));
            if (!main.grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
            if (*shot.action)
                frame->close();
            QTest::qWait(50);
        }
        // The print preview is a dialog of its own, shot alone.
        main.findChild<QAction*>("File_print")->trigger();
        auto* preview = main.findChild<QPrintPreviewDialog*>();
        preview->resize(900, 800);
        QTest::qWait(500);
        const QString file = out.filePath(QStringLiteral("print-preview-%1.png").arg(chinese ? "zh" : "en"));
        if (!preview->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        preview->close();
        QTest::qWait(50);
    }
    return 0;
}
