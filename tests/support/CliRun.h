// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// qv3n-cli run as a child process, with its files in a folder of the test's own.

#include "support/Files.h"

#include "ChannelFile.h"
#include "MemoryImage.h"

#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CliFolder
{
public:
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& text) const
    {
        if (!writeAll(path(name), text))
            qWarning("cannot write %s", qPrintable(name));
        return path(name);
    }
    QString writeImage(const QString& name, const MemoryImage& image) const
    {
        return writeFile(name, ChannelFile::format(image.bytes()));
    }

    // Runs qv3n-cli to its end in an event loop, so that radios in this process
    // keep answering. The user's port links and settings are left out, the
    // link's intervals shortened; output, if given, receives standard output.
    CliResult run(const QStringList& args, const QMap<QString, QString>& env = {}, const QString& output = {}) const
    {
        QProcess process;
        if (!output.isEmpty())
            process.setStandardOutputFile(output);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (int n = 1; n <= 8; ++n)
            environment.remove(QStringLiteral("QV3N_COM%1").arg(n));
        environment.insert(QStringLiteral("QV3N_LINK_FAST"), QStringLiteral("1"));
        // print starts Qt's GUI side, which warns without a runtime folder.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path());
        // The ports the program's settings keep for cables are the test's own.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path());
        for (auto it = env.cbegin(); it != env.cend(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(QV3N_CLI_PROGRAM), args);
        CliResult result;
        if (!process.waitForStarted() || !finished.wait(60000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

private:
    QTemporaryDir m_dir;
};
