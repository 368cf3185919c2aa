#pragma once

// One read or write with a radio, run by the link engine that the read and
// write windows use, in a local event loop. Messages the windows would show in
// a box go to standard error; questions are answered No.

#include "Arguments.h"
#include "ExitStatus.h"
#include "LinkEngine.h"

#include <QObject>

class Progress;
class RadioDocument;

class Transfer : public QObject, private LinkHost
{
    Q_OBJECT
public:
    Transfer(LinkEngine::Direction direction, RadioDocument& document, const PortChoice& port, bool quiet);
    ~Transfer() override;

    // Runs the transfer to its end; the document holds the result of a read.
    ExitStatus run();

    // The intervals of the exchange: the radio's, or short ones when the test
    // hook QV3N_LINK_FAST is set.
    static LinkTimings timings(LinkEngine::Direction direction);

private:
    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;
    void onFinished(LinkEngine::Outcome outcome);
    void end(ExitStatus status);

    const LinkEngine::Direction m_direction;
    RadioDocument& m_document;
    const PortChoice m_port;
    const bool m_quiet;
    LinkEngine* m_engine;
    Progress* m_progress;
    bool m_ended = false;
    ExitStatus m_status = ExitStatus::Ok;

signals:
    void ended();
};
