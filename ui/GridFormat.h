// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets up a table's columns from a format string such as
// "^ Channel |^RX Frequency": one column per "|"-separated piece, its header
// the piece's text, its width wide enough for that text (blanks included).
// The leading "^" (centre), "<" (left) or ">" (right) is the column's alignment.

#include <QList>
#include <QString>

class QTableWidget;

QList<Qt::Alignment> applyFormatString(QTableWidget* table, const QString& format);

// Sets up a grid as the windows show one: columns from the format string, the
// given number of rows, a first column of row numbers (counting from
// firstNumber) in the header's colours that cannot be selected, single cells
// selected, and no built-in editing (the windows float their own editors).
// The cells are clones of the table's item prototype when it has one.
void setUpGrid(QTableWidget* table, const QString& format, int rows, int firstNumber);
