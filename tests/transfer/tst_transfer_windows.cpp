// SPDX-License-Identifier: GPL-3.0-or-later
// The read, write and port windows, opened from the main window's menus and
// driven through their buttons, against the virtual radio on a pseudo-terminal.

#include "channels/ChannelTableWindow.h"
#include "files/CompareWindow.h"
#include "link/Backups.h"
#include "transfer/CompareWithRadioWindow.h"
#include "transfer/ReadWindow.h"
#include "transfer/WriteWindow.h"
#include "shell/PortSetupDialog.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelFile.h"
#include "Codecs.h"
#include "CommPort.h"
#include "RadioDocument.h"
#include "support/DocumentPoke.h"
#include "Language.h"
#include "MemoryMap.h"
#include "VirtualRadio.h"
#include "support/Files.h"
#include "support/LinkTest.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace MemoryMap;

namespace {

void setChannelInRange(RadioDocument& document, int channel)
{
    DocumentPoke edit(document);
    storeFreq(edit.data().image, 2, QStringLiteral("445"), channel, 0);
    storeFreq(edit.data().image, 2, QStringLiteral("445"), channel, 4);
}

} // namespace

class TestLinkWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Backups and remembered choices go to folders of the test's own.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void cleanupTestCase() { QDir(Backups::defaultFolder()).removeRecursively(); }

    void init()
    {
        LinkWindow::overrideTimings(patientTimings());
        for (int n = 1; n <= PortSetupDialog::kPorts; ++n)
            qunsetenv(QByteArray("QV3N_COM") + QByteArray::number(n));
        m_main = new MainWindow;
        m_main->start();
        m_messages.clear();
        m_answer = QMessageBox::Ok;
        Prompt::setHandler([this](const Prompt::Message& message) {
            m_messages.append(message);
            return m_answer;
        });
    }
    void cleanup()
    {
        Prompt::setHandler({});
        delete m_main;
        LinkWindow::overrideTimings(std::nullopt);
        applyUiLanguage(true);
    }

    void readFromTheMenu()
    {
        VirtualRadio radio({ .version = 1 });
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        document().markSaved(QStringLiteral("earlier.chann"));

        m_main->findChild<QAction*>("Prog_read")->trigger();
        QPointer<ReadWindow> window = m_main->window<ReadWindow>();
        QVERIFY(window);
        QSignalSpy finished(window->engine(), &LinkEngine::finished);
        QTest::mouseClick(window->findChild<QPushButton*>("Command_read"), Qt::LeftButton);
        QVERIFY(waitFor(finished));

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("从对讲机中读取数据完毕 ！"));
        QCOMPARE(m_main->panelText(5), QStringLiteral("Ver1.0"));
        QCOMPARE(document().version(), 1);
        QVERIFY(sameBlocks(document().image(), radio.memory(), 0, kReadBlockCount - 1));
        // The image belongs to no file now: a save asks for a name, a printout says "radio".
        QVERIFY(document().fileName().isEmpty() && !document().isModified());
        QTRY_VERIFY(!window);
        // The channel table shows the new image at once.
        QCOMPARE(m_main->window<ChannelTableWindow>()->cellText(1, ChannelTableWindow::ColName), QStringLiteral("BASE"));
        // The read is one step; undoing it gives back the image, its version and its file.
        m_main->findChild<QAction*>("Edit_undo")->trigger();
        QVERIFY(document().image() == factoryImage());
        QCOMPARE(document().version(), 2);
        QCOMPARE(document().fileName(), QStringLiteral("earlier.chann"));
        QVERIFY(m_main->windowTitle().contains(QLatin1String("earlier.chann")));
        QCOMPARE(m_main->window<ChannelTableWindow>()->cellText(1, ChannelTableWindow::ColName), QString());
    }

    // Backup and verify are on by default; the radio gets the copy taken when
    // Write was pressed, and an edit made during the transfer stays in the working copy.
    void writeFromTheMenu()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        const MemoryImage radioBefore = radio.memory();
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        setChannelInRange(document(), 1);
        poke(document())->setCell(1, 10, 0x0C);
        poke(document())->setCell(kSettingsBlock, kPriorityChannelCell, 100);   // not in use
        poke(document())->setCell(kSettingsBlock, kStartChannelCell, 0x33);
        // The radio gets the copy with the priority and start channels adjusted.
        MemoryImage sent = document().image();
        sent.setCell(kSettingsBlock, kPriorityChannelCell, 0);
        sent.setCell(kSettingsBlock, kStartChannelCell, 1);
        QSignalSpy endByte(&radio, &VirtualRadio::writeCompleted);
        QSignalSpy written(&radio, &VirtualRadio::blockWritten);

        m_main->findChild<QAction*>("Prog_write")->trigger();
        QPointer<WriteWindow> window = m_main->window<WriteWindow>();
        QVERIFY(window->findChild<QCheckBox*>("Check_Verify")->isChecked());
        QVERIFY(window->findChild<QCheckBox*>("Check_Backup")->isChecked());
        QTest::mouseClick(window->findChild<QPushButton*>("Command_Write"), Qt::LeftButton);
        QVERIFY(waitFor(written, 100));
        // Typed during the transfer, out of range.
        document().edit([] { return QStringLiteral("typing"); },
                        [](RadioData& data) { storeFreq(data.image, 2, QStringLiteral("300"), 100, 0); });
        const MemoryImage edited = document().image();
        QVERIFY(waitFor(endByte));
        QTRY_VERIFY_WITH_TIMEOUT(!window, 30000);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("向对讲机写入数据完毕 ！"));
        QVERIFY2(m_messages[0].informativeText.contains(QStringLiteral("已校验")), qPrintable(m_messages[0].informativeText));
        QVERIFY(sameBlocks(radio.memory(), sent, 0, kLastWrittenBlock));
        QVERIFY(document().image() == edited);
        // The backup holds what the radio held before.
        const QStringList backups = QDir(Backups::defaultFolder()).entryList(QDir::Files, QDir::Time);
        QVERIFY(!backups.isEmpty());
        MemoryImage backup;
        backup.setBytes(ChannelFile::read(QDir(Backups::defaultFolder()).filePath(backups.first())).bytes);
        QVERIFY(sameBlocks(backup, radioBefore, 0, kReadBlockCount - 1));
    }

    // A write that breaks off says that the radio holds a partial write, and
    // offers the link trace.
    void aBrokenWriteSaysTheRadioIsHalfWritten()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("radio"));
        VirtualRadio radio({ .fault = VirtualRadio::Fault::BadAck, .faultBlock = 100, .symlink = device });
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", device.toLocal8Bit());
        LinkTimings timings = patientTimings();
        timings.replyWatchdogMs = 400;
        LinkWindow::overrideTimings(timings);
        setChannelInRange(document(), 1);
        m_main->findChild<QAction*>("Prog_write")->trigger();
        auto* window = m_main->window<WriteWindow>();
        window->findChild<QCheckBox*>("Check_Backup")->setChecked(false);
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        QVERIFY(!window->findChild<QPushButton*>("Command_SaveTrace")->isVisibleTo(window));
        window->findChild<QPushButton*>("Command_Write")->click();
        QVERIFY(waitFor(finished));
        window->findChild<QCheckBox*>("Check_Backup")->setChecked(true);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("与对讲机联络失败 ！"));
        QVERIFY2(m_messages[0].informativeText.startsWith(QStringLiteral("对讲机现在只写入了一部分")),
                 qPrintable(m_messages[0].informativeText));
        QVERIFY(window->findChild<QPushButton*>("Command_SaveTrace")->isVisibleTo(window));
        QVERIFY(window->engine()->trace().text().contains(QStringLiteral("received 15")));
        // Saving the trace says where it went.
        window->findChild<QPushButton*>("Command_SaveTrace")->click();
        auto* save = window->findChild<QFileDialog*>("TraceFileDialog");
        QVERIFY(save);
        const QString trace = dir.filePath(QStringLiteral("trace.txt"));
        save->selectFile(trace);
        static_cast<QDialog*>(save)->accept();
        QCOMPARE(m_messages.last().text, QStringLiteral("通讯记录已保存到 %1。").arg(trace));
        QVERIFY(QFileInfo(trace).size() > 0);
        QCOMPARE(m_main->window<WriteWindow>(), window);
    }

    // The range is checked before the port is opened; the frequency mode first.
    void writeOutOfRangeIsRefused()
    {
        applyUiLanguage(false);
        qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
        poke(document())->setCell(kVfoBlock, 3, 0x48);
        setChannelInRange(document(), 12);
        poke(document())->setCell(12, 3, 0x39);
        m_main->findChild<QAction*>("Prog_write")->trigger();
        auto* window = m_main->window<WriteWindow>();
        window->findChild<QPushButton*>("Command_Write")->click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text,
                 QStringLiteral("Receiving or transmitting frequency that frequency Mode out of frequency limitation range "));
        QVERIFY(!m_main->port().portError);
        QVERIFY(!window->engine()->portOpen());
        QVERIFY(window->findChild<QProgressBar*>("ProgressBar1")->isHidden());
    }

    void busyWindowRefusesReadCancelExitAndLanguageSwitch()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        m_main->findChild<QAction*>("Prog_read")->trigger();
        QPointer<ReadWindow> window = m_main->window<ReadWindow>();
        QSignalSpy finished(window->engine(), &LinkEngine::finished);
        QSignalSpy blocks(&radio, &VirtualRadio::blockServed);
        window->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(blocks, 5));

        window->findChild<QPushButton*>("Command_read")->click();
        window->findChild<QPushButton*>("Command_Cancel")->click();
        // The close box, Ctrl+F4 and the window menu all close the frame.
        qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
        QVERIFY(linkBusy());
        QVERIFY(!m_main->close());
        m_main->findChild<QAction*>("Language_eng")->trigger();
        document().edit([] { return QStringLiteral("step"); }, [](RadioData& data) { data.image.setCell(3, 4, 0x44); });
        m_main->findChild<QAction*>("Edit_undo")->trigger();
        QCOMPARE(document().image().cell(3, 4), 0x44);
        QCOMPARE(m_messages.size(), 6);
        QCOMPARE(m_messages[1].text, QStringLiteral("正在进行读写操作,请勿关窗口 ！,"));
        QVERIFY(m_main->findChild<QAction*>("Language_chn")->isChecked());
        QCOMPARE(m_main->window<ReadWindow>(), window.data());

        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(!linkBusy());
        QVERIFY(m_main->close());
    }

    void versionMismatchClosesTheWindow_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void versionMismatchClosesTheWindow()
    {
        QFETCH(bool, yes);
        VirtualRadio radio({ .version = 1 });
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        m_answer = yes ? QMessageBox::Yes : QMessageBox::No;
        m_main->findChild<QAction*>("Prog_write")->trigger();
        QPointer<WriteWindow> window = m_main->window<WriteWindow>();
        window->findChild<QPushButton*>("Command_Write")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window, 10000);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("软件版本号与机器不一致，继续将初始化参数，是否继续？"));
        QCOMPARE(m_messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QCOMPARE(m_main->panelText(5), yes ? QStringLiteral("Ver1.0") : QStringLiteral("Ver2.0"));
        QCOMPARE(document().version(), yes ? 1 : 2);
    }

    // A comparison read shows what differs and leaves the working copy as it was.
    void compareWithRadio_data()
    {
        QTest::addColumn<int>("radioVersion");
        QTest::addColumn<QString>("message");
        QTest::newRow("same format") << 2 << QString();
        QTest::newRow("another format") << 1 << "The radio's memory format (Ver1.0)";
    }
    void compareWithRadio()
    {
        QFETCH(int, radioVersion);
        QFETCH(QString, message);
        applyUiLanguage(false);
        VirtualRadio radio({ .version = radioVersion });
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        setChannelInRange(document(), 1);
        const MemoryImage before = document().image();
        const int steps = document().undoStack()->count();

        m_main->findChild<QAction*>("File_compare_radio")->trigger();
        QPointer<CompareWithRadioWindow> window = m_main->window<CompareWithRadioWindow>();
        QVERIFY(window);
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        window->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(finished));
        QTRY_VERIFY(!window);

        QVERIFY(document().image() == before);
        QCOMPARE(document().undoStack()->count(), steps);
        QCOMPARE(m_messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(m_messages[0].text.startsWith(message), qPrintable(m_messages[0].text));
        CompareWindow* comparison = m_main->window<CompareWindow>();
        QCOMPARE(comparison != nullptr, radioVersion == 2);
        if (comparison)
            QVERIFY2(comparison->text().contains(QLatin1String("Channel 1: ")), qPrintable(comparison->text()));
    }

    // A radio just read compares equal to the working copy, odd values and
    // all: a read keeps the radio's bytes (a record marked unused is erased).
    void aRadioJustReadComparesEqual()
    {
        applyUiLanguage(false);
        MemoryImage memory = VirtualRadio::demoMemory(2);
        memory.setCell(100, 0, 0x33);
        memory.setCell(kSettingsBlock, kTimeOutCell, 9);
        memory.setCell(kFmBlock, 3, 230);
        memory.setField(kVfoBlock, 9, 0x03, 3);
        VirtualRadio radio({});
        radio.setMemory(memory);
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());

        m_main->findChild<QAction*>("Prog_read")->trigger();
        QPointer<ReadWindow> read = m_main->window<ReadWindow>();
        QSignalSpy readDone(read->engine(), &LinkEngine::finished);
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(readDone));
        QTRY_VERIFY(!read);
        MemoryImage expected = memory;
        expected.fillBlock(100, 0xFF);
        QVERIFY(sameBlocks(document().image(), expected, 0, kReadBlockCount - 1));

        m_main->findChild<QAction*>("File_compare_radio")->trigger();
        QPointer<CompareWithRadioWindow> compare = m_main->window<CompareWithRadioWindow>();
        QSignalSpy compared(compare->sequence(), &LinkSequence::finished);
        compare->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(compared));
        QTRY_VERIFY(m_main->window<CompareWindow>());
        QVERIFY(m_main->window<CompareWindow>()->text().trimmed().endsWith(QLatin1String("\nNo differences.")));
    }

    // After a write whose verify failed the window says what happened, in
    // lines that all fit, with the backup's path; a language switch words it
    // again and keeps the result and the link trace; Help says what to check.
    void aFailedWriteKeepsItsResultAcrossALanguageSwitch()
    {
        applyUiLanguage(false);
        m_main->findChild<QAction*>("Language_eng")->trigger();
        VirtualRadio radio({ .fault = VirtualRadio::Fault::StoresWrongly, .faultBlock = 5 });
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", radio.portPath().toLocal8Bit());
        setChannelInRange(document(), 5);
        m_main->findChild<QAction*>("Prog_write")->trigger();
        QPointer<WriteWindow> window = m_main->window<WriteWindow>();
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        window->findChild<QPushButton*>("Command_Write")->click();
        QVERIFY(waitFor(finished));

        auto verifyLayout = [&] {
            QList<QWidget*> shown;
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(window) && (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)
                                                   || qobject_cast<QProgressBar*>(child)))
                    shown << child;
            for (qsizetype i = 0; i < shown.size(); ++i) {
                QVERIFY2(window->rect().contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
                const int needed = shown[i]->hasHeightForWidth() ? shown[i]->heightForWidth(shown[i]->width())
                                                                 : shown[i]->minimumSizeHint().height();
                QVERIFY2(shown[i]->height() >= needed, qPrintable(shown[i]->objectName()));
                for (qsizetype j = i + 1; j < shown.size(); ++j)
                    QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                             qPrintable(shown[i]->objectName() + " / " + shown[j]->objectName()));
            }
        };
        auto* status = window->findChild<QLabel*>("Label_tr_count");
        QVERIFY2(status->text().startsWith(QLatin1String("Verification failed: channel 5")), qPrintable(status->text()));
        QVERIFY(!window->findChild<QLabel*>("Label_step")->isVisibleTo(window));
        auto* backup = window->findChild<QLabel*>("Label_backup");
        QVERIFY(backup->isVisibleTo(window));
        QCOMPARE(backup->toolTip(), QDir::toNativeSeparators(window->sequence()->backupPath()));
        QVERIFY(QFileInfo::exists(window->sequence()->backupPath()));
        verifyLayout();

        m_main->findChild<QAction*>("Language_chn")->trigger();
        QCOMPARE(m_main->window<WriteWindow>(), window.data());
        QVERIFY2(status->text().startsWith(QStringLiteral("校验失败")), qPrintable(status->text()));
        auto* saveTrace = window->findChild<QPushButton*>("Command_SaveTrace");
        QVERIFY(saveTrace->isVisibleTo(window));
        QCOMPARE(saveTrace->text(), QStringLiteral("保存通讯记录…"));
        QVERIFY(!window->engine()->trace().text().isEmpty());
        verifyLayout();

        m_messages.clear();
        window->findChild<QPushButton*>("Command_Help")->click();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].informativeText.contains(QStringLiteral("失败时请检查")),
                 qPrintable(m_messages[0].informativeText));
    }

    // A backups folder no file manager can show is named, and its path can be copied.
    void backupsFolderThatCannotBeOpenedIsNamed()
    {
        const QString folder = Backups::defaultFolder();
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QVERIFY(writeAll(folder, "a file where the folder belongs"));   // so the folder cannot be made
        m_answer = QMessageBox::Apply;
        m_main->findChild<QAction*>("File_backups")->trigger();
        QVERIFY(QFile::remove(folder));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].informativeText, QDir::toNativeSeparators(folder));
        QCOMPARE(m_messages[0].buttonTexts.value(QMessageBox::Apply), QStringLiteral("复制路径"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(folder));
    }

    void openingCommitsAPendingChannelName()
    {
        poke(document())->setBlock(1, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0x00 });
        auto* table = m_main->window<ChannelTableWindow>();
        table->grid()->setCurrentCell(0, ChannelTableWindow::ColName);
        table->placeCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), QStringLiteral("AB"));
        m_main->findChild<QAction*>("Prog_read")->trigger();
        QCOMPARE(document().image().cell(1, 10), 12);   // "A"
        QCOMPARE(document().image().cell(1, 11), 13);   // "B"
        QCOMPARE(document().image().cell(1, 12), 255);
    }


    // The port dialog: which COM the link opens next, and what it stands for.
    void opensOnThePortInUse()
    {
        m_main->port().setCommPortNumber(3);
        qputenv("QV3N_COM2", "/tmp/qv3n-radio");
        auto* dialog = openPortDialog();
        QVERIFY(dialog->findChild<QRadioButton*>("Option3")->isChecked());
        QCOMPARE(dialog->findChild<QLabel*>("Label_device2")->text(), QStringLiteral("/tmp/qv3n-radio"));
    }

    void theNextReadOpensTheChosenPort()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
        qputenv("QV3N_COM5", radio.portPath().toLocal8Bit());
        m_main->findChild<QAction*>("Prog_read")->trigger();
        auto* read = m_main->window<ReadWindow>();
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(m_main->port().portError);
        QCOMPARE(m_messages.size(), 1);

        QPointer<PortSetupDialog> dialog = openPortDialog();
        dialog->findChild<QRadioButton*>("Option5")->click();
        dialog->findChild<QPushButton*>("Command_ok")->click();
        QCOMPARE(m_main->panelText(3), QStringLiteral("COM5"));
        QTest::qWait(0);   // after a failed open the dialog stays to show the choice
        QVERIFY(dialog);
        dialog->findChild<QPushButton*>("Command1")->click();
        QTRY_VERIFY(!dialog);

        QSignalSpy finished(read->engine(), &LinkEngine::finished);
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(!m_main->port().portError);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
    }

private:
    RadioDocument& document() const { return m_main->document(); }
    PortSetupDialog* openPortDialog()
    {
        m_main->findChild<QAction*>("proc_setup")->trigger();
        return m_main->window<PortSetupDialog>();
    }

    QTemporaryDir m_settings;
    MainWindow* m_main = nullptr;
    QList<Prompt::Message> m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
};

QTEST_MAIN(TestLinkWindows)
#include "tst_transfer_windows.moc"
