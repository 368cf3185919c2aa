// SPDX-License-Identifier: GPL-3.0-or-later
#include "FleetRun.h"

#include "LinkContext.h"

#include <algorithm>

FleetRun::FleetRun(LinkContext& links, QObject* parent)
    : QObject(parent)
    , m_links(links)
{
}

FleetRadio* FleetRun::addPort(const FleetPort& port)
{
    auto* radio = new FleetRadio(port, m_links.timings(LinkEngine::Direction::Write), this);
    radio->sequence()->setPortDirectory(m_ports);
    m_links.watch(radio->sequence()->engine());
    connect(radio, &FleetRadio::finished, this, [this, radio] { onRadioFinished(radio); });
    m_radios.append(radio);
    return radio;
}

bool FleetRun::clearPorts()
{
    if (running())
        return false;
    qDeleteAll(m_radios);
    m_radios.clear();
    return true;
}

void FleetRun::start(const QList<FleetRadio*>& radios, const FleetPlan& plan)
{
    m_plan = plan;
    m_hasPlan = true;
    for (FleetRadio* radio : radios)
        radio->start(plan);
}

void FleetRun::retry(FleetRadio* radio)
{
    if (m_hasPlan)
        radio->start(m_plan);
}

WriteCheck FleetRun::checkFile(const MemoryImage& image, int version)
{
    RadioData data;
    data.image = enteredImage(image);
    data.version = version;
    takeRangeFromImage(data);
    return checkForWrite(data);
}

bool FleetRun::running() const
{
    return std::any_of(m_radios.cbegin(), m_radios.cend(), [](const FleetRadio* radio) { return radio->running(); });
}

bool FleetRun::nextBatch()
{
    if (running())
        return false;
    for (FleetRadio* radio : std::as_const(m_radios))
        radio->clearOutcome();
    return true;
}

void FleetRun::onRadioFinished(FleetRadio* radio)
{
    QString reason;
    if (!m_reportPath.isEmpty() && !FleetReport::append(m_reportPath, { radio->reportRow() }, &reason))
        emit reportFailed(radio, reason);
    emit radioFinished(radio);
    if (!running())
        emit allFinished();
}
