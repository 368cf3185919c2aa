// SPDX-License-Identifier: GPL-3.0-or-later
// Channel files from the main window: the open and save dialogs, the question
// before unsaved changes are lost, CSV import and export, and comparison.

#include "channels/ChannelTableWindow.h"
#include "files/ChannelExchange.h"
#include "files/CompareWindow.h"
#include "files/CsvImportPreview.h"
#include "files/OpenFileDialog.h"
#include "files/SaveFileDialog.h"
#include "transfer/ReadWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelCsv.h"
#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "support/DocumentPoke.h"
#include "support/Files.h"
#include "Language.h"
#include "MemoryMap.h"
#include "RadioText.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeView>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace MemoryMap;

namespace {

MemoryImage::Bytes shiftedImage(int shift)
{
    MemoryImage::Bytes bytes;
    for (int i = 0; i < MemoryImage::kSize; ++i)
        bytes[i] = quint8((i * 7 + shift) % 256);
    return bytes;
}

// What the program holds after loading a file of these bytes.
MemoryImage::Bytes loaded(const MemoryImage::Bytes& bytes)
{
    MemoryImage image;
    image.setBytes(bytes);
    return enteredImage(image).bytes();
}

// A channel in use: 445 MHz, no tones, high power, wide.
void addChannel(MemoryImage& image, int channel)
{
    image.setBlock(channel, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0x00 });
}

void addChannel(RadioDocument& document, int channel)
{
    addChannel(DocumentPoke(document).data().image, channel);
}

MemoryImage::Bytes resetImage()
{
    return factoryImage().bytes();
}

#ifdef Q_OS_UNIX
// While it exists, every write beyond a few bytes fails as on a full disk.
class DiskFull
{
public:
    DiskFull()
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFull()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};
#endif

} // namespace

class TestChannelFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(m_dir.isValid());
    }
    void init()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_main = new MainWindow;
        Prompt::setHandler(m_main, [this](const Prompt::Message& message) {
            m_messages << message.text;
            m_prompts << message;
            return m_answer;
        });
        m_main->start();
        m_messages.clear();
        m_prompts.clear();
        m_answer = QMessageBox::Discard;
    }
    void cleanup()
    {
        delete m_main;
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void namesAreCheckedInOrder_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");   // empty: accepted

        const QString openInvalid = QStringLiteral("打开信道参数文件名无效 ");
        const QString openSuffix = QStringLiteral("无效的信道参数文件后缀名！");
        const QString saveInvalid = QStringLiteral("保存信道参数所需要的文件名无效 ");
        const QString saveSuffix = QStringLiteral("建议不要修改系统默认的文件后缀名！");
        const QList<std::pair<const char*, QString>> rejected = {
            { "radio.Chann", "suffix" }, { "chann", "suffix" }, { "*.chann", "invalid" }, { "c:/x.chann", "invalid" },
        };
        for (bool save : { false, true }) {
            const char* role = save ? "save" : "open";
            for (const auto& [name, kind] : rejected) {
                const QString message = kind == "suffix" ? (save ? saveSuffix : openSuffix)
                                                         : (save ? saveInvalid : openInvalid);
                QTest::addRow("%s %s", role, name) << save << QString::fromUtf8(name) << message;
            }
            for (const char* name : { "radio.CHANN", "  radio.chann  ", "c:x.chann" })
                QTest::addRow("%s %s", role, name) << save << QString::fromUtf8(name) << QString();
        }
    }
    void namesAreCheckedInOrder()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString fileName = name.trimmed();
        if (!save && message.isEmpty())
            QVERIFY(writeAll(QDir::current().filePath(fileName), ChannelFile::format(shiftedImage(4))));

        ChannelFileDialog* dialog = openDialog(save);
        typeName(dialog, name);
        dialog->findChild<QPushButton*>("Command_enter")->click();

        if (!message.isEmpty()) {
            QCOMPARE(m_messages, QStringList{ message });
            QCOMPARE(nameBox(dialog)->text(), name);
            QVERIFY(save ? saveOpen() : openOpen());
            QVERIFY(document().fileName().isEmpty());
            return;
        }
        QCOMPARE(m_messages, QStringList{ save ? "信道参数保存完毕 ！" : "信道参数从文件调入成功 ！" });
        QTRY_VERIFY(!openOpen() && !saveOpen());
        QCOMPARE(document().fileName(), QDir::current().filePath(fileName));
        QVERIFY(!document().isModified());
        if (save)
            QCOMPARE(readAll(document().fileName()), ChannelFile::format(document().image().bytes()));
        else
            QVERIFY(document().image().bytes() == loaded(shiftedImage(4)));
    }

    // Open then Save gives the file back byte for byte, odd values and all, and
    // the document and the title agree that nothing changed.
    void saveAfterOpenIsByteExact()
    {
        MemoryImage odd;
        odd.setBytes(loaded(shiftedImage(6)));
        odd.setBlock(kVfoBlock, { 0x00, 0x00, 0x00, 0x44, 0x00, 0x00, 0x00, 0x48, 0x00, 0xC3, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF });                     // RX 440, TX 480, duplex 3
        odd.setCell(kSettingsBlock, kTimeOutCell, 9);
        odd.setCell(kFmBlock, 3, 230);
        QVERIFY(writeAll(QDir::current().filePath("odd.chann"), ChannelFile::format(odd.bytes())));

        ChannelFileDialog* open = openDialog(false);
        typeName(open, "odd.chann");
        open->findChild<QPushButton*>("Command_enter")->click();
        QTRY_VERIFY(!openOpen());
        QVERIFY(document().image() == odd);
        QVERIFY(!document().isModified() && !m_main->isWindowModified());

        ChannelFileDialog* save = openDialog(true);
        typeName(save, "copy.chann");
        save->findChild<QPushButton*>("Command_enter")->click();
        QTRY_VERIFY(!saveOpen());
        QCOMPARE(readAll(QDir::current().filePath("copy.chann")), readAll(QDir::current().filePath("odd.chann")));
    }

    // Export CSV proposes the channel file's name and says where the file went.
    void exportProposesTheChannelFileName()
    {
        MemoryImage image = factoryImage();
        addChannel(image, 3);
        QVERIFY(writeAll(QDir::current().filePath("depot.chann"), ChannelFile::format(image.bytes())));
        QVERIFY(m_main->openFile(QDir::current().filePath("depot.chann")));
        m_messages.clear();

        m_main->findChild<QAction*>("File_export_csv")->trigger();
        auto* dialog = m_main->findChild<QFileDialog*>("CsvFileDialog");
        QVERIFY(dialog);
        const QString proposed = QDir::current().filePath("depot.csv");
        QCOMPARE(dialog->selectedFiles().value(0), proposed);
        static_cast<QDialog*>(dialog)->accept();
        QCOMPARE(m_messages, QStringList{ QStringLiteral("已将 1 个在用信道导出到 %1。").arg(proposed) });
        QVERIFY(QFileInfo(proposed).size() > 0);
    }

    void folderListChoosesTheFolder()
    {
        QDir here = QDir::current();
        QVERIFY(here.mkdir("sub"));
        for (const char* name : { "a.chann", "b.CHANN", "c.Chann", "d.txt" })
            QVERIFY(writeAll(here.filePath(QStringLiteral("sub/") + name), ChannelFile::format(shiftedImage(2))));
        QVERIFY(here.mkdir("sub/folder.chann"));

        ChannelFileDialog* dialog = openDialog(false);
        auto* folders = dialog->findChild<QTreeView*>("Dir1");
        auto* files = dialog->findChild<QListView*>("File1");
        QModelIndex sub;
        QTRY_VERIFY((sub = childNamed(folders, folders->currentIndex(), "sub")).isValid());
        folders->scrollTo(sub);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualRect(sub).center());
        QCOMPARE(dialog->folder(), here.filePath("sub"));
        QTRY_COMPARE(listedNames(files), (QStringList{ "a.chann", "b.CHANN" }));

        files->setFocus();
        QTest::keyClick(files, Qt::Key_Down);
        const QString chosen = nameBox(dialog)->text();
        QTest::keyClick(files, Qt::Key_Return);
        QTRY_VERIFY(!openOpen());
        QCOMPARE(document().fileName(), here.filePath("sub/" + chosen));
        QVERIFY(document().image().bytes() == loaded(shiftedImage(2)));
        // The next dialog starts where the last file was found.
        QCOMPARE(openDialog(true)->folder(), here.filePath("sub"));
    }

    void malformedFileLeavesTheImage_data()
    {
        QTest::addColumn<QByteArray>("text");   // empty: no file at all
        QTest::addColumn<QStringList>("named"); // what the message must name
        QByteArrayList lines = ChannelFile::format(shiftedImage(0)).split('\n');
        lines[11] = " 1  2  x7  4 \r";
        QTest::newRow("missing") << QByteArray() << QStringList{ "bad.chann", "无法打开" };
        QTest::newRow("not a number") << lines.join('\n') << QStringList{ "bad.chann", "第 12 行", "x7", "不是数字" };
    }
    void malformedFileLeavesTheImage()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, named);
        if (!text.isEmpty())
            QVERIFY(writeAll(QDir::current().filePath("bad.chann"), text));
        document().markSaved(QStringLiteral("earlier.chann"));
        poke(document())->setBytes(shiftedImage(5));

        ChannelFileDialog* dialog = openDialog(false);
        typeName(dialog, QStringLiteral("bad.chann"));
        QTest::keyClick(nameBox(dialog), Qt::Key_Enter);
        QCOMPARE(m_messages.size(), 1);
        for (const QString& part : named)
            QVERIFY2(m_messages[0].contains(part), qPrintable(m_messages[0]));
        QVERIFY(document().image().bytes() == shiftedImage(5));
        QVERIFY(document().isModified());
        QCOMPARE(document().fileName(), QStringLiteral("earlier.chann"));
    }

    // A radio text opens from the dialog, with its own memory format, and saves
    // as radio text again; the type list shows the files of its kind.
    void radioTextOpensAndSaves()
    {
        MemoryImage image;
        image.setBytes(loaded(shiftedImage(8)));
        addChannel(image, 4);
        const QByteArray text = RadioText::format(image, 1);
        QVERIFY(writeAll(QDir::current().filePath("fleet.yaml"), text));
        QVERIFY(writeAll(QDir::current().filePath("other.chann"), ChannelFile::format(shiftedImage(2))));

        ChannelFileDialog* open = openDialog(false);
        auto* type = open->findChild<QComboBox*>("Combo_filetype");
        QCOMPARE(type->count(), 2);
        QCOMPARE(nameBox(open)->text(), QStringLiteral("*.chann"));
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Down);
        QCOMPARE(nameBox(open)->text(), QStringLiteral("*.yaml"));
        QTRY_COMPARE(listedNames(open->findChild<QListView*>("File1")), QStringList{ "fleet.yaml" });
        typeName(open, "fleet.yaml");
        open->findChild<QPushButton*>("Command_enter")->click();
        QTRY_VERIFY(!openOpen());
        QCOMPARE(m_messages, QStringList{ "信道参数从文件调入成功 ！" });
        QCOMPARE(document().image().bytes(), image.bytes());
        QCOMPARE(document().version(), 1);
        QVERIFY(!document().isModified());
        QVERIFY(m_main->windowTitle().contains(QLatin1String("fleet.yaml")));

        // Saving a radio text offers its kind first.
        ChannelFileDialog* save = openDialog(true);
        QCOMPARE(save->findChild<QComboBox*>("Combo_filetype")->currentIndex(), 1);
        QCOMPARE(nameBox(save)->text(), QStringLiteral("*.yaml"));
        typeName(save, "copy.yaml");
        save->findChild<QPushButton*>("Command_enter")->click();
        QTRY_VERIFY(!saveOpen());
        QCOMPARE(readAll(QDir::current().filePath("copy.yaml")), text);
    }

    // Every problem of a radio text is listed with its place, and nothing is loaded.
    void radioTextProblemsAreListed()
    {
        QVERIFY(writeAll(QDir::current().filePath("bad.yaml"),
                         "channels:\n  - number: 1\n    rx: 480\n    decode: 88.4\n"));
        poke(document())->setBytes(shiftedImage(5));
        QVERIFY(!m_main->openFile(QDir::current().filePath("bad.yaml")));
        QCOMPARE(m_prompts.size(), 1);
        QVERIFY2(m_prompts[0].text.contains(QLatin1String("bad.yaml")) && m_prompts[0].text.contains("未调入"),
                 qPrintable(m_prompts[0].text));
        const QStringList lines = m_prompts[0].informativeText.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("第 3 行第 9 列：480 MHz 超出工作频率范围"), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("第 4 行第 13 列：“88.4”不是对讲机具有的亚音"), qPrintable(lines[1]));
        QVERIFY(document().image().bytes() == shiftedImage(5));
    }

    // A channel file or a radio text dropped on the window opens; other files are refused.
    void dropOpensRadioFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("channel file") << "dropped.CHANN" << true;
        QTest::newRow("radio text") << "dropped.yaml" << true;
        QTest::newRow("another file") << "dropped.txt" << false;
    }
    void dropOpensRadioFiles()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        MemoryImage image = factoryImage();
        addChannel(image, 7);
        const QString path = QDir::current().filePath(name);
        QVERIFY(writeAll(path, name.endsWith(".yaml") ? RadioText::format(image, 2) : ChannelFile::format(image.bytes())));
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        const QPoint centre = m_main->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_main, &enter);
        QCOMPARE(enter.isAccepted(), opens);
        if (!opens)
            return;
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_main, &drop);
        QTRY_COMPARE(document().fileName(), path);
        QCOMPARE(document().image().bytes(), image.bytes());
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");   // the system's, not "Unknown error"
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << "radio.chann" << "File too large";
#endif
        QTest::newRow("name of a folder") << "folder.chann" << "Is a directory";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QByteArray old = ChannelFile::format(shiftedImage(1));
        QVERIFY(writeAll(QDir::current().filePath("radio.chann"), old));
        QVERIFY(QDir::current().mkdir("folder.chann"));
        poke(document())->setBytes(shiftedImage(6));

        ChannelFileDialog* dialog = openDialog(true);
        typeName(dialog, name);
        {
#ifdef Q_OS_UNIX
            std::optional<DiskFull> full;
            if (name == "radio.chann")
                full.emplace();
#endif
            dialog->findChild<QPushButton*>("Command_enter")->click();
        }
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(QDir::current().filePath(name)), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains("无法保存") && m_messages[0].contains(reason), qPrintable(m_messages[0]));
        QCOMPARE(readAll(QDir::current().filePath("radio.chann")), old);
        QVERIFY(document().isModified());
        QVERIFY(document().fileName().isEmpty());
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{ "radio.chann" });
    }

    // Text typed into a cell and not yet committed is saved with the rest.
    void saveCommitsThePendingName()
    {
        auto* table = m_main->window<ChannelTableWindow>();
        poke(document())->setBlock(1, { 0x00, 0x01, 0x50, 0x14, 0x00, 0x01, 0x50, 0x14, 0x00, 0xC0, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0x00 });
        table->grid()->setCurrentCell(0, ChannelTableWindow::ColName);
        table->placeCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "ab");

        ChannelFileDialog* dialog = openDialog(true);
        typeName(dialog, QStringLiteral("named.chann"));
        dialog->findChild<QPushButton*>("Command_enter")->click();
        const MemoryImage& image = document().image();
        QCOMPARE(int(image.cell(1, 10)), 12);
        QCOMPARE(int(image.cell(1, 11)), 13);
        QVERIFY(image.flag(1, 8, 0x10));
        QCOMPARE(readAll(QDir::current().filePath("named.chann")), ChannelFile::format(image.bytes()));
    }

    // Closing a dialog, whichever way, returns to the window that was active before it.
    void closingReturnsToTheWindowActiveBefore_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("activeBefore");   // in the order opened: channel table, options, FM presets
        QTest::newRow("open, cancelled, from the options") << false << 1;
        QTest::newRow("save, confirmed, from the channel table") << true << 0;
    }
    void closingReturnsToTheWindowActiveBefore()
    {
        QFETCH(bool, save);
        QFETCH(int, activeBefore);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        for (const char* window : { "Optional_edit", "Test_edit" })
            m_main->findChild<QAction*>(window)->trigger();
        QMdiSubWindow* before = m_main->mdiArea()->subWindowList().at(activeBefore);
        m_main->mdiArea()->setActiveSubWindow(before);

        ChannelFileDialog* dialog = openDialog(save);
        QTRY_COMPARE(m_main->mdiArea()->activeSubWindow(), dialog->parentWidget());
        if (save) {
            typeName(dialog, QStringLiteral("back.chann"));
            QTest::keyClick(nameBox(dialog), Qt::Key_Return);
        } else {
            dialog->findChild<QPushButton*>("Command_Close")->click();
        }
        QTRY_VERIFY(!openOpen() && !saveOpen());
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), before);
        QVERIFY(before->isAncestorOf(QApplication::focusWidget()));
    }

    // Unsaved changes: the question before Exit, New and a read.
    // With nothing changed since the last load, Exit and New go ahead at once.
    void noQuestionWithoutAChange_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::newRow("exit") << true;
        QTest::newRow("new") << false;
    }
    void noQuestionWithoutAChange()
    {
        QFETCH(bool, exit);
        // A loaded file differs from the reset image without being a change.
        addChannel(document(), 3);
        QVERIFY(ChannelFile::write(m_dir.filePath("loaded.chann"), document().image().bytes()).ok);
        poke(document())->setBytes(resetImage());
        document().markSaved(QString());
        QVERIFY(m_main->openFile(m_dir.filePath("loaded.chann")));

        QVERIFY(act(exit));
        QVERIFY(m_prompts.isEmpty());
        QCOMPARE(m_main->isVisible(), !exit);
        if (!exit)
            QVERIFY(document().image().bytes() == resetImage());
    }

    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("fileKnown");
        QTest::addColumn<bool>("goesAhead");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("saveDialog");
        for (const char* what : { "exit", "new", "read" }) {
            QTest::addRow("%s, discard", what) << what << QMessageBox::Discard << true << true << false << false;
            QTest::addRow("%s, save to the last file", what) << what << QMessageBox::Save << true << true << true << false;
            QTest::addRow("%s, save without a file", what) << what << QMessageBox::Save << false << false << false << true;
            QTest::addRow("%s, cancel", what) << what << QMessageBox::Cancel << true << false << false << false;
        }
    }
    void answers()
    {
        QFETCH(QString, action);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, fileKnown);
        QFETCH(bool, goesAhead);
        QFETCH(bool, saved);
        QFETCH(bool, saveDialog);
        const QString last = m_dir.filePath("last.chann");
        QVERIFY(ChannelFile::write(last, document().image().bytes()).ok);
        const QByteArray lastBefore = readAll(last);
        if (fileKnown)
            document().markSaved(last);
        addChannel(document(), 7);
        const MemoryImage::Bytes changed = document().image().bytes();

        m_answer = answer;
        const bool exit = action == "exit";
        bool gone = false;
        if (action == "read") {
            // A read that goes ahead tries the port: a missing one is reported.
            qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
            m_main->findChild<QAction*>("Prog_read")->trigger();
            m_main->window<ReadWindow>()->findChild<QPushButton*>("Command_read")->click();
            gone = m_prompts.size() == 2;
        } else {
            gone = act(exit);
            QCOMPARE(m_prompts.size(), 1);
        }
        const Prompt::Message& question = m_prompts[0];
        QVERIFY(question.text.contains(exit ? "退出程序" : action == "new" ? "新建" : "读取"));
        QCOMPARE(question.informativeText.contains(QDir::toNativeSeparators(last)), fileKnown);
        QCOMPARE(gone, goesAhead);
        QCOMPARE(m_main->isVisible(), !(exit && goesAhead));
        QCOMPARE(readAll(last), saved ? ChannelFile::format(changed) : lastBefore);
        QCOMPARE(m_main->window<SaveFileDialog>() != nullptr, saveDialog);
        const bool replaced = action == "new" && goesAhead;
        QVERIFY(document().image().bytes() == (replaced ? resetImage() : changed));
        QCOMPARE(document().isModified(), !saved && !replaced);
    }

    void pendingNameCountsAsAChange()
    {
        addChannel(document(), 1);
        document().markSaved(QString());
        auto* table = m_main->window<ChannelTableWindow>();
        table->grid()->setCurrentCell(0, ChannelTableWindow::ColName);
        table->placeCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "ab");

        m_answer = QMessageBox::Cancel;
        QVERIFY(!m_main->close());
        QCOMPARE(m_prompts.size(), 1);
        QCOMPARE(int(document().image().cell(1, 10)), 12);
    }

    // CSV import and export, and the comparison with another channel file.
    // The preview lists the refused row and the adjusted name; Import takes
    // the other rows in place of every channel.
    void importShowsEveryProblemFirst()
    {
        englishWithChannel9();
        const QString csv = writeFile(QStringLiteral("in.csv"), "Location,Frequency,Name\n1,446.5,longname\n2,480,B\n");
        const MemoryImage before = document().image();
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto* preview = qobject_cast<CsvImportPreview*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            const QTableWidget* problems = preview->problems();
            for (int row = 0; row < problems->rowCount(); ++row)
                shown << problems->item(row, CsvImportPreview::ColLine)->text() + QLatin1Char(' ')
                             + problems->item(row, CsvImportPreview::ColResult)->text();
            QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("Command_import")), Qt::LeftButton);
        });
        QVERIFY(ChannelExchange::importCsvFile(m_main, document(), m_main, csv));
        QCOMPARE(shown, (QStringList{ "2 Adjusted", "3 Refused" }));
        QVERIFY(ChannelRecord::isUsed(document().image(), 1));
        QVERIFY(!ChannelRecord::isUsed(document().image(), 2));
        QVERIFY(!ChannelRecord::isUsed(document().image(), 9));
        QVERIFY(document().isModified());
        for (int block = kFirstChannelBlock + kChannelCount; block < MemoryImage::kBlocks; ++block)
            QCOMPARE(document().image().cell(block, 0), before.cell(block, 0));
        QCOMPARE(m_main->window<ChannelTableWindow>()->cellText(1, ChannelTableWindow::ColName), QStringLiteral("LONGN"));
        // The import is one step.
        document().history()->undo();
        QVERIFY(document().image() == before);
    }

    // Thousands of bad rows: the first problems listed, then their number; Cancel changes nothing.
    void importPreviewListsTheFirstProblems()
    {
        englishWithChannel9();
        const QString csv = writeFile(QStringLiteral("bad.csv"), "Location,Frequency\n" + QByteArray("x\n").repeated(300));
        const MemoryImage before = document().image();
        int listed = 0;
        QString unlisted;
        QTimer::singleShot(0, this, [&] {
            auto* preview = qobject_cast<CsvImportPreview*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            listed = preview->problems()->rowCount();
            const auto* label = preview->findChild<QLabel*>(QStringLiteral("Label_unlisted"));
            QVERIFY(label && label->isVisible());
            unlisted = label->text();
            QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("Command_Cancel")), Qt::LeftButton);
        });
        QVERIFY(!ChannelExchange::importCsvFile(m_main, document(), m_main, csv));
        QCOMPARE(listed, ChannelCsv::kListedProblems);
        QCOMPARE(unlisted, QStringLiteral("Problems after these, not listed: 500."));
        QVERIFY(document().image() == before);
    }

    // A double-click on a channel's line selects it in the channel table;
    // Copy takes the whole text; the working copy is left alone.
    void compareShowsWhatDiffersAndLeadsToTheChannel()
    {
        englishWithChannel9();
        MemoryImage other = document().image();
        addChannel(other, 20);
        other.setCell(kFmBlock, 0, 5);
        const QString chann = writeFile(QStringLiteral("other.chann"), ChannelFile::format(other.bytes()));
        const MemoryImage before = document().image();
        QVERIFY(m_main->compareWithFile(chann));
        QCOMPARE(document().image().bytes(), before.bytes());

        auto* window = m_main->window<CompareWindow>();
        QVERIFY(window);
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text_differences"));
        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        const int channelLine = int(lines.indexOf(QStringLiteral(
            "  Channel 20: added (RX 445.00000, TX 445.00000, Decode OFF, Encode OFF, Power High, Width Wide, Name (none))")));
        QVERIFY2(channelLine > 0, qPrintable(text->toPlainText()));
        QVERIFY(lines.contains(QStringLiteral("  FM preset 0: 87.0 → 87.5")));

        const QRect lineRect = text->cursorRect(QTextCursor(text->document()->findBlockByNumber(channelLine)));
        QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, lineRect.center());
        auto* table = m_main->window<ChannelTableWindow>();
        QCOMPARE(table->grid()->currentRow(), 19);
        QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget(), table);

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command_Copy")), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), window->text());
        QVERIFY(window->text().contains(QLatin1String("other.chann")));

        // The window stays open through a language switch and speaks the new language.
        m_main->findChild<QAction*>(QStringLiteral("Language_chn"))->trigger();
        QCOMPARE(m_main->window<CompareWindow>(), window);
        QTRY_VERIFY2(window->text().contains(QStringLiteral("信道 20：新增")), qPrintable(window->text()));
    }

private:
    // Closes the program (or chooses New); true when it went ahead.
    bool act(bool exit)
    {
        if (exit)
            return m_main->close();
        const MemoryImage::Bytes before = document().image().bytes();
        const bool wasModified = document().isModified();
        m_main->findChild<QAction*>("File_New")->trigger();
        return document().image().bytes() == resetImage() && (before != resetImage() || wasModified);
    }

    RadioDocument& document() const { return m_main->document(); }
    void englishWithChannel9()
    {
        m_main->findChild<QAction*>(QStringLiteral("Language_eng"))->trigger();
        addChannel(document(), 9);
        document().markSaved(QString());
    }
    QString writeFile(const QString& name, const QByteArray& text) const
    {
        return writeAll(m_dir.filePath(name), text) ? m_dir.filePath(name) : QString();
    }
    bool openOpen() const { return m_main->window<OpenFileDialog>() != nullptr; }
    bool saveOpen() const { return m_main->window<SaveFileDialog>() != nullptr; }

    ChannelFileDialog* openDialog(bool save)
    {
        m_main->findChild<QAction*>(save ? "File_save" : "File_Open")->trigger();
        return save ? static_cast<ChannelFileDialog*>(m_main->window<SaveFileDialog>())
                    : static_cast<ChannelFileDialog*>(m_main->window<OpenFileDialog>());
    }

    static QLineEdit* nameBox(ChannelFileDialog* dialog) { return dialog->findChild<QLineEdit*>("Text1"); }

    static void typeName(ChannelFileDialog* dialog, const QString& name)
    {
        QLineEdit* box = nameBox(dialog);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, name);
    }

    static QStringList listedNames(QListView* list)
    {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        names.sort();
        return names;
    }

    static QModelIndex childNamed(QTreeView* tree, const QModelIndex& parent, const QString& name)
    {
        tree->expand(parent);
        for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
            const QModelIndex child = tree->model()->index(row, 0, parent);
            if (child.data().toString() == name)
                return child;
        }
        return {};
    }

    QTemporaryDir m_dir;
    MainWindow* m_main = nullptr;
    QStringList m_messages;
    QList<Prompt::Message> m_prompts;
    QMessageBox::StandardButton m_answer = QMessageBox::Discard;
};

QTEST_MAIN(TestChannelFiles)
#include "tst_files.moc"
