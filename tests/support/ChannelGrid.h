// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Channel records as lists of their 16 cells, and clicks on the cells of a grid.

#include "support/DocumentPoke.h"

#include <QTableWidget>
#include <QTest>

using Record = QList<int>;

const Record kUnused(16, 0xFF);

inline void setRecord(RadioDocument& document, int channel, const Record& cells)
{
    DocumentPoke edit(document);
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        edit->setCell(channel, c, quint8(cells[c]));
}

inline Record record(const RadioDocument& document, int channel)
{
    Record cells;
    for (int c = 0; c < MemoryImage::kCellsPerBlock; ++c)
        cells << document.image().cell(channel, c);
    return cells;
}

// Clicks the cell of a row (counted from 1); false when it is out of view.
inline bool clickCell(QTableWidget* grid, int row, int column, Qt::KeyboardModifiers modifiers = {})
{
    const QRect rect = grid->visualItemRect(grid->item(row - 1, column));
    if (!grid->viewport()->rect().contains(rect))
        return false;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, rect.center());
    return true;
}
