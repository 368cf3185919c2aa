// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A transfer as the user asks for it, run step by step over one link engine:
// a read; or a write, optionally preceded by a backup read of the radio into
// a channel file of its own and followed by a read-back that is compared with
// what was sent. The read and write windows and the command line all run
// their transfers through it. It never touches the working copy: a read hands
// its image to the front end, which applies it.

#include "LinkEngine.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class LinkSequence : public QObject, private LinkHost
{
    Q_OBJECT
public:
    enum class Step { Idle, Read, Backup, Write, Verify };
    enum class Outcome {
        Completed,         // read, or written (and verified when asked)
        Failed,            // the radio could not be reached or broke off; the message said so
        VersionMismatch,   // the radio's memory format differs from the program's; nothing written
        BackupFailed,      // the backup could not be saved; nothing written
        VerifyFailed,      // written, but the read-back differs or could not be made
    };

    struct WritePlan
    {
        MemoryImage image;        // the fixed copy to send
        int programVersion = 2;   // the memory format the image is in
        QString backupFolder;     // where the backup goes; empty: no backup
        int keepBackups = 0;      // how many backups to keep there; 0: all
        bool verify = false;
    };

    explicit LinkSequence(const LinkTimings& timings, QObject* parent = nullptr);

    void setHost(LinkHost* host) { m_host = host; }
    void setPortNumber(int number) { m_engine->setPortNumber(number); }
    void setPortDevice(const QString& device) { m_engine->setPortDevice(device); }
    void setPortDirectory(const PortDirectory& ports) { m_engine->setPortDirectory(ports); }
    LinkEngine* engine() const { return m_engine; }

    void startRead();
    void startWrite(const WritePlan& plan);

    // As the engine's: false, with the busy message, while an exchange runs;
    // otherwise the transfer is abandoned and true returned.
    bool cancel();

    bool busy() const { return m_engine->busy(); }
    // Whether a transfer has started and not yet finished.
    bool running() const { return m_step != Step::Idle; }
    Step step() const { return m_step; }

    // How the last transfer ended, in the language in force; empty while none has ended.
    QString resultText() const;
    // The step the last transfer ended in.
    Step endedIn() const { return m_endedIn; }

    QString backupPath() const { return m_backupPath; }
    // After a verify: the blocks that read back differently, and both images.
    QList<int> differingBlocks() const { return m_differences; }
    const MemoryImage& sentImage() const { return m_plan.image; }
    const MemoryImage& readBackImage() const { return m_engine->readImage(); }

signals:
    void stepChanged(LinkSequence::Step step);
    void progressChanged(int value, bool reveal);
    void statusTextChanged(const QString& text);
    void radioIdentified(int version);
    // A read completed: blocks 0..253 of image are the radio's, version its format.
    void readCompleted(const MemoryImage& image, int version);
    // The radio's format differs from the program's; the user answered the question.
    void versionMismatch(int radioVersion, bool resetAccepted);
    void backupSaved(const QString& path);
    void finished(LinkSequence::Outcome outcome);

private:
    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;
    void notify(const LinkNotice& notice);

    void enter(Step step);
    void onEngineFinished(LinkEngine::Outcome outcome);
    void afterBackup();
    void afterWrite();
    void afterVerify(bool readBack);
    // Records how the transfer ended and says so in the status line.
    void conclude(Outcome outcome);
    void end(Outcome outcome);
    // Runs next once the port has closed, so the last bytes of one step are
    // never cut off by the next.
    void whenPortClosed(std::function<void()> next);
    QString completionDetail() const;

    void begin();

    LinkEngine* m_engine;
    LinkHost* m_host = nullptr;
    Step m_step = Step::Idle;
    std::optional<Outcome> m_outcome;   // of the last transfer that ended
    Step m_endedIn = Step::Idle;
    bool m_portFailed = false;          // it ended because the port could not be opened
    WritePlan m_plan;
    QString m_backupPath;
    QList<int> m_differences;
    QString m_verifyFailure;   // why the read-back could not be made
    QMetaObject::Connection m_pending;
    int m_transfer = 0;        // counts transfers, so a step left pending never runs in another
};
