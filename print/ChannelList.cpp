// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelList.h"

#include "NativeFile.h"
#include "RadioData.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>


using ImageSummary::Section;

namespace {

constexpr double kBodyPoints = 9;
constexpr double kHeadingPoints = 10.5;
constexpr double kTitlePoints = 10.5;
constexpr double kFooterPoints = 8.5;
constexpr double kCellPaddingPoints = 1.5;
constexpr double kRulePoints = 0.5;
constexpr double kSectionGapPoints = 12;
constexpr double kHeadingGapPoints = 3;
constexpr double kColumnGapPoints = 9;      // half the gap between two side-by-side sections
constexpr double kMarginMillimetres = 12;
constexpr int kFmGroups = 4;                // the 16 presets in four groups side by side
constexpr int kPairColumns = 2;             // label and value
constexpr double kLabelPercent = 62;        // of a label/value table's width
constexpr double kPointsPerInch = 72;
constexpr double kDefaultDpi = 96;

const QColor kHeaderShade(0xD4, 0xD4, 0xD4);
const QColor kStripeShade(0xEF, 0xEF, 0xEF);
const QColor kRuleColour(0xA0, 0xA0, 0xA0);

// Latin letters and digits from a Latin font, whose text every PDF reader can
// extract; Chinese from Noto Sans CJK in its simplified forms.
QFont listFont(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({ QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The lengths of text formats (borders, padding, margins) are pixels at the
// screen's logical resolution, which the layout scales to its device's; font
// sizes are points.
double formatPixelsPerPoint()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool screenDpi = screen && !QCoreApplication::testAttribute(Qt::AA_Use96Dpi);
    return (screenDpi ? screen->logicalDotsPerInchY() : kDefaultDpi) / kPointsPerInch;
}

// A grid header without the blanks that spread it across a wide window column
// ("收  音  频  道" becomes "收音频道"), so that it fits a printed column.
QString compactHeader(const QString& header)
{
    static const QRegularExpression blanksBetweenHan(QStringLiteral("(?<=\\p{Han})\\s+(?=\\p{Han})"));
    return QString(header).remove(blanksBetweenHan).simplified();
}

// Fills a document with the list's sections.
class DocumentBuilder
{
public:
    DocumentBuilder()
        : m_pixelsPerPoint(formatPixelsPerPoint())
    {
    }

    double px(double points) const { return points * m_pixelsPerPoint; }

    // A section's title. The space above it is the bottom margin of what
    // precedes it, since a block's top margin does not count after a table.
    void heading(QTextCursor& cursor, const QString& text) const
    {
        QTextBlockFormat block;
        block.setBottomMargin(px(kHeadingGapPoints));
        QTextCharFormat chars;
        chars.setFont(listFont(kHeadingPoints, true), QTextCharFormat::FontPropertiesSpecifiedOnly);
        cursor.setBlockFormat(block);
        cursor.insertText(text.trimmed(), chars);
    }

    void paragraph(QTextCursor& cursor, const QString& text) const
    {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(text);
    }

    // A table with a shaded header row that repeats on every page, and striped
    // rows instead of rules; the gap after it separates it from the next
    // section. The cursor ends after the table.
    void table(QTextCursor& cursor, const QStringList& headers, const QList<QStringList>& rows,
                      const QList<Qt::Alignment>& alignments, bool gapAfter) const
    {
        const int columns = int(alignments.size());
        const int headerRows = headers.isEmpty() ? 0 : 1;
        QTextTableFormat format;
        format.setCellPadding(px(kCellPaddingPoints));
        format.setCellSpacing(0);
        format.setBorder(0);
        format.setMargin(0);
        format.setBottomMargin(gapAfter ? px(kSectionGapPoints) : 0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(headerRows);
        if (columns == kPairColumns)
            format.setColumnWidthConstraints({ QTextLength(QTextLength::PercentageLength, kLabelPercent),
                                               QTextLength(QTextLength::PercentageLength, 100 - kLabelPercent) });
        QTextTable* table = cursor.insertTable(int(rows.size()) + headerRows, columns, format);
        for (int column = 0; column < headers.size(); ++column)
            fillCell(table, 0, column, compactHeader(headers[column]), alignments[column], kHeaderShade, true);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < columns && column < rows[row].size(); ++column)
                fillCell(table, headerRows + row, column, rows[row][column], alignments[column],
                         row % 2 ? kStripeShade : QColor(), false);
        cursor = afterFrame(table);
    }

    // Two sections side by side, each a heading over its own content, and the
    // gap to the next section. The cursor ends after them.
    template <class Left, class Right>
    void sideBySide(QTextCursor& cursor, Left fillLeft, Right fillRight) const
    {
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellPadding(0);
        format.setCellSpacing(0);
        format.setMargin(0);
        format.setBottomMargin(px(kSectionGapPoints));
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({ QTextLength(QTextLength::PercentageLength, 50),
                                           QTextLength(QTextLength::PercentageLength, 50) });
        QTextTable* layout = cursor.insertTable(1, 2, format);
        QTextTableCellFormat left;
        left.setRightPadding(px(kColumnGapPoints));
        layout->cellAt(0, 0).setFormat(left);
        QTextTableCellFormat right;
        right.setLeftPadding(px(kColumnGapPoints));
        layout->cellAt(0, 1).setFormat(right);
        QTextCursor inLeft = layout->cellAt(0, 0).firstCursorPosition();
        fillLeft(inLeft);
        QTextCursor inRight = layout->cellAt(0, 1).firstCursorPosition();
        fillRight(inRight);
        cursor = afterFrame(layout);
    }

private:
    static QTextCursor afterFrame(QTextFrame* frame)
    {
        QTextCursor cursor(frame->document());
        cursor.setPosition(frame->lastPosition() + 1);
        return cursor;
    }

    void fillCell(QTextTable* table, int row, int column, const QString& text, Qt::Alignment alignment,
                  const QColor& shade, bool bold) const
    {
        QTextTableCell cell = table->cellAt(row, column);
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        // Latin and Chinese lines differ in height; centred, their text lines up across a row.
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        if (shade.isValid())
            format.setBackground(shade);
        cell.setFormat(format);
        QTextCursor cursor = cell.firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment);
        cursor.setBlockFormat(block);
        QTextCharFormat chars;
        if (bold)
            chars.setFontWeight(QFont::Bold);
        cursor.insertText(text, chars);
    }

    double m_pixelsPerPoint;
};

// Where the parts of a page go: the title line, the body, and the page number,
// in the device's pixels.
struct PageAreas
{
    QRectF title;
    QRectF body;
    QRectF footer;
    double pixelsPerPoint;
};

PageAreas pageAreas(QPagedPaintDevice* device, const QFont& titleFont, const QFont& footerFont)
{
    PageAreas areas;
    areas.pixelsPerPoint = device->logicalDpiY() / kPointsPerInch;
    const QRectF page(0, 0, device->width(), device->height());
    const double gap = kSectionGapPoints * areas.pixelsPerPoint;
    areas.title = QRectF(page.left(), page.top(), page.width(), QFontMetricsF(titleFont, device).height());
    const double footerHeight = QFontMetricsF(footerFont, device).height();
    areas.footer = QRectF(page.left(), page.bottom() - footerHeight, page.width(), footerHeight);
    areas.body = QRectF(page.left(), areas.title.bottom() + gap, page.width(),
                        areas.footer.top() - gap - areas.title.bottom() - gap);
    return areas;
}

// A document laid out in the device's pixels, as wide as the page's body.
void prepare(QTextDocument* document, QPagedPaintDevice* device, double width)
{
    document->documentLayout()->setPaintDevice(device);
    document->setDefaultFont(listFont(kBodyPoints));
    document->setDocumentMargin(0);
    document->setTextWidth(width);
}

// Draws the part of a document from top, height high, with its top left at target.
void drawPart(QPainter* painter, QTextDocument* document, double top, double height, const QPointF& target)
{
    const QRectF part(0, top, document->textWidth(), height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = part;
    painter->save();
    painter->translate(target.x(), target.y() - top);
    painter->setClipRect(part);
    document->documentLayout()->draw(painter, context);
    painter->restore();
}

} // namespace

ChannelList::ChannelList(const RadioData& data, const QString& title, const QDateTime& printedAt)
    : m_title(title)
    , m_printedAt(printedAt)
    , m_channels(ImageSummary::channels(data))
    , m_frequencyMode(ImageSummary::frequencyMode(data))
    , m_range(ImageSummary::frequencyRange(data.image))
    , m_optionalFeatures(ImageSummary::optionalFeatures(data.image))
    , m_fmPresets(ImageSummary::fmPresets(data.image))
{
}

QString ChannelList::radioTitle()
{
    return tr("radio");
}

QPageSize::PageSizeId ChannelList::defaultPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout ChannelList::pageLayout(const QPageSize& paper)
{
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    return QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

QString ChannelList::documentName() const
{
    return tr("QV3N channel list: %1").arg(m_title);
}

void ChannelList::fillChannels(QTextDocument* document) const
{
    const DocumentBuilder builder;
    QTextCursor cursor(document);
    // One edit: the layout runs once, not after every cell.
    cursor.beginEditBlock();
    builder.heading(cursor, m_channels.title);
    if (m_channels.rows.isEmpty()) {
        builder.paragraph(cursor, tr("No channel is in use."));
        cursor.insertBlock();   // empty, as after a table
    } else {
        builder.table(cursor, m_channels.headers, m_channels.rows,
                      QList<Qt::Alignment>(m_channels.headers.size(), Qt::AlignHCenter), false);
    }
    cursor.endEditBlock();
}

void ChannelList::fillSettings(QTextDocument* document) const
{
    const DocumentBuilder builder;
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    const QList<Qt::Alignment> pairs{ Qt::AlignLeft, Qt::AlignLeft };
    builder.sideBySide(
        cursor,
        [&](QTextCursor& left) {
            builder.heading(left, m_frequencyMode.title);
            builder.table(left, {}, m_frequencyMode.rows, pairs, true);
            builder.heading(left, m_range.title);
            builder.paragraph(left, m_range.rows.value(0).value(0));
        },
        [&](QTextCursor& right) {
            builder.heading(right, m_optionalFeatures.title);
            builder.table(right, {}, m_optionalFeatures.rows, pairs, false);
        });

    builder.heading(cursor, m_fmPresets.title);
    const int perGroup = int(m_fmPresets.rows.size() + kFmGroups - 1) / kFmGroups;
    QStringList headers;
    QList<QStringList> rows(perGroup);
    for (int group = 0; group < kFmGroups; ++group) {
        headers << m_fmPresets.headers;
        for (int row = 0; row < perGroup; ++row)
            rows[row] << m_fmPresets.rows.value(group * perGroup + row, { QString(), QString() });
    }
    builder.table(cursor, headers, rows, QList<Qt::Alignment>(headers.size(), Qt::AlignHCenter), false);
    cursor.endEditBlock();
}

int ChannelList::paint(QPagedPaintDevice* device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    const QFont titleFont = listFont(kTitlePoints, true);
    const QFont footerFont = listFont(kFooterPoints);
    const PageAreas areas = pageAreas(device, titleFont, footerFont);
    const double pageHeight = areas.body.height();

    // The channel table runs over as many pages as it needs, repeating its
    // header; the other sections follow it whole, on a page of their own when
    // the table's last page has no room for them.
    QTextDocument channels;
    prepare(&channels, device, areas.body.width());
    channels.setPageSize(areas.body.size());
    fillChannels(&channels);
    QTextDocument settings;
    prepare(&settings, device, areas.body.width());
    fillSettings(&settings);

    // The channel document ends with an empty block after its content; the
    // block before it holds the last row (or the note that no channel is in
    // use). A table that ends with a page continues on no other.
    const double rowsEnd = channels.documentLayout()->blockBoundingRect(channels.lastBlock().previous()).bottom();
    const int lastChannelPage = int(rowsEnd / pageHeight);
    double settingsTop = rowsEnd - lastChannelPage * pageHeight + kSectionGapPoints * areas.pixelsPerPoint;
    const double settingsHeight = settings.documentLayout()->documentSize().height();
    int settingsPage = lastChannelPage;
    if (settingsTop + settingsHeight > pageHeight) {
        settingsPage = lastChannelPage + 1;
        settingsTop = 0;
    }

    const int pages = settingsPage + 1;
    const QString title = documentName();
    const QString printed = tr("Printed %1").arg(QLocale::c().toString(m_printedAt, QStringLiteral("yyyy-MM-dd HH:mm")));
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage())
            return 0;
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(areas.title, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(footerFont);
        painter.drawText(areas.title, Qt::AlignRight | Qt::AlignVCenter, printed);
        painter.drawText(areas.footer, Qt::AlignHCenter | Qt::AlignVCenter,
                         tr("Page %1 of %2").arg(page + 1).arg(pages));
        painter.setPen(QPen(kRuleColour, kRulePoints * areas.pixelsPerPoint));
        const double ruleY = (areas.title.bottom() + areas.body.top()) / 2;
        painter.drawLine(QPointF(areas.title.left(), ruleY), QPointF(areas.title.right(), ruleY));

        if (page <= lastChannelPage)
            drawPart(&painter, &channels, page * pageHeight, pageHeight, areas.body.topLeft());
        if (page == settingsPage)
            drawPart(&painter, &settings, 0, settingsHeight, areas.body.topLeft() + QPointF(0, settingsTop));
    }
    return pages;
}

bool ChannelList::writePdf(const QString& path, QPageSize::PageSizeId paper, QString* error) const
{
    // The pages are made in memory and the file replaced only once they are
    // complete; as with channel files, only a regular file or a new name is written.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayout(QPageSize(paper)));
        writer.setTitle(documentName());
        writer.setCreator(QStringLiteral("QV3N"));
        if (paint(&writer) == 0) {
            *error = tr("The pages could not be laid out.");
            return false;
        }
    }
    const NativeFile::WriteResult written = NativeFile::replace(path, pdf);
    if (!written.ok) {
        *error = written.reason;
        return false;
    }
    return true;
}
