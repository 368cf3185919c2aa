// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fleet station without a screen: many radios programmed with one image at
// once, each on its own port with its own link, and every radio that ends
// (programmed or not) appended to the report. The fleet window and
// qv3n-cli fleet both run their batches through it.

#include "FleetRadio.h"

#include "WriteCheck.h"

#include <QList>
#include <QObject>

class LinkContext;

class FleetRun : public QObject
{
    Q_OBJECT
public:
    // links: the intervals of the radios' links, and where their transfers count.
    explicit FleetRun(LinkContext& links, QObject* parent = nullptr);

    // Where the port doctor looks up the devices present, for ports added from now on.
    void setPortDirectory(const PortDirectory& ports) { m_ports = ports; }
    // A port of the station, with a radio (and a link) of its own.
    FleetRadio* addPort(const FleetPort& port);
    // Drops every port; refused (false) while any radio runs.
    bool clearPorts();
    QList<FleetRadio*> radios() const { return m_radios; }

    // Where the rows go; empty: no report.
    void setReportPath(const QString& path) { m_reportPath = path; }
    QString reportPath() const { return m_reportPath; }

    // Runs the plan on every radio given, side by side; radios that run
    // already are left as they are.
    void start(const QList<FleetRadio*>& radios, const FleetPlan& plan);
    // Runs the last batch's plan again on one radio (one that failed).
    void retry(FleetRadio* radio);
    bool hasPlan() const { return m_hasPlan; }

    // A channel file's image in the given memory format, taken in as a loaded
    // file is and checked as a write checks it.
    static WriteCheck checkFile(const MemoryImage& image, int version);

    // Whether any port transfers.
    bool running() const;

    // Clears the outcomes and asset tags for the next set of radios; refused
    // (false) while any radio runs.
    bool nextBatch();

signals:
    // A radio's run ended and its row is in the report.
    void radioFinished(FleetRadio* radio);
    // The row of a radio could not be appended to the report.
    void reportFailed(FleetRadio* radio, const QString& reason);
    // No radio runs any more.
    void allFinished();

private:
    void onRadioFinished(FleetRadio* radio);

    LinkContext& m_links;
    PortDirectory m_ports;
    QList<FleetRadio*> m_radios;
    QString m_reportPath;
    FleetPlan m_plan;
    bool m_hasPlan = false;
};
