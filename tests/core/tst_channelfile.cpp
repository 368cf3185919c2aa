// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFile.h"
#include "NativeFile.h"
#include "RadioData.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using ChannelFile::ReadError;

Q_DECLARE_METATYPE(ChannelFile::ReadError)

namespace {

// An image whose every cell differs from its neighbours.
MemoryImage::Bytes shiftedImage(int shift)
{
    MemoryImage::Bytes bytes;
    for (int i = 0; i < MemoryImage::kSize; ++i)
        bytes[i] = quint8((i + shift) % 256);
    return bytes;
}

// The values of an image written out by hand, joined by the given separator.
QByteArray joined(const MemoryImage::Bytes& bytes, const QByteArray& separator, int count = MemoryImage::kSize)
{
    QByteArrayList values;
    for (int i = 0; i < count; ++i)
        values << QByteArray::number(bytes[i]);
    return values.join(separator);
}

} // namespace

class TestChannelFile : public QObject
{
    Q_OBJECT
private slots:
    void writesTheFixedLayout()
    {
        const QByteArray text = ChannelFile::format(factoryImage().bytes());
        QVERIFY(text.endsWith("\r\n"));
        const QByteArrayList lines = text.chopped(1).split('\n');
        QCOMPARE(lines.size(), 256);
        for (const QByteArray& line : lines)
            QVERIFY(line.endsWith('\r'));
        QCOMPARE(lines[0], QByteArray(" 255 ").repeated(16) + '\r');
        QCOMPARE(lines[250], QByteArray(" 0  64  0  71 ") + QByteArray(" 255 ").repeated(12) + '\r');
        QCOMPARE(lines[253], QByteArray(" 0  1  2  3  4  5  6  7  8  9  10  11  12  13  205  210 \r"));
    }

    // Every value 0..255, in many positions, writes out and reads back unchanged.
    void savedFileLoadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio.chann"));
        const MemoryImage::Bytes bytes = shiftedImage(77);
        QVERIFY(ChannelFile::write(path, bytes).ok);
        QCOMPARE(readAll(path), ChannelFile::format(bytes));
        const ChannelFile::ReadResult result = ChannelFile::read(path);
        QVERIFY(result.ok());
        QVERIFY(result.bytes == bytes);

        // Saving again replaces the file rather than appending to it.
        QVERIFY(ChannelFile::write(path, shiftedImage(3)).ok);
        QCOMPARE(readAll(path), ChannelFile::format(shiftedImage(3)));
    }

    void readsAnyLayout_data()
    {
        const MemoryImage::Bytes bytes = shiftedImage(5);
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("one value a line") << joined(bytes, "\n") + '\n';
        QTest::newRow("runs of separators") << ",, " + joined(bytes, " ,\t\r\n ,,") + " \r\n\r\n";
        QTest::newRow("old Mac line ends") << joined(bytes, "\r");
        QTest::newRow("leading zeros and plus signs") << "+00" + QByteArray::number(bytes[0]) + ' '
                                                          + joined(bytes, "  ").mid(QByteArray::number(bytes[0]).size());
        QTest::newRow("values after the last are ignored") << joined(bytes, " ") + " 999 -4 junk\r\n1 2 3";
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + ChannelFile::format(bytes);
    }
    void readsAnyLayout()
    {
        QFETCH(QByteArray, text);
        const ChannelFile::ReadResult result = ChannelFile::parse(text);
        QVERIFY(result.ok());
        QVERIFY(result.bytes == shiftedImage(5));
        for (int piece : { 1, 2, 5 }) {
            ChannelFile::Parser parser;
            for (qsizetype at = 0; at < text.size(); at += piece)
                parser.feed(QByteArrayView(text).sliced(at, std::min<qsizetype>(piece, text.size() - at)));
            const ChannelFile::ReadResult pieces = parser.finish();
            QVERIFY(pieces.ok());
            QVERIFY(pieces.bytes == result.bytes);
        }
    }

    void refusesMalformedText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ReadError>("error");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("valueCount");

        QByteArrayList canonical = ChannelFile::format(shiftedImage(0)).split('\n');
        auto withLine7 = [&](const QByteArray& replacement) {
            QByteArrayList lines = canonical;
            lines[6] = " 96  97 " + replacement + " 99 \r";
            return lines.join('\n');
        };
        QTest::newRow("empty") << QByteArray() << ReadError::TooFewValues << 0 << QString() << 0;
        QTest::newRow("one value short") << joined(shiftedImage(0), " ", 4095) << ReadError::TooFewValues << 0
                                         << QString() << 4095;
        QTest::newRow("letters") << withLine7("12a") << ReadError::NotANumber << 7 << "12a" << 98;
        QTest::newRow("above a byte") << withLine7("256") << ReadError::OutOfRange << 7 << "256" << 98;
        QTest::newRow("more leading zeros than a value has") << withLine7(QByteArray(300, '0')) << ReadError::OutOfRange
                                                             << 7 << QString(24, '0') + QChar(0x2026) << 98;
        QTest::newRow("long junk is shortened") << withLine7(QByteArray(300, 'x')) << ReadError::NotANumber << 7
                                                << QString(24, 'x') + QChar(0x2026) << 98;
        QTest::newRow("part of a byte-order mark") << "\xEF\xBB" + joined(shiftedImage(0), " ") << ReadError::NotANumber
                                                   << 1 << QStringLiteral("\uFFFD\uFFFD0") << 0;
        QTest::newRow("lines counted across line-end styles")
            << QByteArray("1 2\r\n3\r4\n\n5 x 6") << ReadError::NotANumber << 5 << "x" << 5;
    }
    void refusesMalformedText()
    {
        QFETCH(QByteArray, text);
        QFETCH(ReadError, error);
        QFETCH(int, line);
        QFETCH(QString, value);
        QFETCH(int, valueCount);

        const ChannelFile::ReadResult whole = ChannelFile::parse(text);
        QCOMPARE(whole.error, error);
        QCOMPARE(whole.valueCount, valueCount);
        if (error != ReadError::TooFewValues) {
            QCOMPARE(whole.line, qint64(line));
            QCOMPARE(whole.value, value);
        }

        // A file read in pieces gives the same answer wherever the pieces break.
        for (int piece : { 1, 2, 3, 7 }) {
            ChannelFile::Parser parser;
            for (qsizetype at = 0; at < text.size() && !parser.done(); at += piece)
                parser.feed(QByteArrayView(text).sliced(at, std::min<qsizetype>(piece, text.size() - at)));
            const ChannelFile::ReadResult pieces = parser.finish();
            QCOMPARE(pieces.error, whole.error);
            QCOMPARE(pieces.line, whole.line);
            QCOMPARE(pieces.value, whole.value);
            }
    }

    // Endless input ends the reading: a digit run once no value can be that
    // long, anything else once the image is complete.
    void endlessInputStopsTheReading_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("repeated");
        QTest::addColumn<int>("bytesNeeded");
        QTest::newRow("digits") << QByteArray("1 2 ") << QByteArray("0") << 25;
        QTest::newRow("values after the 4096th") << joined(shiftedImage(0), " ") << QByteArray(" 7") << 2;
    }
    void endlessInputStopsTheReading()
    {
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, repeated);
        QFETCH(int, bytesNeeded);
        ChannelFile::Parser parser;
        parser.feed(start);
        int fed = 0;
        while (!parser.done() && fed < 1000) {
            parser.feed(repeated);
            fed += repeated.size();
        }
        QVERIFY(parser.done());
        QCOMPARE(fed, bytesNeeded);
    }

    // Only regular files are read or replaced: a FIFO would block the program
    // and a device would be replaced by a file.
    void refusesWhatIsNotARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "No such file or directory";
        QTest::newRow("empty name") << "" << "No such file or directory";
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("FIFO") << "fifo" << "Not a regular file";
    }
    void refusesWhatIsNotARegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = kind.isEmpty() ? QString() : dir.filePath(kind + QStringLiteral(".chann"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(kind + QStringLiteral(".chann")));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        const ChannelFile::ReadResult read = ChannelFile::read(path);
        QCOMPARE(read.error, ReadError::CannotOpen);
        QCOMPARE(read.reason, reason);
        if (kind == QLatin1String("missing"))
            return;   // a new name is written
        const ChannelFile::WriteResult written = ChannelFile::write(path, shiftedImage(1));
        QVERIFY(!written.ok);
        QCOMPARE(written.reason, reason);
        QCOMPARE(NativeFile::checkReplaceable(path).reason, reason);
        struct stat info;
        if (kind == QLatin1String("fifo"))
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    }

    // A name that is not UTF-8 keeps every byte (the command-line tests open such a file).
    void keepsEveryByteOfAName()
    {
        const QByteArray raw("out\xff\xc3(\xed\xa0\x80 \xf0\x9f\x93\xbb.chann");
        QCOMPARE(NativeFile::encodeName(NativeFile::decodeName(raw)), raw);
        QCOMPARE(NativeFile::decodeName("caf\xc3\xa9.chann"), QStringLiteral("caf\u00e9.chann"));
    }
};

QTEST_GUILESS_MAIN(TestChannelFile)
#include "tst_channelfile.moc"
