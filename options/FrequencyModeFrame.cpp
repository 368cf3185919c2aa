// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyModeFrame.h"

#include "ui/Prompt.h"

#include "ChannelEdit.h"
#include "ChannelRecord.h"
#include "Codecs.h"
#include "FrequencyMode.h"
#include "OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using Captions::Option;
using namespace Settings;

namespace {

constexpr int kMaxFreqTextLength = 9;     // receive and transmit boxes
constexpr int kMaxOffsetTextLength = 8;

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

FrequencyModeFrame::FrequencyModeFrame(OptionsEditing& editing, QWidget* parent)
    : SettingsFrame(editing, parent)
    , m_frame(named(new QGroupBox(Captions::option(Option::FrequencyMode), this), "Frame_vfo"))
    , m_receive(named(new QLineEdit(m_frame), "Text_RX_Freq"))
    , m_transmit(named(new QLineEdit(m_frame), "Text_TX_Freq"))
    , m_decode(list(m_frame, "Combo_Decode", OptionLists::tones()))
    , m_decodeInverted(named(new QCheckBox(QStringLiteral("INV"), m_frame), "Check_DNI"))
    , m_encode(list(m_frame, "Combo_Encode", OptionLists::tones()))
    , m_encodeInverted(named(new QCheckBox(QStringLiteral("INV"), m_frame), "Check_ENI"))
    , m_step(list(m_frame, "Combo_Step", OptionLists::tuningStep()))
    , m_width(list(m_frame, "Combo_WN", OptionLists::width()))
    , m_power(list(m_frame, "Combo_TXP", OptionLists::power()))
    , m_duplex(list(m_frame, "Combo_Sft_d", OptionLists::duplex()))
    , m_offset(named(new QLineEdit(m_frame), "Text_Offset_Freq"))
{
    // The inversion boxes only show the flag; the transmit frequency follows the others.
    m_decodeInverted->setEnabled(false);
    m_encodeInverted->setEnabled(false);
    m_transmit->setEnabled(false);

    auto* grid = new QGridLayout(m_frame);
    grid->setColumnStretch(1, 1);
    auto addRow = [grid, this](Option caption, const char* labelName, QWidget* field, QWidget* extra = nullptr) {
        auto* label = named(new QLabel(Captions::option(caption), m_frame), labelName);
        label->setBuddy(field);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (extra)
            grid->addWidget(extra, row, 2);
    };
    addRow(Option::RxFrequency, "Label_Rx_freq", m_receive);
    addRow(Option::TxFrequency, "Label_Tx_Freq", m_transmit);
    addRow(Option::Decode, "Label_Decode", m_decode, m_decodeInverted);
    addRow(Option::Encode, "Label_Encode", m_encode, m_encodeInverted);
    addRow(Option::Step, "Label_Step", m_step);
    addRow(Option::Width, "Label_wn", m_width);
    addRow(Option::Power, "Label_Txp", m_power);
    addRow(Option::Duplex, "Label_Sft_d", m_duplex);
    addRow(Option::Offset, "Label_offset", m_offset);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);

    connectIndex(m_step, kTuningStep);
    connectIndex(m_width, kVfoWide);
    connectIndex(m_power, kVfoHighPower);
    connectTone(m_decode, m_decodeInverted, kVfoDecodeTone, kVfoDecodeInverted);
    connectTone(m_encode, m_encodeInverted, kVfoEncodeTone, kVfoEncodeInverted);
    connect(m_duplex, &QComboBox::currentIndexChanged, this, &FrequencyModeFrame::duplexChosen);
    for (QLineEdit* box : { m_receive, m_transmit, m_offset })
        connect(box, &QLineEdit::textChanged, this, [this, box] { frequencyTextChanged(box); });
    for (QLineEdit* box : { m_receive, m_offset }) {
        box->installEventFilter(this);
        watchTyping(box);
    }
}

QHash<QWidget*, Option> FrequencyModeFrame::settings() const
{
    return {
        { m_frame, Option::FrequencyMode }, { m_receive, Option::RxFrequency }, { m_transmit, Option::TxFrequency },
        { m_decode, Option::Decode },       { m_encode, Option::Encode },       { m_step, Option::Step },
        { m_duplex, Option::Duplex },       { m_offset, Option::Offset },       { m_width, Option::Width },
        { m_power, Option::Power },
    };
}

QList<QLineEdit*> FrequencyModeFrame::leaveBoxes() const
{
    return { m_receive, m_offset };
}

void FrequencyModeFrame::leave(QLineEdit* box)
{
    if (box == m_receive)
        receiveLeft();
    else if (box == m_offset)
        offsetLeft();
}

QString FrequencyModeFrame::receiveText() const
{
    return m_receive->text();
}

QString FrequencyModeFrame::offsetText() const
{
    return m_offset->text();
}

QString FrequencyModeFrame::txMessage()
{
    return tr("Over the range of TX frequency .");
}

void FrequencyModeFrame::connectIndex(QComboBox* list, BitField field)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, field](int index) {
        if (!refreshing() && index >= 0)
            edit(list, [&](RadioData& data) { setValue(data.image, field, index); });
    });
}

void FrequencyModeFrame::connectTone(QComboBox* list, QCheckBox* inverted, BitField tone, BitField invertedBit)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, inverted, tone, invertedBit](int index) {
        if (refreshing() || index < 0)
            return;
        const ChannelRecord::StoredTone stored = ChannelRecord::toneFromListPosition(index);
        inverted->setChecked(stored.inverted);
        edit(list, [&](RadioData& data) {
            setValue(data.image, tone, stored.code);
            setOn(data.image, invertedBit, stored.inverted);
        });
    });
}

void FrequencyModeFrame::showTone(QComboBox* list, QCheckBox* inverted, BitField tone, BitField invertedBit)
{
    const MemoryImage& image = document().image();
    const bool isInverted = isSet(image, invertedBit);
    showIndex(list, ChannelRecord::toneListPosition(value(image, tone), isInverted));
    inverted->setChecked(isInverted);
}

void FrequencyModeFrame::showSettings()
{
    const RadioData& data = document().data();
    const MemoryImage& image = data.image;
    showIndex(m_step, value(image, kTuningStep));
    showText(m_offset, freqText(data, kOffsetFreq));
    showTone(m_decode, m_decodeInverted, kVfoDecodeTone, kVfoDecodeInverted);
    showText(m_receive, freqText(data, kVfoRxFreq));
    showTone(m_encode, m_encodeInverted, kVfoEncodeTone, kVfoEncodeInverted);
    showText(m_transmit, freqText(data, kVfoTxFreq));
    showIndex(m_width, value(image, kVfoWide));
    showIndex(m_power, value(image, kVfoHighPower));
    showIndex(m_duplex, value(image, kVfoDuplex));
}

void FrequencyModeFrame::duplexChosen(int index)
{
    if (refreshing() || index < 0)
        return;
    const Depth busy(m_editing.busy);
    bool inRange = true;
    edit(m_duplex, [&](RadioData& data) {
        inRange = FrequencyMode::storeDuplex(data, m_receive->text(), m_offset->text(), index,
                                             FrequencyMode::UpperLimit::Included);
    });
    emit refreshNeeded();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

QString FrequencyModeFrame::boxMessage(QLineEdit* box) const
{
    if (box == m_receive)
        return tr("Over the range of RX frequency .");
    if (box == m_transmit)
        return txMessage();
    return tr("Over the range of Offset frequency .");
}

bool FrequencyModeFrame::frequencyKeyPressed(QLineEdit* box, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return false;   // the Enter chain moves on
    const QString text = event->text();
    // Keys that type nothing (arrows, Home, Delete) and shortcuts keep their
    // native meaning; Backspace is accepted.
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QChar c = text.front();
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return false;
    if (c == u'.' && box->text().trimmed().isEmpty())
        return true;
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return false;
    Prompt::inform(this, boxMessage(box));
    return true;
}

void FrequencyModeFrame::frequencyTextChanged(QLineEdit* box)
{
    const QString text = box->text();
    const int longest = box == m_offset ? kMaxOffsetTextLength : kMaxFreqTextLength;
    const bool refused = text.size() > longest || (box == m_offset && leadingNumber(text) > kMaxOffsetMHz);
    const bool typed = !settingText();
    if (!refused) {
        if (!typed && !text.isEmpty())   // a stored value it can show again
            m_refusedShown.remove(box);
        return;
    }
    // A stored value the box cannot hold is told once, not on every refresh.
    if (typed || m_refusedShown.value(box) != text) {
        if (!typed)
            m_refusedShown.insert(box, text);
        Prompt::inform(this, boxMessage(box));
    }
    m_editing.typed.remove(box);
    showText(box, QString());
    if (box->isEnabled())
        box->setFocus();
}

void FrequencyModeFrame::receiveLeft()
{
    const QString text = m_receive->text();
    const double rx = leadingNumber(text);
    if (text.size() > kMaxFreqTextLength || !ChannelEdit::isFreqInRange(document().data(), rx)) {
        refuse(m_receive, boxMessage(m_receive));
        return;
    }
    // The transmit frequency follows the new receive frequency by the duplex, in the same step.
    bool inRange = true;
    edit(m_receive, [&](RadioData& data) {
        storeFreqText(data, kVfoRxFreq, text);
        inRange = FrequencyMode::storeDuplex(data, text, m_offset->text(), value(data.image, kVfoDuplex),
                                             FrequencyMode::UpperLimit::Included);
    });
    emit refreshNeeded();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

void FrequencyModeFrame::offsetLeft()
{
    const QString text = m_offset->text();
    const double offset = leadingNumber(text);
    // A negative offset (only pasting can bring one) would not match what is stored.
    if (text.size() > kMaxOffsetTextLength || offset > kMaxOffsetMHz || offset < 0) {
        refuse(m_offset, boxMessage(m_offset));
        return;
    }
    bool inRange = true;
    edit(m_offset, [&](RadioData& data) {
        inRange = FrequencyMode::storeDuplex(data, m_receive->text(), text, value(data.image, kVfoDuplex),
                                             FrequencyMode::UpperLimit::Excluded);
        storeFreqText(data, kOffsetFreq, text);
    });
    emit refreshNeeded();
    if (!inRange)
        Prompt::inform(this, txMessage());
}

bool FrequencyModeFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_receive || watched == m_offset)
        && frequencyKeyPressed(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event)))
        return true;
    return SettingsFrame::eventFilter(watched, event);
}
