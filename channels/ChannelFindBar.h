// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The find bar over the channel table: the channels that show the typed text
// (a frequency, a name, a tone) are highlighted, F3 and Shift+F3 go to the
// next and the previous one, and "Show only matches" hides the other rows.
// The matches follow every change of the document; the current row stays
// shown while it is edited, even when it stops matching.

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;
class RadioDocument;

class ChannelFindBar : public QWidget
{
    Q_OBJECT
public:
    ChannelFindBar(RadioDocument& document, QTableWidget* grid, QWidget* parent = nullptr);

    // Shows the bar with the find text selected for typing over.
    void openBar();
    // Hides the bar; every row shows again, without highlight.
    void closeBar();

    // The next (by 1) or the previous (by -1) match after the current row, round the end; false when none.
    bool findNext(int by);

    // The channels that match, in order; none while the bar is closed or the text is empty.
    QList<int> matches() const { return m_matches; }

    QLineEdit* findText() const { return m_text; }

    // Shows the matches of the document as it is now.
    void refresh();

signals:
    // The bar closed itself (Escape, its close button): the table takes the focus back.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setCaptions();
    void showMatches();
    bool filtering() const;

    RadioDocument& m_document;
    QTableWidget* const m_grid;
    QLabel* m_label;
    QLineEdit* m_text;
    QToolButton* m_previous;
    QToolButton* m_next;
    QCheckBox* m_onlyMatches;
    QLabel* m_count;
    QToolButton* m_close;
    QList<int> m_matches;
};
