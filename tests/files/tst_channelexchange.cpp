#include "channels/frm_chann.h"
#include "files/ChannelExchange.h"
#include "files/CompareWindow.h"
#include "files/CsvImportPreview.h"
#include "shell/MDImain.h"
#include "ui/Prompt.h"

#include "ChannelCsv.h"
#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "support/DocumentPoke.h"
#include "support/Files.h"
#include "MemoryMap.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTest>
#include <QUndoStack>
#include <QTimer>

using namespace MemoryMap;

namespace {

// A channel in use: 445 MHz, no tones, high power, wide.
void addChannel(MemoryImage& image, int channel)
{
    image.setBlock(channel, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0x00 });
}

} // namespace

class TestChannelExchange : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    MDImain* m_main = nullptr;
    QStringList m_messages;

    RadioDocument& document() const { return m_main->document(); }

    QString writeFile(const QString& name, const QByteArray& text) const
    {
        return writeAll(m_dir.filePath(name), text) ? m_dir.filePath(name) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QApplication::setQuitOnLastWindowClosed(false);
        Prompt::setHandler([this](const Prompt::Message& message) {
            m_messages << message.text;
            return QMessageBox::Ok;
        });
    }
    void init()
    {
        m_main = new MDImain;
        m_main->start();
        m_main->findChild<QAction*>(QStringLiteral("Language_eng"))->trigger();
        addChannel(DocumentPoke(document()).data().image, 9);
        document().markSaved(QString());
        m_messages.clear();
    }
    void cleanup() { delete m_main; }

    // The preview lists the refused row and the adjusted name; Import takes
    // the other rows in place of every channel, Cancel changes nothing.
    void importShowsEveryProblemFirst_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("import the other rows") << true;
        QTest::newRow("cancel") << false;
    }
    void importShowsEveryProblemFirst()
    {
        QFETCH(bool, accept);
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
            const char* button = accept ? "Command_import" : "Command_Cancel";
            QTest::mouseClick(preview->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        });
        QCOMPARE(ChannelExchange::importCsvFile(m_main, document(), m_main, csv), accept);
        QCOMPARE(shown, (QStringList{ "2 Adjusted", "3 Refused" }));
        if (!accept) {
            QCOMPARE(document().image().bytes(), before.bytes());
            return;
        }
        QVERIFY(ChannelRecord::isUsed(document().image(), 1));
        QVERIFY(!ChannelRecord::isUsed(document().image(), 2));
        QVERIFY(!ChannelRecord::isUsed(document().image(), 9));
        QVERIFY(document().isModified());
        for (int block = kFirstChannelBlock + kChannelCount; block < MemoryImage::kBlocks; ++block)
            QCOMPARE(document().image().cell(block, 0), before.cell(block, 0));
        QCOMPARE(m_main->window<frm_chann>()->cellText(1, frm_chann::ColName), QStringLiteral("LONGN"));
        // The import is one step.
        document().undoStack()->undo();
        QVERIFY(document().image() == before);
    }

    void importOfAnUnreadableFileSaysWhy()
    {
        const QString csv = writeFile(QStringLiteral("broken.csv"), "Location,Name\n1,A\n");
        const MemoryImage before = document().image();
        QVERIFY(!ChannelExchange::importCsvFile(m_main, document(), m_main, csv));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].contains(QLatin1String("no column \"Frequency\"")));
        QCOMPARE(document().image().bytes(), before.bytes());
    }

    void exportWritesTheChannelsInUse()
    {
        const QString csv = m_dir.filePath(QStringLiteral("out.csv"));
        QVERIFY(ChannelExchange::exportCsvFile(m_main, document(), m_main, csv));
        QCOMPARE(readAll(csv), ChannelCsv::exportChannels(document().image(), document().version()));
        QVERIFY(m_messages.value(0).endsWith(QLatin1String("out.csv: 1.")));
    }

    // A double-click on a channel's line selects it in the channel table;
    // Copy takes the whole text; the working copy is left alone.
    void compareShowsWhatDiffersAndLeadsToTheChannel()
    {
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
        auto* table = m_main->window<frm_chann>();
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
};

QTEST_MAIN(TestChannelExchange)
#include "tst_channelexchange.moc"
