#pragma once

// Sets up a table's columns from a format string such as
// "^ Channel |^RX Frequency": one column per "|"-separated piece, its header
// the piece's text, its width wide enough for that text (blanks included).
// The leading "^" (centre), "<" (left) or ">" (right) is the column's alignment.

#include <QList>
#include <QString>

class QTableWidget;

QList<Qt::Alignment> applyFormatString(QTableWidget* table, const QString& format);
