#include "GridFormat.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

QList<Qt::Alignment> applyFormatString(QTableWidget* table, const QString& format)
{
    const QStringList pieces = format.split(u'|');
    QList<Qt::Alignment> alignments;
    QStringList labels;
    table->setColumnCount(int(pieces.size()));
    const QFontMetrics metrics(table->horizontalHeader()->font());
    const int padding = metrics.averageCharWidth() * 2;
    for (int col = 0; col < pieces.size(); ++col) {
        QString text = pieces[col];
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        if (text.startsWith(u'^'))
            alignment = Qt::AlignCenter;
        else if (text.startsWith(u'>'))
            alignment = Qt::AlignRight | Qt::AlignVCenter;
        if (text.startsWith(u'^') || text.startsWith(u'<') || text.startsWith(u'>'))
            text.remove(0, 1);
        alignments.append(alignment);
        labels.append(text.trimmed());
        table->setColumnWidth(col, metrics.horizontalAdvance(text) + padding);
    }
    table->setHorizontalHeaderLabels(labels);
    return alignments;
}
