// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridFormat.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QTableWidget>

namespace {

// Widens the columns in proportion to their format widths whenever the table
// is wider than they are, so the grid fills its window without a blank strip.
class ProportionalColumns : public QObject
{
public:
    ProportionalColumns(QTableWidget* table, QList<int> baseWidths)
        : QObject(table)
        , m_table(table)
        , m_baseWidths(std::move(baseWidths))
    {
        table->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    void fit()
    {
        int total = 0;
        for (int w : m_baseWidths)
            total += w;
        const int available = m_table->viewport()->width();
        const double scale = available > total ? double(available) / total : 1.0;
        int used = 0;
        for (int col = 0; col < m_baseWidths.size(); ++col) {
            const bool last = col == m_baseWidths.size() - 1;
            const int width = last && scale > 1.0 ? available - used : int(m_baseWidths[col] * scale);
            m_table->setColumnWidth(col, width);
            used += width;
        }
    }

    QTableWidget* m_table;
    QList<int> m_baseWidths;
};

// QHeaderView measures its sections in bold, which loads a bold CJK face (megabytes
// of font) just to size headers that are drawn in the regular weight.
class RegularWeightHeader : public QHeaderView
{
public:
    explicit RegularWeightHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setHighlightSections(false);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

} // namespace

QList<Qt::Alignment> applyFormatString(QTableWidget* table, const QString& format)
{
    const QStringList pieces = format.split(u'|');
    QList<Qt::Alignment> alignments;
    QStringList labels;
    QList<int> widths;
    table->setHorizontalHeader(new RegularWeightHeader(table));
    table->setColumnCount(int(pieces.size()));
    const QFontMetrics metrics(table->horizontalHeader()->font());
    const int padding = metrics.averageCharWidth() * 2;
    for (QString text : pieces) {
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        if (text.startsWith(u'^'))
            alignment = Qt::AlignCenter;
        else if (text.startsWith(u'>'))
            alignment = Qt::AlignRight | Qt::AlignVCenter;
        if (text.startsWith(u'^') || text.startsWith(u'<') || text.startsWith(u'>'))
            text.remove(0, 1);
        alignments.append(alignment);
        labels.append(text.trimmed());
        widths.append(metrics.horizontalAdvance(text) + padding);
        table->setColumnWidth(int(widths.size()) - 1, widths.last());
    }
    table->setHorizontalHeaderLabels(labels);
    table->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    table->horizontalHeader()->setMinimumSectionSize(8);
    new ProportionalColumns(table, widths);
    return alignments;
}

void setUpGrid(QTableWidget* table, const QString& format, int rows, int firstNumber)
{
    table->setRowCount(rows);
    const QList<Qt::Alignment> alignments = applyFormatString(table, format);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionsClickable(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    const QBrush fixedBackground = table->palette().button();
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < table->columnCount(); ++col) {
            QTableWidgetItem* cell = table->itemPrototype() ? table->itemPrototype()->clone() : new QTableWidgetItem;
            cell->setTextAlignment(alignments.value(col, Qt::AlignCenter));
            if (col == 0) {
                cell->setText(QString::number(firstNumber + row));
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(fixedBackground);
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            table->setItem(row, col, cell);
        }
    }
}
