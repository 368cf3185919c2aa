// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyRangeFrame.h"

#include "ui/Prompt.h"

#include "Checks.h"
#include "Codecs.h"
#include "Settings.h"
#include "Tables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using Captions::Option;

namespace {

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FrequencyRangeFrame::FrequencyRangeFrame(OptionsEditing& editing, QWidget* parent)
    : SettingsFrame(editing, parent)
    , m_frame(named(new QGroupBox(Captions::option(Option::FrequencyRange), this), "Frame_Freq_range"))
    , m_lower(named(new QLineEdit(m_frame), "Text_pvfo_d0"))
    , m_upper(named(new QLineEdit(m_frame), "Text_pvfo_d1"))
{
    auto* from = named(new QLabel(tr("From"), m_frame), "Label_From");
    auto* to = named(new QLabel(tr("to"), m_frame), "Label_to");
    from->setBuddy(m_lower);
    to->setBuddy(m_upper);
    auto* row = new QHBoxLayout(m_frame);
    row->addWidget(from);
    row->addWidget(m_lower, 1);
    row->addSpacing(12);
    row->addWidget(to);
    row->addWidget(m_upper, 1);
    row->addWidget(named(new QLabel(QStringLiteral("MHZ"), m_frame), "Label_MHZ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    for (QLineEdit* box : { m_lower, m_upper })
        watchTyping(box);
}

QHash<QWidget*, Option> FrequencyRangeFrame::settings() const
{
    return { { m_frame, Option::FrequencyRange }, { m_lower, Option::FrequencyRange }, { m_upper, Option::FrequencyRange } };
}

QList<QLineEdit*> FrequencyRangeFrame::leaveBoxes() const
{
    return { m_lower, m_upper };
}

void FrequencyRangeFrame::leave(QLineEdit* box)
{
    if (box == m_lower)
        lowerLimitLeft();
    else if (box == m_upper)
        upperLimitLeft();
}

void FrequencyRangeFrame::showSettings()
{
    const MemoryImage& image = document().image();
    showText(m_lower, QString::number(Settings::rangeLimit(image, Settings::RangeLimit::Lower)));
    showText(m_upper, QString::number(Settings::rangeLimit(image, Settings::RangeLimit::Upper)));
}

void FrequencyRangeFrame::correct(QLineEdit* box, const QString& message, const QString& text)
{
    Prompt::inform(this, message, Prompt::Title::Capital);
    showText(box, text);
    box->setFocus();
}

void FrequencyRangeFrame::lowerLimitLeft()
{
    const double v = leadingNumber(m_lower->text());
    if (v < kLowestRangeMHz)
        correct(m_lower, tr("frequency of lower limit can't less than the lowest of work frequency. "),
                QString::number(kLowestRangeMHz));
    else if (leadingNumber(m_upper->text()) < v)
        correct(m_lower, tr("frequency of lower limit can't more than frequency of upper limit."), m_upper->text());
    storeFrequencyRange();
    checkFrequencyLimits();
}

void FrequencyRangeFrame::upperLimitLeft()
{
    const double v = leadingNumber(m_upper->text());
    if (v > kHighestRangeMHz)
        correct(m_upper, tr("frequency of upper limit can't more than the highest of work frequency. "),
                QString::number(kHighestRangeMHz));
    else if (leadingNumber(m_lower->text()) > v)
        correct(m_upper, tr("frequency of upper limit can't less than frequency of lower limit."), m_lower->text());
    storeFrequencyRange();
    checkFrequencyLimits();
}

void FrequencyRangeFrame::storeFrequencyRange()
{
    // Each limit is stored as the whole MHz of the value its box holds, so
    // that texts such as "0420", "4.5e2" or "455.5" keep the digits of the
    // limit shown after the refresh. A box whose value has no three-digit
    // whole part (a damaged range the refresh showed) leaves its cells alone.
    // Typed frequencies are checked against the stored range from now on.
    edit(m_frame, [&](RadioData& data) {
        Settings::storeRangeLimit(data.image, Settings::RangeLimit::Lower, leadingNumber(m_lower->text().trimmed()));
        Settings::storeRangeLimit(data.image, Settings::RangeLimit::Upper, leadingNumber(m_upper->text().trimmed()));
        takeRangeFromImage(data);
    });
    emit refreshNeeded();
}

void FrequencyRangeFrame::checkFrequencyLimits()
{
    if (checkVfoInRange(document().image()) != 0) {
        Prompt::inform(this, Captions::vfoOutOfRange());
        return;
    }
    if (const int channel = findChannelOutOfRange(document().image()))
        Prompt::inform(this, Captions::channelOutOfRange(channel));
}
