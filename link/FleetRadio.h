// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One radio of a fleet station: its port, with a link sequence of its own
// that backs the radio up, writes it and reads it back, and how that ended
// (the reason and what the port doctor advises), as the fleet window shows it
// and the report records it. Radios of one fleet share nothing but the plan.

#include "FleetReport.h"
#include "LinkSequence.h"

#include <QElapsedTimer>

// A port of the station.
struct FleetPort
{
    QString name;       // COM3, or the device path given
    int comNumber = 0;  // 1..8 for COMn, 0 for a device path
    QString device;     // empty when no device stands for COMn
    QString cable;      // the cable's chip and serial, where known

    // COMn as the directory finds it.
    static FleetPort forCom(const PortDirectory::Entry& entry);
    // A device given by its path, with what the system tells of it.
    static FleetPort forDevice(const QString& device, const PortDirectory& ports);
};

// What every radio of a batch gets.
struct FleetPlan
{
    MemoryImage image;          // adjusted and checked before the batch starts
    int programVersion = 2;
    QString fileName;           // the channel file's name, for the report
    QString backupFolder;       // empty: no backup
    int keepBackups = 0;
    bool verify = true;
};

class FleetRadio : public QObject, private LinkHost
{
    Q_OBJECT
public:
    enum class State { Idle, Waiting, BackingUp, Writing, Verifying, Done, Failed };

    FleetRadio(const FleetPort& port, const LinkTimings& timings, QObject* parent = nullptr);

    const FleetPort& port() const { return m_port; }
    QString assetTag() const { return m_assetTag; }
    void setAssetTag(const QString& tag) { m_assetTag = tag.trimmed(); }

    // Runs the plan on this radio, unless it is running already.
    void start(const FleetPlan& plan);
    // From the start until the port has closed after the end: the port is in use.
    bool running() const { return m_running; }
    // Back to Idle for the next radio on this port; the asset tag goes too.
    void clearOutcome();

    State state() const { return m_state; }
    // 0..100 over all steps of the run.
    int progress() const { return m_progress; }
    // Why the run failed, in a line; empty unless it failed.
    QString reason() const { return m_reason; }
    // What to check, as the port doctor says it; may be empty.
    QString advice() const { return m_advice; }
    // "verified", "differs: channel 5, ...", or "not verified".
    QString verifyResult() const { return m_verifyResult; }
    double seconds() const { return m_seconds; }
    QString backupPath() const { return m_sequence->backupPath(); }

    // The report's row for the run that ended.
    FleetReport::Row reportRow() const;

    LinkSequence* sequence() const { return m_sequence; }

    // The state as the fleet window words it.
    static QString stateText(State state);

signals:
    void changed();
    // The run has ended and the port is closed.
    void finished();

private:
    void showLinkNotice(const LinkNotice& notice) override;
    bool askLinkQuestion(const LinkNotice& notice) override;

    void setState(State state);
    void onStep(LinkSequence::Step step);
    void onProgress(int value);
    void onFinished(LinkSequence::Outcome outcome);
    void conclude(LinkSequence::Outcome outcome);
    void endWhenPortClosed();
    int stepCount() const;
    int stepIndex() const;

    FleetPort m_port;
    QString m_assetTag;
    LinkSequence* m_sequence;
    FleetPlan m_plan;
    State m_state = State::Idle;
    bool m_running = false;
    bool m_identified = false;   // the radio has answered in this run
    int m_progress = 0;
    QString m_reason;
    QString m_advice;
    QString m_verifyResult;
    QList<LinkNotice> m_notices;  // of this run
    QDateTime m_started;
    QElapsedTimer m_clock;
    double m_seconds = 0;
    int m_version = 0;
};
