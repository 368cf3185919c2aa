#include "channels/frm_chann.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "link/Form_Comm_Read.h"
#include "shell/MDImain.h"
#include "ui/Prompt.h"

#include "ChannelFile.h"
#include "support/DocumentPoke.h"
#include "support/Files.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A channel in use: 145 MHz, no tones, high power, wide.
void addChannel(RadioDocument& document, int channel)
{
    poke(document)->setBlock(channel, { 0x00, 0x01, 0x50, 0x14, 0x00, 0x01, 0x50, 0x14, 0x00, 0xC0, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0x00 });
}

MemoryImage::Bytes resetImage()
{
    return factoryImage().bytes();
}

} // namespace

class TestUnsavedChanges : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Prompt::setHandler([this](const Prompt::Message& message) {
            m_questions << message;
            return m_answer;
        });
    }
    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_main = new MDImain;
        m_main->start();
        m_questions.clear();
        m_answer = QMessageBox::Cancel;
    }
    void cleanup() { delete m_main; }

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
        QVERIFY(m_questions.isEmpty());
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
            m_main->window<Form_Comm_Read>()->findChild<QPushButton*>("Command_read")->click();
            gone = m_questions.size() == 2;
        } else {
            gone = act(exit);
            QCOMPARE(m_questions.size(), 1);
        }
        const Prompt::Message& question = m_questions[0];
        QVERIFY(question.text.contains(exit ? "退出程序" : action == "new" ? "新建" : "读取"));
        QCOMPARE(question.informativeText.contains(QDir::toNativeSeparators(last)), fileKnown);
        QCOMPARE(gone, goesAhead);
        QCOMPARE(m_main->isVisible(), !(exit && goesAhead));
        QCOMPARE(readAll(last), saved ? ChannelFile::format(changed) : lastBefore);
        QCOMPARE(m_main->window<Form_save_chann>() != nullptr, saveDialog);
        const bool replaced = action == "new" && goesAhead;
        QVERIFY(document().image().bytes() == (replaced ? resetImage() : changed));
        QCOMPARE(document().isModified(), !saved && !replaced);
    }

    void pendingNameCountsAsAChange()
    {
        addChannel(document(), 1);
        document().markSaved(QString());
        auto* table = m_main->window<frm_chann>();
        table->grid()->setCurrentCell(0, frm_chann::ColName);
        table->PlaceCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "ab");

        m_answer = QMessageBox::Cancel;
        QVERIFY(!m_main->close());
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(int(document().image().cell(1, 10)), 12);
    }

    void loadingOverAChangeAsksFirst()
    {
        QVERIFY(ChannelFile::write(m_dir.filePath("other.chann"), resetImage()).ok);
        addChannel(document(), 5);
        const MemoryImage::Bytes changed = document().image().bytes();
        m_main->findChild<QAction*>("File_Open")->trigger();
        auto* dialog = m_main->window<Form_open_chann>();
        auto* name = dialog->findChild<QLineEdit*>("Text1");
        name->setText("other.chann");

        m_answer = QMessageBox::Cancel;
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions[0].text.contains("调入其他文件"));
        QVERIFY(document().image().bytes() == changed);

        m_answer = QMessageBox::Discard;
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_VERIFY(!m_main->window<Form_open_chann>());
        QVERIFY(document().image().bytes() == resetImage());
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

    QTemporaryDir m_dir;
    MDImain* m_main = nullptr;
    QList<Prompt::Message> m_questions;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
};

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
