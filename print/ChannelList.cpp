#include "ChannelList.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScreen>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>
#include <functional>

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
constexpr int kFmGroups = 4;
constexpr int kPairColumns = 2;             // label and value
constexpr double kLabelPercent = 62;                // the 16 presets in four groups side by side
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

    void paragraph(QTextCursor& cursor, const QString& text, bool gapAfter) const
    {
        QTextBlockFormat block;
        block.setBottomMargin(gapAfter ? px(kSectionGapPoints) : 0);
        cursor.insertBlock(block, QTextCharFormat());
        cursor.insertText(text);
    }

    // A table with a shaded header row that repeats on every page, and striped
    // rows instead of rules; the gap after it separates it from the next
    // section. The cursor ends after the table.
    QTextTable* table(QTextCursor& cursor, const QStringList& headers, const QList<QStringList>& rows,
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
        return table;
    }

    // Two sections side by side, each a heading over its own content, and the
    // gap to the next section. The cursor ends after them.
    template <class Left, class Right>
    QTextTable* sideBySide(QTextCursor& cursor, Left fillLeft, Right fillRight) const
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
        return layout;
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

// Moves a run of content that a page break would cut onto the next page, when
// it fits on one page. The run starts at a block (or at the top of a frame).
void keepTogether(QTextDocument* document, double top, double bottom, const std::function<void()>& breakBefore)
{
    const double pageHeight = document->pageSize().height();
    const bool cut = std::floor(top / pageHeight) != std::floor((bottom - 1) / pageHeight);
    if (cut && bottom - top < pageHeight)
        breakBefore();
}

} // namespace

ChannelList::ChannelList(const MemoryImage& image, int radioVersion, const QString& title, const QDateTime& printedAt)
    : m_title(title)
    , m_printedAt(printedAt)
    , m_channels(ImageSummary::channels(image, radioVersion))
    , m_frequencyMode(ImageSummary::frequencyMode(image, radioVersion))
    , m_range(ImageSummary::frequencyRange(image))
    , m_optionalFeatures(ImageSummary::optionalFeatures(image))
    , m_fmPresets(ImageSummary::fmPresets(image))
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

int ChannelList::paint(QPagedPaintDevice* device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    const double pixelsPerPoint = device->logicalDpiY() / kPointsPerInch;
    const QRectF area(0, 0, device->width(), device->height());

    const QFont titleFont = listFont(kTitlePoints, true);
    const QFont footerFont = listFont(kFooterPoints);
    const double titleHeight = QFontMetricsF(titleFont, device).height();
    const double footerHeight = QFontMetricsF(footerFont, device).height();
    const double bandGap = kSectionGapPoints * pixelsPerPoint;
    const QRectF titleBand(area.left(), area.top(), area.width(), titleHeight);
    const QRectF footerBand(area.left(), area.bottom() - footerHeight, area.width(), footerHeight);
    const QRectF body(area.left(), titleBand.bottom() + bandGap, area.width(),
                      footerBand.top() - bandGap - titleBand.bottom() - bandGap);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    document.setDefaultFont(listFont(kBodyPoints));
    document.setDocumentMargin(0);
    document.setPageSize(body.size());

    const DocumentBuilder builder;
    QTextCursor cursor(&document);
    // One edit: the layout runs once, not after every cell.
    cursor.beginEditBlock();
    builder.heading(cursor, m_channels.title);
    if (m_channels.rows.isEmpty()) {
        builder.paragraph(cursor, tr("No channel is in use."), true);
    } else {
        builder.table(cursor, m_channels.headers, m_channels.rows,
                      QList<Qt::Alignment>(m_channels.headers.size(), Qt::AlignHCenter), true);
    }

    const QList<Qt::Alignment> pairs{ Qt::AlignLeft, Qt::AlignLeft };
    QTextTable* settings = builder.sideBySide(
        cursor,
        [&](QTextCursor& left) {
            builder.heading(left, m_frequencyMode.title);
            builder.table(left, {}, m_frequencyMode.rows, pairs, true);
            builder.heading(left, m_range.title);
            builder.paragraph(left, m_range.rows.value(0).value(0), false);
        },
        [&](QTextCursor& right) {
            builder.heading(right, m_optionalFeatures.title);
            builder.table(right, {}, m_optionalFeatures.rows, pairs, false);
        });

    const QTextBlock fmTitle = cursor.block();
    builder.heading(cursor, m_fmPresets.title);
    const int perGroup = int(m_fmPresets.rows.size() + kFmGroups - 1) / kFmGroups;
    QStringList fmHeaders;
    QList<QStringList> fmRows(perGroup);
    for (int group = 0; group < kFmGroups; ++group) {
        fmHeaders << m_fmPresets.headers;
        for (int row = 0; row < perGroup; ++row)
            fmRows[row] << m_fmPresets.rows.value(group * perGroup + row, { QString(), QString() });
    }
    QTextTable* fm = builder.table(cursor, fmHeaders, fmRows, QList<Qt::Alignment>(fmHeaders.size(), Qt::AlignHCenter),
                                   false);

    cursor.endEditBlock();

    // Small sections are not cut in two by a page break.
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const QRectF settingsBox = layout->frameBoundingRect(settings);
    keepTogether(&document, settingsBox.top(), settingsBox.bottom(), [settings] {
        QTextTableFormat format = settings->format().toTableFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        settings->setFormat(format);
    });
    keepTogether(&document, layout->blockBoundingRect(fmTitle).top(), layout->frameBoundingRect(fm).bottom(),
                 [fmTitle] {
                     QTextCursor at(fmTitle);
                     QTextBlockFormat format = at.blockFormat();
                     format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                     at.setBlockFormat(format);
                 });

    const int pages = document.pageCount();
    const QString title = documentName();
    const QString printed = tr("Printed %1").arg(QLocale::c().toString(m_printedAt, QStringLiteral("yyyy-MM-dd HH:mm")));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage())
            return 0;
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(titleBand, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(footerFont);
        painter.drawText(titleBand, Qt::AlignRight | Qt::AlignVCenter, printed);
        painter.drawText(footerBand, Qt::AlignHCenter | Qt::AlignVCenter, tr("Page %1 of %2").arg(page + 1).arg(pages));
        painter.setPen(QPen(kRuleColour, kRulePoints * pixelsPerPoint));
        const double ruleY = titleBand.bottom() + bandGap / 2;
        painter.drawLine(QPointF(area.left(), ruleY), QPointF(area.right(), ruleY));

        painter.save();
        const QRectF pageOfDocument(0, page * body.height(), body.width(), body.height());
        painter.translate(body.left(), body.top() - pageOfDocument.top());
        painter.setClipRect(pageOfDocument);
        context.clip = pageOfDocument;
        layout->draw(&painter, context);
        painter.restore();
    }
    return pages;
}

bool ChannelList::writePdf(const QString& path, QPageSize::PageSizeId paper, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(pageLayout(QPageSize(paper)));
        writer.setTitle(documentName());
        writer.setCreator(QStringLiteral("QV3N"));
        if (paint(&writer) == 0) {
            file.cancelWriting();
            *error = tr("The pages could not be laid out.");
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
