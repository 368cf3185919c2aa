// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a screenshot of every window of the program in both languages.
//
//   qv3n-screenshots OUTPUT_FOLDER
//
// Each picture is the main window with one child window open in front, filled
// from the demo contents below, as a user would see it; the messages of a
// write that fails, as boxes of their own; and two close-ups. Run it on a
// screen of 1800 x 1200, where the main window starts at the size of the
// pictures.

#include "channels/ChannelTableWindow.h"
#include "files/ChannelExchange.h"
#include "transfer/WriteWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "CommPort.h"
#include "LinkContext.h"
#include "MemoryMap.h"
#include "PortNames.h"
#include "RadioDocument.h"
#ifdef Q_OS_UNIX
#include "VirtualRadio.h"
#endif

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

void fillDemoChannels(RadioDocument& document)
{
    document.edit({}, [](RadioData& data) {
        MemoryImage& image = data.image;
        const char* names[] = { "CALL", "SHOP", "", "EVENT", "RELAY" };
        for (int n = 1; n <= 5; ++n) {
            const QString frequency = QString::number(446 + n * 0.0125, 'f', 5);
            storeFreq(image, data.version, frequency, n, ChannelRecord::kRxBase);
            ChannelRecord::setNewChannelDefaults(image, n);
            if (n != 3)
                storeFreq(image, data.version, frequency, n, ChannelRecord::kTxBase);
            image.setCell(n, ChannelRecord::kEncodeToneCell, quint8(n * 9));
            ChannelRecord::storeName(image, n, QString::fromLatin1(names[n - 1]));
        }
        image.setFlag(4, ChannelRecord::kPowerWidthCell, ChannelRecord::kHighPowerBit, false);
    });
    document.markSaved(QString());
}

// A spreadsheet's channel list with a row the radio cannot hold and a name it shortens.
const char kDemoCsv[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                        "RxDtcsCode,CrossMode,Mode,Power\r\n"
                        "1,CALL,446.006250,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,High\r\n"
                        "2,Repeater,446.012500,+,5.000000,Cross,100.0,88.5,023,RN,754,Tone->DTCS,NFM,High\r\n"
                        "3,MARINE,156.800000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,High\r\n"
                        "4,LSTN,446.093750,off,0.000000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,Low\r\n";

// The demo contents as another file might hold them: a renamed channel, a new
// one, another squelch level and FM preset.
MemoryImage otherDemoImage(const MemoryImage& demo)
{
    MemoryImage other = demo;
    ChannelRecord::storeName(other, 2, QStringLiteral("STORE"));
    other.setBlock(7, { 0x00, 0x02, 0x60, 0x44, 0x09, 0x02, 0x60, 0x44, 0x10, 0xC0, 0x19, 0x10, 0x22, 0xFF, 0xFF, 0x00 });
    other.setCell(MemoryMap::kSettingsBlock, MemoryMap::kSquelchCell, 3);
    other.setCell(MemoryMap::kFmBlock, 2, 125);
    return other;
}

bool savePicture(const QPixmap& picture, const QString& file)
{
    if (!picture.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// Presses Write in the write window and pictures the message box the failure
// brings up, as the program shows it.
bool shootWriteFailure(MainWindow& main, const QString& file)
{
    bool saved = false;
    Prompt::setHandler(&main, [&](const Prompt::Message& message) {
        QMessageBox box(message.icon, message.title, message.text, message.buttons, &main);
        box.setInformativeText(message.informativeText);
        box.show();
        QTest::qWait(200);
        saved = savePicture(box.grab(), file);
        return QMessageBox::Ok;
    });
    auto* window = main.openWindow<WriteWindow>();
    QSignalSpy finished(window->sequence(), &LinkSequence::finished);
    window->findChild<QPushButton*>("Command_Write")->click();
    if (window->sequence()->running())
        finished.wait(60000);
    Prompt::setHandler(&main, {});
    window->closeWindow();
    QTest::qWait(50);
    return saved;
}

// The doctor's message for a port without a device, and the message of a
// write that broke off at block 100, from a virtual radio.
bool shootFailures(MainWindow& main, const QDir& out, const char* language)
{
    // The demo's receive-only channel would stop the write at its range check.
    const RadioData demo = main.document().data();
    main.document().edit({}, [](RadioData& data) {
        storeFreq(data.image, data.version, QStringLiteral("446.03750"), 3, ChannelRecord::kTxBase);
    });
    main.port().setCommPortNumber(PortNames::kLastPort);
    qunsetenv("QV3N_COM8");
    bool saved = shootWriteFailure(main, out.filePath(QStringLiteral("doctor-missing-device-%1.png").arg(language)));

#ifdef Q_OS_UNIX   // the virtual radio lives on a pseudo-terminal
    QTemporaryDir dir;
    VirtualRadio::Options options;
    options.fault = VirtualRadio::Fault::BadAck;
    options.faultBlock = 100;
    options.symlink = dir.filePath(QStringLiteral("radio"));
    VirtualRadio radio(options);
    QString error;
    if (saved && !radio.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        saved = false;
    }
    if (saved) {
        qputenv("QV3N_COM8", options.symlink.toLocal8Bit());
        LinkTimings quick;
        quick.sendDelayMs = 1;
        quick.replyWatchdogMs = 300;
        quick.retryDelayMs = 20;
        main.links().setTimings(quick);
        saved = shootWriteFailure(main, out.filePath(QStringLiteral("partial-write-%1.png").arg(language)));
        main.links().setTimings(std::nullopt);
        qunsetenv("QV3N_COM8");
    }
#endif
    main.port().setCommPortNumber(1);
    main.document().restore(demo);
    return saved;
}

// Close-ups in the language in force: the status bar's right end as at
// start-up, and the W/N list open in a channel table too narrow to widen its
// columns (the list is a window of its own, so the screen is taken).
bool saveCloseUps(MainWindow& main, const QDir& out)
{
    QStatusBar* bar = main.statusBar();
    const int endWidth = bar->width() / 3;
    const QPixmap barEnd = bar->grab(QRect(bar->width() - endWidth, 0, endWidth, bar->height()));
    if (!savePicture(barEnd.scaled(barEnd.size() * 2), out.filePath(QStringLiteral("status-bar-end-en.png"))))
        return false;

    main.resize(800, 600);
    main.window<ChannelTableWindow>()->closeWindow();
    QTest::qWait(50);
    auto* table = main.openWindow<ChannelTableWindow>();
    main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    QTableWidget* grid = table->grid();
    QTableWidgetItem* cell = grid->item(1, ChannelTableWindow::ColWidth);
    grid->scrollToItem(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(cell).center());
    auto* list = table->findChild<QComboBox*>(QStringLiteral("Combo_edit"));
    list->showPopup();
    QTest::qWait(300);
    const QRect window(main.mapToGlobal(QPoint(0, 0)), main.size());
    const QRect around = QRect(list->mapToGlobal(QPoint(-300, -100)), QSize(list->width() + 400, 260)) & window;
    const QPixmap shot = main.screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height());
    list->hidePopup();
    return savePicture(shot, out.filePath(QStringLiteral("channels-wn-list-en.png")));
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
    // The write window's remembered choices and its backups stay out of the user's own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QStandardPaths::setTestModeEnabled(true);

    MainWindow main;
    main.start();
    main.resize(1200, 800);
    fillDemoChannels(main.document());

    QTemporaryDir demoDir;
    const QString demoCsv = demoDir.filePath(QStringLiteral("channels.csv"));
    const QString demoChann = demoDir.filePath(QStringLiteral("shop.chann"));
    QFile csv(demoCsv);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(kDemoCsv) < 0 || !ChannelFile::write(demoChann, otherDemoImage(main.document().image()).bytes()).ok) {
        std::fprintf(stderr, "cannot write the demo files in %s\n", qPrintable(demoDir.path()));
        return 1;
    }
    csv.close();
    auto save = [&](const QPixmap& picture, const char* name, bool chinese) {
        const QString file = out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), chinese ? "zh" : "en"));
        if (!picture.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    };

    for (const bool chinese : { true, false }) {
        main.findChild<QAction*>(chinese ? "Language_chn" : "Language_eng")->trigger();
        for (const Shot& shot : kShots) {
            if (*shot.action)
                main.findChild<QAction*>(shot.action)->trigger();
            else
                main.openWindow<ChannelTableWindow>();
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

        // The import preview is a dialog of its own and is taken alone; Cancel leaves the demo as it is.
        bool saved = false;
        QTimer::singleShot(300, [&] {
            if (auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                saved = save(preview->grab(), "csv-import", chinese);
                preview->reject();
            }
        });
        ChannelExchange::importCsvFile(&main, main.document(), &main, demoCsv);
        if (!saved)
            return 1;

        main.compareWithFile(demoChann);
        QTest::qWait(200);
        if (!save(main.grab(), "compare", chinese))
            return 1;
        main.mdiArea()->activeSubWindow()->close();
        QTest::qWait(50);

        // Channels 2 to 4 selected, with the row menu open over them.
        ChannelTableWindow* table = main.window<ChannelTableWindow>();
        main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
        table->selectChannels({ 2, 3, 4 });
        const QRect cell = table->grid()->visualItemRect(table->grid()->item(2, ChannelTableWindow::ColTx));
        table->rowMenu()->popup(table->grid()->viewport()->mapToGlobal(cell.center()));
        QTest::qWait(200);
        QPixmap rows = main.grab();
        QPainter(&rows).drawPixmap(main.mapFromGlobal(table->rowMenu()->pos()), table->rowMenu()->grab());
        table->rowMenu()->hide();
        if (!save(rows, "rows-menu", chinese))
            return 1;

        // The question before Clear, over the window; Yes clears for the Edit menu below.
        saved = false;
        QTimer::singleShot(300, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QPixmap question = main.grab();
                QPainter(&question).drawPixmap(main.mapFromGlobal(box->mapToGlobal(QPoint())), box->grab());
                saved = save(question, "clear-question", chinese);
                box->button(QMessageBox::Yes)->click();
            }
        });
        table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->click();
        if (!saved)
            return 1;

        // The Edit menu open after the Clear, over the window: Undo names the step.
        QMenu* edit = main.findChild<QMenu*>(QStringLiteral("Edit"));
        const QRect title = main.menuBar()->actionGeometry(edit->menuAction());
        edit->popup(main.menuBar()->mapToGlobal(title.bottomLeft()));
        QTest::qWait(200);
        QPixmap picture = main.grab();
        QPainter(&picture).drawPixmap(main.mapFromGlobal(edit->pos()), edit->grab());
        edit->hide();
        main.document().history()->undo();
        if (!save(picture, "edit-menu", chinese))
            return 1;

        // The print preview is a dialog of its own, shot alone.
        main.findChild<QAction*>("File_print")->trigger();
        auto* preview = main.findChild<QPrintPreviewDialog*>();
        preview->resize(900, 800);
        QTest::qWait(500);
        const bool printed = save(preview->grab(), "print-preview", chinese);
        preview->close();
        QTest::qWait(50);
        if (!printed)
            return 1;

        if (!shootFailures(main, out, chinese ? "zh" : "en"))
            return 1;
    }
    return saveCloseUps(main, out) ? 0 : 1;
}
