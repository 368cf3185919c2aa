// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One read or write with a radio, run by the transfer sequence that the read
// and write windows use, in a local event loop. Messages the windows would
// show in a box go to standard error; questions are answered No.

#include "Arguments.h"
#include "ExitStatus.h"
#include "LinkSequence.h"

#include <QObject>

class Progress;
class RadioDocument;

class Transfer : public QObject, private LinkHost
{
    Q_OBJECT
public:
    // traceFile: where the link trace goes when the transfer has ended; empty: nowhere.
    Transfer(RadioDocument& document, const PortChoice& port, bool quiet, const QString& traceFile);
    ~Transfer() override;

    // Reads the radio; on success the document holds its blocks 0..253 in its
    // format, and radioImage() them as the radio sent them.
    ExitStatus read();
    const MemoryImage& radioImage() const { return m_sequence->engine()->readImage(); }
    ExitStatus write(const LinkSequence::WritePlan& plan);

    // Prints a message as the transfer's own messages are printed.
    void report(const LinkNotice& notice) { showLinkNotice(notice); }

    // The intervals of the exchange: the radio's, or short ones when the test
    // hook QV3N_LINK_FAST is set.
    static LinkTimings timings();

private:
    ExitStatus run();
    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;
    void onFinished(LinkSequence::Outcome outcome);
    void end(ExitStatus status);
    bool saveTrace();

    RadioDocument& m_document;
    const PortChoice m_port;
    const bool m_quiet;
    const QString m_traceFile;
    LinkSequence* m_sequence;
    Progress* m_progress;
    bool m_ended = false;
    ExitStatus m_status = ExitStatus::Ok;

signals:
    void ended();
};
