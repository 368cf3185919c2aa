// SPDX-License-Identifier: GPL-3.0-or-later
// The read, write and port windows, opened from the main window's menus and
// driven through their buttons, against the virtual radio on a pseudo-terminal.

#include "channels/ChannelTableWindow.h"
#include "files/CompareWindow.h"
#include "transfer/BackupRestoreWindow.h"
#include "link/Backups.h"
#include "link/LinkContext.h"
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

using namespace MemoryMap;

Q_DECLARE_METATYPE(VirtualRadio::Options)

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
        QVERIFY(m_settings.isValid());
        // Backups and remembered choices go to folders of the test's own.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void cleanupTestCase() { QDir(Backups::defaultFolder()).removeRecursively(); }

    void init()
    {
        for (int n = 1; n <= PortSetupDialog::kPorts; ++n)
            qunsetenv(QByteArray("QV3N_COM") + QByteArray::number(n));
        // No cable kept and no write choice left by an earlier test.
        QSettings().remove(QStringLiteral("ports"));
        QSettings().remove(QStringLiteral("write"));
        m_main = new MainWindow;
        m_main->links().setTimings(patientTimings());
        m_messages.clear();
        m_answer = QMessageBox::Ok;
        Prompt::setHandler(m_main, [this](const Prompt::Message& message) {
            m_messages.append(message);
            return m_answer;
        });
        m_main->start();
    }
    void cleanup()
    {
        delete m_main;
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
        QCOMPARE(m_main->panelText(MainWindow::Panel::Version), QStringLiteral("Ver1.0"));
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
        m_main->links().setTimings(timings);
        setChannelInRange(document(), 1);
        m_main->findChild<QAction*>("Prog_write")->trigger();
        auto* window = m_main->window<WriteWindow>();
        window->findChild<QCheckBox*>("Check_Backup")->setChecked(false);
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        QVERIFY(!window->findChild<QPushButton*>("Command_SaveTrace")->isVisibleTo(window));
        window->findChild<QPushButton*>("Command_Write")->click();
        QVERIFY(waitFor(finished));
        window->findChild<QCheckBox*>("Check_Backup")->setChecked(true);
        // A screen reader hears the outcome: it is the window's description,
        // and the status line that shows it has the focus.
        QVERIFY(!window->sequence()->resultText().isEmpty());
        QCOMPARE(window->accessibleDescription(), window->sequence()->resultText());
        QCOMPARE(window->focusWidget(), window->findChild<QLabel*>("Label_tr_count"));

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

    // After a write that broke off or failed its verify, the backup of that
    // write goes back to the radio at a click; the working copy stays.
    void theBackupGoesBackAfterABadWrite_data()
    {
        QTest::addColumn<VirtualRadio::Options>("options");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("offered");
        QTest::newRow("broke off at block 100")
            << VirtualRadio::Options { .fault = VirtualRadio::Fault::BadAck, .faultBlock = 100,
                                       .faultTimes = LinkEngine::kAttempts } << false << true;
        QTest::newRow("block 5 stored wrongly, found by the verify")
            << VirtualRadio::Options { .fault = VirtualRadio::Fault::StoresWrongly, .faultBlock = 5, .faultTimes = 1 }
            << true << true;
        QTest::newRow("the radio never answered") << VirtualRadio::Options { .fault = VirtualRadio::Fault::NoReply }
                                                  << false << false;
    }
    void theBackupGoesBackAfterABadWrite()
    {
        QFETCH(VirtualRadio::Options, options);
        QFETCH(bool, verify);
        QFETCH(bool, offered);
        QTemporaryDir dir;
        options.symlink = dir.filePath(QStringLiteral("radio"));
        VirtualRadio radio(options);
        radio.setMemory(patterned(41));
        const MemoryImage radioBefore = radio.memory();
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", options.symlink.toLocal8Bit());
        LinkTimings timings = patientTimings();
        timings.replyWatchdogMs = 400;
        m_main->links().setTimings(timings);
        setChannelInRange(document(), 1);
        const MemoryImage edited = document().image();
        m_main->findChild<QAction*>("Prog_write")->trigger();
        auto* window = m_main->window<WriteWindow>();
        window->findChild<QCheckBox*>("Check_Verify")->setChecked(verify);
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        auto* writeBack = window->findChild<QPushButton*>("Command_WriteBackup");
        window->findChild<QPushButton*>("Command_Write")->click();
        QVERIFY(waitFor(finished));
        QCOMPARE(writeBack->isVisibleTo(window), offered);
        if (!offered)
            return;

        QPointer<WriteWindow> open = window;
        writeBack->click();
        QVERIFY(waitFor(finished, 2));
        QCOMPARE(finished.at(1).at(0).value<LinkSequence::Outcome>(), LinkSequence::Outcome::Completed);
        QVERIFY(sameBlocks(radio.memory(), radioBefore, 0, kReadBlockCount - 1));
        QVERIFY(document().image() == edited);
        QTRY_VERIFY(!open);
    }

    // File > Restore from backup lists the backups, newest first; the one chosen
    // becomes the working copy as one undo step, and the write window opens when
    // the user wants it written.
    void restoreFromBackup_data()
    {
        QTest::addColumn<bool>("write");
        QTest::newRow("and write it") << true;
        QTest::newRow("only load it") << false;
    }
    void restoreFromBackup()
    {
        QFETCH(bool, write);
        applyUiLanguage(false);
        QDir(Backups::defaultFolder()).removeRecursively();
        RadioData olderData = startUpData();
        storeFreq(olderData.image, 1, QStringLiteral("445"), 3, 0);
        const MemoryImage older = olderData.image;
        QString reason;
        const QString olderPath = Backups::save(Backups::defaultFolder(), older, 1, 0, &reason);
        QVERIFY2(!Backups::save(Backups::defaultFolder(), factoryImage(), 2, 0, &reason).isEmpty(), qPrintable(reason));
        const MemoryImage before = document().image();
        const int steps = document().history()->count();

        m_main->findChild<QAction*>("File_restore_backup")->trigger();
        auto* window = m_main->window<BackupRestoreWindow>();
        QVERIFY(window);
        auto* grid = window->findChild<QTableWidget*>("Grid_backups");
        QCOMPARE(grid->rowCount(), 2);
        const Backups::Backup listed = *Backups::find(olderPath);
        QCOMPARE(grid->item(1, BackupRestoreWindow::ColDate)->text(), listed.taken.toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(grid->item(1, BackupRestoreWindow::ColTime)->text(), listed.taken.toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(grid->item(1, BackupRestoreWindow::ColVersion)->text(), QStringLiteral("Ver1.0"));
        QCOMPARE(grid->item(1, BackupRestoreWindow::ColChannels)->text(), QStringLiteral("1"));
        QCOMPARE(grid->item(0, BackupRestoreWindow::ColChannels)->text(), QStringLiteral("0"));

        m_answer = write ? QMessageBox::Yes : QMessageBox::No;
        grid->selectRow(1);
        window->findChild<QPushButton*>("Command_Restore")->click();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].text.contains(QLatin1String("Write it to the radio now?")), qPrintable(m_messages[0].text));
        QVERIFY(document().image() == older);
        QCOMPARE(document().version(), 1);
        QVERIFY(!document().isModified());
        QCOMPARE(document().history()->count(), steps + 1);
        QCOMPARE(m_main->window<WriteWindow>() != nullptr, write);
        QTRY_VERIFY(!m_main->window<BackupRestoreWindow>());
        m_main->findChild<QAction*>("Edit_undo")->trigger();
        QVERIFY(document().image() == before);
        QCOMPARE(document().version(), 2);
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
        const qsizetype before = m_messages.size();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTest::keyClick(window, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(m_messages.size(), before + 1);
        QCOMPARE(m_messages.last().text, m_messages[before - 1].text);
        QVERIFY(m_main->links().transferRunning());
        QVERIFY(!m_main->close());
        m_main->findChild<QAction*>("Language_eng")->trigger();
        document().edit([] { return QStringLiteral("step"); }, [](RadioData& data) { data.image.setCell(3, 4, 0x44); });
        m_main->findChild<QAction*>("Edit_undo")->trigger();
        QCOMPARE(document().image().cell(3, 4), 0x44);
        QCOMPARE(m_messages.size(), 7);
        QCOMPARE(m_messages[1].text, QStringLiteral("正在进行读写操作,请勿关窗口 ！,"));
        QVERIFY(m_main->findChild<QAction*>("Language_chn")->isChecked());
        QCOMPARE(m_main->window<ReadWindow>(), window.data());

        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(!m_main->links().transferRunning());
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
        QCOMPARE(m_main->panelText(MainWindow::Panel::Version), yes ? QStringLiteral("Ver1.0") : QStringLiteral("Ver2.0"));
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
        const int steps = document().history()->count();

        m_main->findChild<QAction*>("File_compare_radio")->trigger();
        QPointer<CompareWithRadioWindow> window = m_main->window<CompareWithRadioWindow>();
        QVERIFY(window);
        QSignalSpy finished(window->sequence(), &LinkSequence::finished);
        window->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(finished));
        QTRY_VERIFY(!window);

        QVERIFY(document().image() == before);
        QCOMPARE(document().history()->count(), steps);
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
        applyUiLanguage(false);
        m_main->port().setCommPortNumber(3);
        qputenv("QV3N_COM2", "/tmp/qv3n-radio");
        auto* dialog = openPortDialog();
        QVERIFY(dialog->findChild<QRadioButton*>("Option3")->isChecked());
        QCOMPARE(dialog->findChild<QLabel*>("Label_device2")->text(), QStringLiteral("/tmp/qv3n-radio (named by QV3N_COM2)"));
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
        QCOMPARE(m_main->panelText(MainWindow::Panel::Port), QStringLiteral("COM5"));
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

    // The port dialog names each cable by its chip, serial number and stable
    // name; the COM chosen stays with its cable when the cables are unplugged
    // and plugged in again the other way round, and a read from that COM
    // reaches that cable's radio.
    void aChosenComStaysWithItsCable()
    {
        applyUiLanguage(false);
        VirtualRadio radioA({});
        VirtualRadio radioB({});
        radioA.setMemory(patterned(31));
        radioB.setMemory(patterned(32));
        QVERIFY(radioA.start(nullptr) && radioB.start(nullptr));
        QTemporaryDir dir;
        const QString usb0 = dir.filePath(QStringLiteral("ttyUSB0"));
        const QString usb1 = dir.filePath(QStringLiteral("ttyUSB1"));
        // Cable A has an FTDI chip with a serial number, cable B a CH340 without one.
        SerialPort cableA { {}, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"), true,
                            0x0403, 0x6001, QStringLiteral("A1B2C3"), QStringLiteral("FT232R USB UART") };
        SerialPort cableB { {}, QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"), true, 0x1a86,
                            0x7523, {}, QStringLiteral("USB Serial") };
        QList<SerialPort> present;
        m_main->port().setPortLister([&present] { return present; });
        // The system names the devices in the order the cables were plugged in.
        auto plugIn = [&](SerialPort& first, const QString& firstRadio, SerialPort& second, const QString& secondRadio) {
            QFile::remove(usb0);
            QFile::remove(usb1);
            QVERIFY(QFile::link(firstRadio, usb0) && QFile::link(secondRadio, usb1));
            first.device = usb0;
            second.device = usb1;
            present = { first, second };
        };
        // What the dialog shows for COM1 and COM2 when it opens.
        auto shown = [this] {
            QPointer<PortSetupDialog> dialog = openPortDialog();
            const QStringList labels { dialog->findChild<QLabel*>("Label_device1")->text(),
                                       dialog->findChild<QLabel*>("Label_device2")->text() };
            dialog->findChild<QPushButton*>("Command1")->click();
            // Closed, so the next look opens it afresh.
            return QTest::qWaitFor([&dialog] { return dialog.isNull(); }) ? labels : QStringList();
        };
        const QString labelA = QStringLiteral(" (FTDI FT232R, USB 0403:6001, serial number A1B2C3, %1)").arg(cableA.byIdName);
        const QString labelB = QStringLiteral(" (WCH CH340, USB 1a86:7523, no serial number, %1)").arg(cableB.byIdName);

        plugIn(cableA, radioA.portPath(), cableB, radioB.portPath());
        QCOMPARE(shown(), (QStringList{ usb0 + labelA, usb1 + labelB }));
        QPointer<PortSetupDialog> dialog = openPortDialog();
        dialog->findChild<QRadioButton*>("Option2")->click();
        dialog->findChild<QPushButton*>("Command_ok")->click();
        QTRY_VERIFY(!dialog);

        // Cable B unplugged: COM2 waits for it rather than standing for cable A.
        present = { cableA };
        QCOMPARE(shown(), (QStringList{ usb0 + labelA,
                                        QStringLiteral("(no device: the cable %1, kept for COM2, is not plugged in)")
                                            .arg(cableB.byIdName) }));

        // Both plugged in again, B first: COM2 is still cable B, COM1 the other one.
        plugIn(cableB, radioB.portPath(), cableA, radioA.portPath());
        QCOMPARE(shown(), (QStringList{ usb1 + labelA, usb0 + labelB }));

        m_main->findChild<QAction*>("Prog_read")->trigger();
        auto* read = m_main->window<ReadWindow>();
        QSignalSpy finished(read->engine(), &LinkEngine::finished);
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(waitFor(finished));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
        QVERIFY(sameBlocks(read->engine()->readImage(), radioB.memory(), 0, kReadBlockCount - 1));
    }

    // Seven cables with long stable names, on a small screen: the port dialog
    // stays inside the main window with its buttons in sight, and each
    // cable's line gets the height its words need, in either language.
    void thePortDialogFitsASmallScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "Language_eng";
        QTest::newRow("Chinese") << "Language_chn";
    }
    void thePortDialogFitsASmallScreen()
    {
        QFETCH(QString, language);
        m_main->findChild<QAction*>(language)->trigger();
        QList<SerialPort> present;
        for (int n = 0; n < 7; ++n)
            present << SerialPort { QStringLiteral("/dev/ttyUSB%1").arg(n),
                                    QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D%1-if00-port0").arg(n),
                                    true, 0x0403, 0x6001, QStringLiteral("A1B2C3D%1").arg(n), QStringLiteral("FT232R USB UART") };
        m_main->port().setPortLister([present] { return present; });
        m_main->showNormal();
        m_main->resize(760, 560);

        QPointer<PortSetupDialog> dialog = openPortDialog();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        auto* frame = qobject_cast<QWidget*>(dialog->parentWidget());
        const QRect area = m_main->mdiArea()->rect();
        QVERIFY2(area.contains(frame->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame->x()).arg(frame->y())
                                                                  .arg(frame->width()).arg(frame->height())));
        for (const char* name : { "Command_ok", "Command1" }) {
            auto* button = dialog->findChild<QPushButton*>(name);
            QVERIFY(dialog->rect().contains(QRect(button->mapTo(dialog, QPoint(0, 0)), button->size())));
        }
        QStringList shown;
        for (int n = 1; n <= PortSetupDialog::kPorts; ++n) {
            auto* label = dialog->findChild<QLabel*>(QStringLiteral("Label_device%1").arg(n));
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
            shown << label->text();
        }
        QVERIFY2(shown.join(QLatin1Char('\n')).contains(QLatin1String("A1B2C3D6-if00-port0")), qPrintable(shown.join(QLatin1Char('\n'))));
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
