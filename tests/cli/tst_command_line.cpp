// SPDX-License-Identifier: GPL-3.0-or-later
// The three programs' own command lines: --help and --version are answered on
// the terminal, with no window and no display, and the version is the build's.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_command_line : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");   // standard output; standard error on a failure
        const QString version = QStringLiteral(QV3N_VERSION);
        const QString gui = QStringLiteral(QV3N_PROGRAM);
        const QString cli = QStringLiteral(QV3N_CLI_PROGRAM);
        const QString radio = QStringLiteral(QV3N_VIRTUAL_RADIO_PROGRAM);
        // A platform that does not exist: a program that reached for a display would abort.
        const QString none = QStringLiteral("no-such-platform");
        QTest::newRow("qv3n --version") << gui << QStringList{ "--version" } << "C" << none << 0 << "qv3n " + version + "\n";
        QTest::newRow("qv3n --help") << gui << QStringList{ "--help" } << "C" << none << 0 << "Usage: qv3n [FILE]\n";
        QTest::newRow("qv3n -h in Chinese") << gui << QStringList{ "-h" } << "zh_CN.UTF-8" << none << 0 << "用法：qv3n";
        QTest::newRow("qv3n-cli --version") << cli << QStringList{ "--version" } << "C" << none << 0
                                            << "qv3n-cli " + version + "\n";
        QTest::newRow("qv3n-cli print --help") << cli << QStringList{ "print", "--help" } << "C" << none << 0
                                               << "Usage: qv3n-cli print ";
        QTest::newRow("qv3n-virtual-radio --version") << radio << QStringList{ "--version" } << "C" << none << 0
                                                      << "qv3n-virtual-radio " + version + "\n";
        QTest::newRow("qv3n-virtual-radio --help") << radio << QStringList{ "--help" } << "C" << none << 0 << "Usage: ";
        // Anything else on qv3n's command line starts the windows, which need a platform.
        QTest::newRow("qv3n, unknown option") << gui << QStringList{ "--bogus" } << "C" << "offscreen" << 2
                                              << "qv3n: Unknown option --bogus.\nRun \"qv3n --help\" for help.\n";
    }
    void answersWithoutADisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QString, language);
        QFETCH(QString, platform);
        QFETCH(int, status);
        QFETCH(QString, output);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANGUAGE" })
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), language);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        // Qt warns on standard error without a runtime folder.
        const QTemporaryDir runtime;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, args);
        QVERIFY(process.waitForFinished(60000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == status, qPrintable(err));
        if (status == 0) {
            QVERIFY2(out.startsWith(output), qPrintable(out));
            QVERIFY2(err.isEmpty(), qPrintable(err));
        } else {
            QCOMPARE(err, output);
        }
    }
};

QTEST_GUILESS_MAIN(tst_command_line)
#include "tst_command_line.moc"
