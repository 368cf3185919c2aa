// SPDX-License-Identifier: GPL-3.0-or-later
// Time and peak memory of a CSV import at its worst: the largest file the
// import reads (4 MiB), made of a header and two million rows of "x", each
// of which is refused. Measured for `qv3n-cli import` and for building the
// import preview window, each in a process of its own, beside the same
// process on a file of one good row.
//
//   qv3n-csv-worst-case-bench
//
// The preview runs in this program started again as a child ("--preview
// FILE"); the peak memory is the child's maximum resident set as the system
// counts it.

#include "files/CsvImportPreview.h"

#include "ChannelCsv.h"
#include "RadioData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kWorstRows = 2'000'000;

struct Measured
{
    double seconds = 0;
    long peakKiB = 0;
    int status = -1;
    qint64 stderrLines = 0;
};

// Runs a program to its end with standard error in a file, timing it and
// taking its peak resident memory from the system.
Measured runMeasured(const QStringList& args, const QString& stderrPath)
{
    QList<QByteArray> encoded;
    for (const QString& arg : args)
        encoded << arg.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& arg : encoded)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray errPath = stderrPath.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    Measured measured;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(spawned));
        return measured;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return measured;
    measured.seconds = double(timer.nsecsElapsed()) / 1e9;
    measured.peakKiB = usage.ru_maxrss;
    measured.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    QFile err(stderrPath);
    if (err.open(QIODevice::ReadOnly))
        while (!err.atEnd())
            measured.stderrLines += err.readLine().isEmpty() ? 0 : 1;
    return measured;
}

void print(const char* what, const Measured& worst, const Measured& small)
{
    std::printf("%-26s %8.2f s  peak %8.1f MiB   (one good row: %5.2f s, %6.1f MiB)  exit %d, %lld lines on stderr\n",
                what, worst.seconds, double(worst.peakKiB) / 1024, small.seconds, double(small.peakKiB) / 1024,
                worst.status, static_cast<long long>(worst.stderrLines));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The preview as the program builds it before it shows it.
int runPreview(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const MemoryImage base = factoryImage();
    const ChannelCsv::ImportResult result = ChannelCsv::read(path, 2, FreqRange::of(base));
    if (!result.ok())
        return 3;
    CsvImportPreview preview(
        result, [&](const ChannelCsv::Placement& placement) { return ChannelCsv::read(path, 2, FreqRange::of(base), placement); },
        base, path, 1);
    preview.show();
    QCoreApplication::processEvents();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0)
        return runPreview(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString worstPath = dir.filePath(QStringLiteral("worst.csv"));
    const QString smallPath = dir.filePath(QStringLiteral("small.csv"));
    const QByteArray header = "Location,Frequency\r\n";
    QByteArray worst = header;
    worst.reserve(header.size() + 2 * kWorstRows);
    for (int i = 0; i < kWorstRows; ++i)
        worst += "x\n";
    if (worst.size() > ChannelCsv::kMaxFileSize || !writeFile(worstPath, worst)
        || !writeFile(smallPath, header + "1,446.5\r\n")) {
        std::fprintf(stderr, "cannot write the sample files in %s\n", qPrintable(dir.path()));
        return 1;
    }
    std::printf("worst case: %lld bytes, a header and %d rows of \"x\"\n", static_cast<long long>(worst.size()),
                kWorstRows);

    const QString errPath = dir.filePath(QStringLiteral("stderr.txt"));
    const QString out = dir.filePath(QStringLiteral("out.chann"));
    auto cli = [&](const QString& csv) {
        return runMeasured({ QStringLiteral(QV3N_CLI_PROGRAM), QStringLiteral("import"), csv, QStringLiteral("-o"), out,
                             QStringLiteral("--skip-bad") },
                           errPath);
    };
    print("qv3n-cli import", cli(worstPath), cli(smallPath));

    const QString self = QCoreApplication::applicationFilePath();
    auto preview = [&](const QString& csv) { return runMeasured({ self, QStringLiteral("--preview"), csv }, errPath); };
    print("import preview", preview(worstPath), preview(smallPath));
    return 0;
}
