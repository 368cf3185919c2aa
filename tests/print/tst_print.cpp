// SPDX-License-Identifier: GPL-3.0-or-later
// The printed channel list as a reader gets it: the text of the PDF pages
// (extracted with pdftotext) in both languages and on both paper sizes, from
// the layout itself, from qv3n-cli print and from the main window's menu.

#include "print/ChannelList.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "Language.h"
#include "RadioData.h"
#include "RadioDocument.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString rxText(int channel)
{
    return QString::number(400 + channel * 0.5 + 0.00625, 'f', 5);
}

QString nameText(int channel)
{
    return QStringLiteral("CH%1").arg(channel, 3, 10, QLatin1Char('0'));
}

// The program's start-up data with the given channels in use, each named and
// on its own frequency.
RadioData dataWithChannels(int count)
{
    RadioData data = startUpData();
    for (int n = 1; n <= count; ++n) {
        storeFreq(data.image, data.version, rxText(n), n, ChannelRecord::kRxBase);
        storeFreq(data.image, data.version, rxText(n), n, ChannelRecord::kTxBase);
        ChannelRecord::setNewChannelDefaults(data.image, n);
        ChannelRecord::storeName(data.image, n, nameText(n));
    }
    return data;
}

// Text as it is compared with the extracted pages (see pages()).
QString folded(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdftotext;

    // The text of every page, in order, folded. Qt's PDF text map gives a few
    // Chinese characters as their look-alike radicals (高 as ⾼); folding undoes most.
    QStringList pages(const QString& pdf) const
    {
        QProcess process;
        process.start(m_pdftotext, { pdf, QStringLiteral("-") });
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return {};
        QStringList pages = folded(QString::fromUtf8(process.readAllStandardOutput())).split(QLatin1Char('\f'));
        pages.removeLast();   // after the last page's form feed
        return pages;
    }

private slots:
    void initTestCase()
    {
        m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void cleanup() { applyUiLanguage(false); }

    void everyChannelOnNumberedPages_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QStringList>("header");        // repeated on every page with channels
        QTest::addColumn<QString>("pageNumber");        // %1 of %2, as a pattern
        QTest::addColumn<QStringList>("elsewhere");
        const QStringList english{ "Channel", "RX Frequency", "TX Frequency", "CTCSS/DCS Dec", "Name" };
        const QStringList chinese{ "信道号", "接收频率(MHZ)", "QT/DQT 解码", "信道名称" };
        const QStringList englishRest{ "QV3N channel list: fleet.chann", "Printed 2024-05-06 14:30", "400 to 470 MHz" };
        const QStringList chineseRest{ "QV3N 信道列表：fleet.chann", "打印于 2024-05-06 14:30", "400 到 470 MHz" };
        const int a4 = QPageSize::A4;
        const int letter = QPageSize::Letter;
        QTest::newRow("English, A4") << false << a4 << english << "Page %1 of %2" << englishRest;
        // 页 comes out as the radical ⻚, which folding leaves alone.
        QTest::newRow("Chinese, Letter") << true << letter << chinese << "第 %1 .，共 %2 ." << chineseRest;
    }
    void everyChannelOnNumberedPages()
    {
        QFETCH(bool, chinese);
        QFETCH(int, paper);
        QFETCH(QStringList, header);
        QFETCH(QString, pageNumber);
        QFETCH(QStringList, elsewhere);
        applyUiLanguage(chinese);
        const ChannelList list(dataWithChannels(128), QStringLiteral("fleet.chann"),
                               QDateTime(QDate(2024, 5, 6), QTime(14, 30)));
        const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QString error;
        QVERIFY2(list.writePdf(pdf, QPageSize::PageSizeId(paper), &error), qPrintable(error));

        const QStringList text = pages(pdf);
        QVERIFY(!text.isEmpty() && text.size() <= 4);
        for (int page = 0; page < text.size(); ++page) {
            for (const QString& column : header)
                QVERIFY2(!text[page].contains(QLatin1String("CH")) || text[page].contains(folded(column)),
                         qPrintable(QStringLiteral("page %1: %2").arg(page + 1).arg(column)));
            const QRegularExpression number(folded(pageNumber.arg(page + 1).arg(text.size())));
            QVERIFY2(text[page].contains(number), qPrintable(text[page].right(200)));
        }
        const QString all = text.join(QLatin1Char('\n'));
        for (int n = 1; n <= 128; ++n)
            QVERIFY2(all.contains(nameText(n)) && all.count(rxText(n)) >= 2, qPrintable(nameText(n)));
        for (const QString& expected : elsewhere)
            QVERIFY2(all.contains(folded(expected)), qPrintable(expected));
    }

    // Wherever the channel table ends, the sections after it stay whole and no
    // page holds a table header alone. The counts cover the first page break.
    void sectionsStayWhole_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("channels");
        for (const bool chinese : { false, true })
            for (const int channels : { 0, 1, 38, 40, 42, 44, 46, 48, 50, 51, 52, 53, 54, 56 })
                QTest::addRow("%s, %d channels", chinese ? "Chinese, Letter" : "English, A4", channels)
                    << chinese << int(chinese ? QPageSize::Letter : QPageSize::A4) << channels;
    }
    void sectionsStayWhole()
    {
        QFETCH(bool, chinese);
        QFETCH(int, paper);
        QFETCH(int, channels);
        applyUiLanguage(chinese);
        const ChannelList list(dataWithChannels(channels), QStringLiteral("x.chann"), QDateTime::currentDateTime());
        const QString pdf = m_dir.filePath(QStringLiteral("whole.pdf"));
        QString error;
        QVERIFY2(list.writePdf(pdf, QPageSize::PageSizeId(paper), &error), qPrintable(error));
        const QStringList text = pages(pdf);
        // The first and last lines of the two sections after the channel table.
        const QStringList marks = chinese ? QStringList{ "频率模式", "哔音", "收音机编辑", "108.0" }
                                          : QStringList{ "Frequncy Mode", "Beep", "Radio Frequency", "108.0" };
        QList<int> pageOf;
        for (const QString& mark : marks) {
            QList<int> found;
            for (int page = 0; page < text.size(); ++page)
                if (text[page].contains(folded(mark)))
                    found << page;
            QCOMPARE(found.size(), 1);
            pageOf << found.first();
        }
        QCOMPARE(pageOf[0], pageOf[1]);
        QCOMPARE(pageOf[2], pageOf[3]);
        const QString header = folded(chinese ? "QT/DQT 解码" : "RX Frequency");
        for (int page = 0; page < text.size(); ++page) {
            const bool rows = text[page].contains(QLatin1String("CH"));
            QVERIFY2(rows || page == pageOf[0], qPrintable(text[page]));
            QVERIFY2(rows == text[page].contains(header), qPrintable(text[page]));
        }
        if (channels == 0)
            QVERIFY(text[0].contains(folded(chinese ? "没有使用中的信道。" : "No channel is in use.")));
    }

    // qv3n-cli print: Chinese, Letter paper, a memory format 1 file.
    void commandLine()
    {
        const QString file = m_dir.filePath(QStringLiteral("shop.chann"));
        const QString out = m_dir.filePath(QStringLiteral("shop.pdf"));
        QVERIFY(ChannelFile::write(file, dataWithChannels(3).image.bytes()).ok);
        QProcess cli;
        cli.start(QStringLiteral(QV3N_CLI_PROGRAM), { "--lang", "zh", "print", file, "--paper=letter", "--radio-version", "1",
                                                       "-o", out });
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QString result = pages(out).join(QLatin1Char('\n'));
        for (const char* text : { "QV3N 信道列表：shop.chann", "信道名称", "400.51250" })
            QVERIFY2(result.contains(folded(QString::fromUtf8(text))), qPrintable(result));
    }

    // Without a font that covers Chinese, a Chinese list would be pages of
    // boxes: print refuses, naming the package to install, and writes nothing.
    void commandLineWithoutChineseFont()
    {
        const QString file = m_dir.filePath(QStringLiteral("latin.chann"));
        const QString out = m_dir.filePath(QStringLiteral("boxes.pdf"));
        QVERIFY(ChannelFile::write(file, dataWithChannels(1).image.bytes()).ok);
        // Only the DejaVu fonts, which have no Chinese.
        const QString config = m_dir.filePath(QStringLiteral("fonts.conf"));
        QFile conf(config);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("<?xml version=\"1.0\"?><fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                                  "<cachedir>%1</cachedir></fontconfig>")
                       .arg(m_dir.filePath(QStringLiteral("font-cache")))
                       .toUtf8());
        conf.close();
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("FONTCONFIG_FILE"), config);
        cli.setProcessEnvironment(environment);
        cli.start(QStringLiteral(QV3N_CLI_PROGRAM), { "--lang", "zh", "print", file, "-o", out });
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 3);
        QVERIFY2(cli.readAllStandardError().contains("fonts-noto-cjk"), "the package is named");
        QVERIFY(!QFile::exists(out));
    }

    // The menu prints what the windows hold, titled with the channel file's name,
    // and Export PDF says where the file went.
    void menuCommands()
    {
        QStringList messages;
        MainWindow main;
        Prompt::setHandler(&main, [&messages](const Prompt::Message& m) {
            messages << m.text;
            return QMessageBox::Ok;
        });
        main.start();
        main.findChild<QAction*>(QStringLiteral("Language_eng"))->trigger();
        const QString file = m_dir.filePath(QStringLiteral("depot.chann"));
        main.document().takeImage({}, dataWithChannels(2).image, 2, QString());
        main.document().markSaved(file);

        main.findChild<QAction*>(QStringLiteral("File_pdf"))->trigger();
        auto* dialog = main.findChild<QFileDialog*>(QStringLiteral("PdfFileDialog"));
        QVERIFY(dialog);
        QCOMPARE(dialog->selectedFiles().value(0), m_dir.filePath(QStringLiteral("depot.pdf")));
        static_cast<QDialog*>(dialog)->accept();
        const QString all = pages(m_dir.filePath(QStringLiteral("depot.pdf"))).join(QLatin1Char('\n'));
        for (const char* expected : { "QV3N channel list: depot.chann", "CH002", "401.00625" })
            QVERIFY2(all.contains(QLatin1String(expected)), qPrintable(all));
        QCOMPARE(messages, QStringList{ "The channel list was exported to " + m_dir.filePath("depot.pdf") + "." });

        main.findChild<QAction*>(QStringLiteral("File_print"))->trigger();
        auto* preview = main.findChild<QPrintPreviewDialog*>(QStringLiteral("PrintPreview"));
        QVERIFY(preview);
        QTRY_VERIFY(preview->findChild<QPrintPreviewWidget*>()->pageCount() == 1);
        preview->close();
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
