// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFindBar.h"

#include "ChannelTableWindow.h"

#include "ChannelSearch.h"
#include "MemoryMap.h"
#include "RadioDocument.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <array>

using MemoryMap::kChannelCount;

namespace {

// A light yellow that dark text stays readable on, as find highlights usually are.
const QColor kMatchBackground(255, 236, 139);

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

ChannelFindBar::ChannelFindBar(RadioDocument& document, QTableWidget* grid, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_grid(grid)
    , m_label(new QLabel(this))
    , m_text(new QLineEdit(this))
    , m_previous(new QToolButton(this))
    , m_next(new QToolButton(this))
    , m_onlyMatches(new QCheckBox(this))
    , m_count(new QLabel(this))
    , m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("Bar_find"));
    m_text->setObjectName(QStringLiteral("Text_find"));
    m_previous->setObjectName(QStringLiteral("Command_find_previous"));
    m_next->setObjectName(QStringLiteral("Command_find_next"));
    m_onlyMatches->setObjectName(QStringLiteral("Check_only_matches"));
    m_count->setObjectName(QStringLiteral("Label_matches"));
    m_close->setObjectName(QStringLiteral("Command_find_close"));

    m_label->setBuddy(m_text);
    m_text->setClearButtonEnabled(true);
    m_text->installEventFilter(this);
    m_previous->setArrowType(Qt::UpArrow);
    m_next->setArrowType(Qt::DownArrow);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_count->setTextFormat(Qt::PlainText);
    for (QToolButton* button : { m_previous, m_next, m_close })
        button->setFocusPolicy(Qt::TabFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_label);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_onlyMatches);
    layout->addWidget(m_count, 1);
    layout->addWidget(m_close);

    connect(m_text, &QLineEdit::textChanged, this, [this] {
        refresh();
        // As the text is typed, the table goes to the first match from the current row on.
        if (!m_matches.isEmpty() && !m_matches.contains(m_grid->currentRow() + 1))
            findNext(1);
    });
    connect(m_onlyMatches, &QCheckBox::toggled, this, &ChannelFindBar::refresh);
    connect(m_previous, &QToolButton::clicked, this, [this] { findNext(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { findNext(1); });
    connect(m_close, &QToolButton::clicked, this, [this] {
        closeBar();
        emit closed();
    });
    connect(&m_document, &RadioDocument::changed, this, &ChannelFindBar::refresh);

    setCaptions();
    hide();
}

void ChannelFindBar::openBar()
{
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    refresh();
}

void ChannelFindBar::closeBar()
{
    hide();
    refresh();
}

bool ChannelFindBar::filtering() const
{
    return isVisibleTo(parentWidget()) && m_onlyMatches->isChecked() && !m_text->text().trimmed().isEmpty();
}

void ChannelFindBar::refresh()
{
    const bool searching = isVisibleTo(parentWidget()) && !m_text->text().trimmed().isEmpty();
    m_matches = searching ? ChannelSearch::matchingChannels(m_document.data(), m_text->text()) : QList<int>{};
    showMatches();
}

void ChannelFindBar::showMatches()
{
    std::array<bool, kChannelCount> matched{};
    for (const int channel : std::as_const(m_matches))
        matched[channel - 1] = true;
    const bool filter = filtering();
    const int current = m_grid->currentRow();
    const QBrush highlight(kMatchBackground);
    for (int row = 0; row < kChannelCount; ++row) {
        const QBrush background = matched[row] ? highlight : QBrush();
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            QTableWidgetItem* cell = m_grid->item(row, column);
            if (cell && cell->background() != background)
                cell->setBackground(background);
        }
        const bool hidden = filter && !matched[row] && row != current;
        if (m_grid->isRowHidden(row) != hidden)
            m_grid->setRowHidden(row, hidden);
    }
    if (m_text->text().trimmed().isEmpty())
        m_count->clear();
    else if (m_matches.isEmpty())
        m_count->setText(tr("No channel matches"));
    else
        m_count->setText(tr("Matching channels: %1").arg(m_matches.size()));
}

bool ChannelFindBar::findNext(int by)
{
    if (m_matches.isEmpty())
        return false;
    const int current = m_grid->currentRow() + 1;
    int target = 0;
    if (by > 0) {
        const auto after = std::upper_bound(m_matches.cbegin(), m_matches.cend(), current);
        target = after != m_matches.cend() ? *after : m_matches.first();
    } else {
        const auto before = std::lower_bound(m_matches.cbegin(), m_matches.cend(), current);
        target = before != m_matches.cbegin() ? *(before - 1) : m_matches.last();
    }
    const int column = qMax(int(ChannelTableWindow::ColRx), m_grid->currentColumn());
    m_grid->setCurrentCell(target - 1, column);
    m_grid->scrollToItem(m_grid->item(target - 1, column));
    return true;
}

bool ChannelFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            findNext(key->modifiers() & Qt::ShiftModifier ? -1 : 1);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeBar();
            emit closed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelFindBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        showMatches();
    }
    QWidget::changeEvent(event);
}

void ChannelFindBar::setCaptions()
{
    m_label->setText(tr("Find:"));
    m_text->setPlaceholderText(tr("Frequency, name or tone"));
    m_text->setAccessibleName(tr("Find text"));
    m_text->setAccessibleDescription(tr("Channels whose frequency, name or tone shows this text are highlighted. "
                                        "Enter or F3 goes to the next one, Shift+Enter or Shift+F3 to the previous one, "
                                        "Escape closes the bar."));
    m_previous->setToolTip(tr("Previous match (Shift+F3)"));
    m_previous->setAccessibleName(tr("Previous match"));
    m_next->setToolTip(tr("Next match (F3)"));
    m_next->setAccessibleName(tr("Next match"));
    m_onlyMatches->setText(tr("Show only matches"));
    m_onlyMatches->setToolTip(tr("Hides the channels that do not match; a paste or a fill down changes only the rows shown"));
    m_close->setToolTip(tr("Closes the find bar and shows every channel (Escape)"));
    m_close->setAccessibleName(tr("Close the find bar"));
}
