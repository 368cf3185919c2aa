// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRowActions.h"

#include "ChannelTableWindow.h"
#include "SortChannelsDialog.h"

#include "ui/Prompt.h"

#include "ChannelEdit.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelSort.h"
#include "Codecs.h"
#include "RadioDocument.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>

namespace {

// Fill-down steps the user may enter, kHz.
constexpr double kMaxFillStepKHz = 100000;
constexpr int kFillStepDecimals = 4;
constexpr double kHzPerKHz = 1000;

} // namespace

ChannelRowActions::ChannelRowActions(RadioDocument& document, ChannelTableWindow* table)
    : QObject(table)
    , m_document(document)
    , m_table(table)
    , m_menu(new QMenu(table))
{
    m_menu->setObjectName(QStringLiteral("Menu_rows"));
    createActions();
}

QAction* newTableAction(QObject* parent, QWidget* keysOwner, const char* name, const QString& text,
                        const QString& tip, const QKeySequence& key)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setToolTip(tip);
    action->setStatusTip(tip);
    keysOwner->addAction(action);
    return action;
}

void ChannelRowActions::createActions()
{
    auto add = [this](const char* name, const QString& text, const QString& tip, QKeySequence key, auto slot) {
        QAction* action = newTableAction(this, m_table, name, text, tip, key);
        connect(action, &QAction::triggered, this, slot);
        m_actions.append(action);
        m_menu->addAction(action);
        return action;
    };
    auto separator = [this] {
        auto* line = new QAction(this);
        line->setSeparator(true);
        m_actions.append(line);
        m_menu->addAction(line);
    };
    add("Edit_cut", tr("Cu&t channels"), tr("Copies the selected channels and empties them"), QKeySequence::Cut,
        &ChannelRowActions::cutRows);
    add("Edit_copy", tr("&Copy channels"), tr("Copies the selected channels, for this program and for spreadsheets"),
        QKeySequence::Copy, &ChannelRowActions::copyRows);
    add("Edit_paste", tr("&Paste channels"), tr("Pastes channels from the current row down"), QKeySequence::Paste,
        &ChannelRowActions::pasteRows);
    separator();
    add("Edit_insert", tr("&Insert channel"), tr("Inserts empty channels before the selected ones; the channels below move down"),
        QKeySequence(Qt::CTRL | Qt::Key_Plus), &ChannelRowActions::insertRows);
    add("Edit_delete", tr("&Delete channels"), tr("Deletes the selected channels; the channels below move up"),
        QKeySequence(Qt::CTRL | Qt::Key_Minus), &ChannelRowActions::deleteRows);
    add("Edit_move_up", tr("Mo&ve up"), tr("Moves the selected channels up by one"), QKeySequence(Qt::CTRL | Qt::Key_Up),
        [this] { moveRows(-1); });
    add("Edit_move_down", tr("Move do&wn"), tr("Moves the selected channels down by one"),
        QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveRows(1); });
    separator();
    add("Edit_fill_down", tr("&Fill down…"),
        tr("Gives each selected channel the frequency of the one before plus a step"),
        QKeySequence(Qt::CTRL | Qt::Key_D), &ChannelRowActions::fillDownRows);
    add("Edit_sort", tr("&Sort channels…"), tr("Sorts the selected channels or all channels in use by a field"), {},
        &ChannelRowActions::sortRows);
}

void ChannelRowActions::copyRows()
{
    m_table->commitPendingEdit();
    const QList<int> channels = m_table->selectedChannels();
    if (channels.isEmpty())
        return;
    auto* clip = new QMimeData;
    clip->setText(ChannelRows::copyText(m_document.data(), channels));
    clip->setData(QLatin1String(ChannelRows::kMimeType), ChannelRows::copyRecords(m_document.data(), channels));
    QGuiApplication::clipboard()->setMimeData(clip);
}

void ChannelRowActions::cutRows()
{
    copyRows();
    const QList<int> channels = m_table->selectedChannels();
    m_document.edit([] { return tr("Cut"); }, [&](RadioData& data) { ChannelRows::clearChannels(data.image, channels); });
}

void ChannelRowActions::pasteRows()
{
    m_table->commitPendingEdit();
    const QList<int> selected = m_table->selectedChannels();
    if (selected.isEmpty())
        return;
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || (!clip->hasText() && !clip->hasFormat(QLatin1String(ChannelRows::kMimeType)))) {
        Prompt::inform(m_table, tr("The clipboard holds no channels to paste."));
        return;
    }
    // Over a filtered table the rows go to the channels shown; hidden ones stay as they are.
    const QList<int> targets = m_table->shownChannelsFrom(selected.first());
    const QByteArray records = clip->data(QLatin1String(ChannelRows::kMimeType));
    const QString text = clip->text();
    ChannelRows::PasteResult result;
    m_document.edit([] { return tr("Paste"); }, [&](RadioData& data) {
        if (!ChannelRows::pasteRecords(data, targets, records, result))
            result = ChannelRows::pasteText(data, targets, text);
    });
    if (!result.channels.isEmpty())
        m_table->selectChannels(result.channels);
    const QString report = ChannelRows::refusalReport(result);
    if (!report.isEmpty())
        Prompt::inform(m_table, report);
}

void ChannelRowActions::insertRows()
{
    m_table->commitPendingEdit();
    const QList<int> selected = m_table->selectedChannels();
    if (selected.isEmpty())
        return;
    const int count = int(selected.size());
    if (const int blocker = ChannelRows::insertBlocker(m_document.image(), count)) {
        Prompt::inform(m_table, tr("Channel %1 is in use, and inserting would push it past channel 128. "
                                   "Delete or move a channel at the end first.").arg(blocker));
        return;
    }
    const int at = selected.first();
    m_document.edit([] { return tr("Insert channel"); }, [&](RadioData& data) { ChannelRows::insertChannels(data, at, count); });
    QList<int> inserted;
    for (int channel = at; channel < at + count; ++channel)
        inserted.append(channel);
    m_table->selectChannels(inserted);
}

void ChannelRowActions::deleteRows()
{
    m_table->commitPendingEdit();
    const QList<int> selected = m_table->selectedChannels();
    if (selected.isEmpty())
        return;
    m_document.edit([] { return tr("Delete channels"); }, [&](RadioData& data) { ChannelRows::deleteChannels(data, selected); });
    m_table->selectChannels({ selected.first() });
}

void ChannelRowActions::moveRows(int by)
{
    m_table->commitPendingEdit();
    QList<int> channels = m_table->selectedChannels();
    if (channels.isEmpty())
        return;
    const int current = m_table->gridRow();
    bool moved = false;
    m_document.edit([] { return tr("Move channels"); }, [&](RadioData& data) { moved = ChannelRows::moveChannels(data, channels, by); });
    // The current row goes with its channel.
    if (moved)
        m_table->selectChannels(channels, current + by);
}

void ChannelRowActions::sortRows()
{
    m_table->commitPendingEdit();
    const QList<int> selected = m_table->selectedChannels();
    SortChannelsDialog dialog(int(selected.size()), m_table);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ChannelSort::Key key = dialog.key();
    const Qt::SortOrder order = dialog.order();
    if (dialog.selectedOnly()) {
        m_document.edit([] { return tr("Sort channels"); },
                        [&](RadioData& data) { ChannelSort::sortChannels(data, selected, key, order); });
        m_table->selectChannels(selected);
    } else {
        m_document.edit([] { return tr("Sort channels"); },
                        [&](RadioData& data) { ChannelSort::sortAll(data, key, order); });
    }
}

void ChannelRowActions::fillDownRows()
{
    m_table->commitPendingEdit();
    const QList<int> channels = m_table->selectedChannels();
    if (channels.size() < 2) {
        Prompt::inform(m_table, tr("Select the channel to start from and the channels below it to fill."));
        return;
    }
    if (!ChannelRecord::isUsed(m_document.image(), channels.first())) {
        Prompt::inform(m_table, tr("Fill down starts from channel %1, which has no receive frequency.").arg(channels.first()));
        return;
    }
    QInputDialog dialog(m_table);
    dialog.setObjectName(QStringLiteral("Dialog_fill_down"));
    dialog.setWindowTitle(tr("Fill down"));
    dialog.setLabelText(tr("Each selected channel after channel %1 gets the frequency before it plus this step, in kHz:")
                            .arg(channels.first()));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleRange(-kMaxFillStepKHz, kMaxFillStepKHz);
    dialog.setDoubleDecimals(kFillStepDecimals);
    dialog.setDoubleValue(double(ChannelRows::defaultFillStepHz(m_document.image())) / kHzPerKHz);
    dialog.setOkButtonText(tr("Fill down"));
    dialog.setCancelButtonText(tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillDown(qRound64(dialog.doubleValue() * kHzPerKHz));
}

void ChannelRowActions::fillDown(qint64 stepHz)
{
    const QList<int> channels = m_table->selectedChannels();
    ChannelRows::FillResult result;
    m_document.edit([] { return tr("Fill down"); }, [&](RadioData& data) { result = ChannelRows::fillDown(data, channels, stepHz); });
    if (result.stoppedAt > 0)
        Prompt::inform(m_table, tr("Channel %1 would get %2 MHz, outside the frequency range %3 to %4 MHz: "
                                   "it and the channels after it were left as they were.")
                                    .arg(result.stoppedAt)
                                    .arg(ChannelEdit::normalizeFreqText(mhzText(result.stoppedHz)), numberText(m_document.rangeLow()),
                                         numberText(m_document.rangeHigh())));
}
