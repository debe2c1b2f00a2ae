// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/client_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace tarvel::ui {

namespace {

using forms::Align;
using forms::ClientDocument;
using forms::RowStyle;

constexpr double kPointsPerInch = 72;
constexpr double kMmPerInch = 25.4;
// The page: A4 with these margins in millimetres; the footer takes the bottom of the rest.
const QMarginsF kMarginsMm(20, 15, 20, 12);
constexpr double kFooterMm = 10;
constexpr double kBodyPt = 10;
constexpr double kSmallPt = 8.5;
const QColor kInk(0, 0, 0);
const QColor kAccent(31, 78, 121);
const QColor kGrey(90, 90, 90);
const QColor kHeadingFill(232, 238, 244);
const QColor kSectionFill(244, 244, 244);

// The family of every text: DejaVu Sans has all the Croatian letters; where the system does not
// know it yet, its file is loaded from where Debian installs it.
QString fontFamily() {
    static const QString family = [] {
        const QString dejaVu = QStringLiteral("DejaVu Sans");
        if (QFontDatabase::families().contains(dejaVu))
            return dejaVu;
        for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                 "/usr/share/fonts/TTF/DejaVuSans.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id >= 0) {
                const QStringList families = QFontDatabase::applicationFontFamilies(id);
                if (!families.isEmpty()) {
                    QFontDatabase::addApplicationFont(QString::fromLatin1(file).replace(
                        QStringLiteral(".ttf"), QStringLiteral("-Bold.ttf")));
                    return families.first();
                }
            }
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

Qt::Alignment alignment(Align a) {
    switch (a) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The factor by which the text layout of a document drawn on the device enlarges the lengths
// of its formats (margins, paddings, borders, images), which it takes as screen pixels.
double formatScale(QPagedPaintDevice& device) {
    QTextDocument probe;
    probe.documentLayout()->setPaintDevice(&device);
    probe.setDocumentMargin(0);
    QTextCursor c(&probe);
    c.insertText(QStringLiteral("x"));
    // The first block's own top margin counts for nothing: the second one's is measured.
    c.insertBlock();
    c.insertText(QStringLiteral("x"));
    const double without = probe.size().height();
    constexpr double kProbe = 1000;
    QTextBlockFormat block;
    block.setTopMargin(kProbe);
    c.setBlockFormat(block);
    const double scale = (probe.size().height() - without) / kProbe;
    return scale > 0 ? scale : 1;
}

// The page of a device in its own pixels: the area within the margins, less the footer.
struct PageGeometry {
    double dpi = 1200;
    double scale = 1; // see formatScale()
    QRectF paint;     // origin at the top left of the area within the margins
    double footer = 0;

    // Lengths on the device, for the painter and the width of the text.
    double mm(double millimetres) const { return millimetres / kMmPerInch * dpi; }
    double pt(double points) const { return points / kPointsPerInch * dpi; }
    // Lengths in a text format that come out as so many points on the device.
    double format(double points) const { return pt(points) / scale; }
    double body() const { return paint.height() - footer; }
};

PageGeometry geometry(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                                     QPageLayout::Millimeter));
    PageGeometry g;
    g.dpi = device.logicalDpiY();
    g.scale = formatScale(device);
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    g.paint = QRectF(0, 0, paint.width(), paint.height());
    g.footer = g.mm(kFooterMm);
    return g;
}

QTextCharFormat text(double points, bool bold = false, const QColor& colour = kInk) {
    QTextCharFormat f;
    f.setFontFamilies({fontFamily()});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setForeground(colour);
    return f;
}

// A text document laid out for the device: its fonts measured at the device's resolution.
std::unique_ptr<QTextDocument> newDocument(QPagedPaintDevice& device, const PageGeometry& g) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(&device);
    QFont font(fontFamily());
    font.setPointSizeF(kBodyPt);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    doc->setTextWidth(g.paint.width());
    return doc;
}

void paragraph(QTextCursor& c, const QString& s, const QTextCharFormat& f,
               Qt::Alignment align = Qt::AlignLeft, double spaceBefore = 0, bool first = false) {
    QTextBlockFormat b;
    b.setAlignment(align);
    b.setTopMargin(spaceBefore);
    if (first)
        c.setBlockFormat(b);
    else
        c.insertBlock(b);
    c.setCharFormat(f);
    c.insertText(s, f);
}

// The cell's text, one block per line.
void fillCell(QTextTableCell cell, const QString& s, Qt::Alignment align,
              const QTextCharFormat& f) {
    QTextCursor c = cell.firstCursorPosition();
    QTextBlockFormat b;
    b.setAlignment(align);
    const QStringList lines = s.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0)
            c.setBlockFormat(b);
        else
            c.insertBlock(b);
        c.insertText(lines[i], f);
    }
}

void styleCell(QTextTableCell cell, const QColor& fill, double topRule, double bottomRule) {
    QTextTableCellFormat f = cell.format().toTableCellFormat();
    if (fill.isValid())
        f.setBackground(fill);
    f.setTopBorder(topRule);
    f.setBottomBorder(bottomRule);
    f.setLeftBorder(0);
    f.setRightBorder(0);
    f.setTopBorderBrush(kAccent);
    f.setBottomBorderBrush(kAccent);
    f.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    cell.setFormat(f);
}

// The table with its headings and the rows [first, end).
void insertTable(QTextCursor& c, const ClientDocument& d, size_t first, size_t end,
                 const PageGeometry& g) {
    const int columns = static_cast<int>(d.columns.size());
    if (columns == 0)
        return;
    QTextTableFormat format;
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (const forms::DocumentColumn& column : d.columns)
        widths.append(QTextLength(QTextLength::PercentageLength, column.width));
    format.setColumnWidthConstraints(widths);
    format.setCellPadding(g.format(2));
    format.setCellSpacing(0);
    format.setBorder(g.format(0.8));
    format.setBorderCollapse(true);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setTopMargin(g.format(8));
    QTextTable* table = c.insertTable(static_cast<int>(end - first) + 1, columns, format);
    const double rule = g.format(0.8);
    for (int col = 0; col < columns; ++col) {
        const forms::DocumentColumn& column = d.columns[static_cast<size_t>(col)];
        styleCell(table->cellAt(0, col), kHeadingFill, 0, rule);
        fillCell(table->cellAt(0, col), qs(column.heading), alignment(column.align),
                 text(kBodyPt, true, kAccent));
    }
    for (size_t r = first; r < end; ++r) {
        const forms::DocumentRow& row = d.rows[r];
        const int at = static_cast<int>(r - first) + 1;
        const bool bold = row.style != RowStyle::Body;
        const QColor fill = row.style == RowStyle::Section      ? kSectionFill
                            : row.style == RowStyle::GrandTotal ? kHeadingFill
                                                                : QColor();
        const double top =
            row.style == RowStyle::Total || row.style == RowStyle::GrandTotal ? rule : 0;
        int col = 0;
        for (const forms::DocumentCell& cell : row.cells) {
            if (col >= columns)
                break;
            const int span = std::clamp(cell.span, 1, columns - col);
            if (span > 1)
                table->mergeCells(at, col, 1, span);
            col += span;
        }
        for (int k = 0; k < columns; ++k)
            styleCell(table->cellAt(at, k), fill, top, 0);
        col = 0;
        for (const forms::DocumentCell& cell : row.cells) {
            if (col >= columns)
                break;
            fillCell(table->cellAt(at, col), qs(cell.text), alignment(cell.align),
                     text(kBodyPt, bold, row.style == RowStyle::Section ? kAccent : kInk));
            col += std::clamp(cell.span, 1, columns - col);
        }
    }
    c.movePosition(QTextCursor::End);
}

void insertSubject(QTextCursor& c, const ClientDocument& d, const PageGeometry& g) {
    if (d.subject.empty())
        return;
    QTextTableFormat format;
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, forms::page_measure::kLabelWidth),
         QTextLength(QTextLength::PercentageLength, 100 - forms::page_measure::kLabelWidth)});
    format.setCellPadding(g.format(1.5));
    format.setCellSpacing(0);
    format.setBorder(0);
    format.setTopMargin(g.format(6));
    QTextTable* table = c.insertTable(static_cast<int>(d.subject.size()), 2, format);
    for (size_t i = 0; i < d.subject.size(); ++i) {
        const int row = static_cast<int>(i);
        fillCell(table->cellAt(row, 0), qs(d.subject[i].label) + QLatin1Char(':'), Qt::AlignLeft,
                 text(kBodyPt, false, kGrey));
        fillCell(table->cellAt(row, 1), qs(d.subject[i].value), Qt::AlignLeft, text(kBodyPt, true));
    }
    c.movePosition(QTextCursor::End);
}

// The office's details under its name: the numbers on one line, the addresses on the next.
QStringList contacts(const forms::Letterhead& o) {
    const QString separator = QStringLiteral("  ·  ");
    QStringList numbers;
    if (!o.oib.empty())
        numbers << QStringLiteral("OIB: ") + qs(o.oib);
    if (!o.telefon.empty())
        numbers << QStringLiteral("Tel.: ") + qs(o.telefon);
    QStringList addresses;
    if (!o.eposta.empty())
        addresses << QStringLiteral("E-pošta: ") + qs(o.eposta);
    if (!o.web.empty())
        addresses << qs(o.web);
    QStringList lines;
    for (const QStringList& line : {numbers, addresses}) {
        if (!line.isEmpty())
            lines << line.join(separator);
    }
    return lines;
}

// The letterhead: the logo beside the office's name, address and contacts.
std::unique_ptr<QTextDocument> letterhead(QPagedPaintDevice& device, const PageGeometry& g,
                                          const forms::Letterhead& o) {
    auto doc = newDocument(device, g);
    QTextCursor c(doc.get());
    c.beginEditBlock();
    const QImage logo = o.logo.empty() ? QImage() : QImage(qs(o.logo));
    QTextCursor textCursor = c;
    if (!logo.isNull()) {
        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setCellPadding(0);
        // At most 18 mm high and 45 mm wide, in a column a little wider.
        const double height = std::min(18.0, 45.0 * logo.height() / logo.width());
        const double width = height * logo.width() / logo.height();
        const double column = (g.mm(width + 5)) / g.paint.width() * 100;
        format.setColumnWidthConstraints(
            {QTextLength(QTextLength::PercentageLength, column),
             QTextLength(QTextLength::PercentageLength, 100 - column)});
        QTextTable* table = c.insertTable(1, 2, format);
        doc->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tarvel:logo")), logo);
        QTextImageFormat image;
        image.setName(QStringLiteral("tarvel:logo"));
        image.setWidth(g.format(width / kMmPerInch * kPointsPerInch));
        image.setHeight(g.format(height / kMmPerInch * kPointsPerInch));
        table->cellAt(0, 0).firstCursorPosition().insertImage(image);
        textCursor = table->cellAt(0, 1).firstCursorPosition();
    }
    paragraph(textCursor, qs(o.naziv), text(14, true, kAccent), Qt::AlignLeft, 0, true);
    if (!o.adresa.empty())
        paragraph(textCursor, qs(o.adresa), text(9, false, kGrey));
    for (const QString& line : contacts(o))
        paragraph(textCursor, line, text(9, false, kGrey));
    c.endEditBlock();
    return doc;
}

// The head of a further page: the office and the document's title.
std::unique_ptr<QTextDocument> runningHead(QPagedPaintDevice& device, const PageGeometry& g,
                                           const ClientDocument& d) {
    auto doc = newDocument(device, g);
    QTextCursor c(doc.get());
    QString head = qs(d.office.naziv);
    if (!head.isEmpty())
        head += QStringLiteral("  ·  ");
    paragraph(c, head + qs(d.title), text(kSmallPt, false, kGrey), Qt::AlignLeft, 0, true);
    return doc;
}

// What a page says below its head.
std::unique_ptr<QTextDocument> pageBody(QPagedPaintDevice& device, const PageGeometry& g,
                                        const ClientDocument& d, const forms::DocumentPage& page,
                                        bool first) {
    auto doc = newDocument(device, g);
    QTextCursor c(doc.get());
    // The document is laid out once, when it is complete.
    c.beginEditBlock();
    if (first) {
        paragraph(c, qs(d.placeAndDate), text(kBodyPt), Qt::AlignRight, 0, true);
        paragraph(c, qs(d.title).toUpper(), text(15, true, kAccent), Qt::AlignLeft, g.format(14));
        insertSubject(c, d, g);
    }
    if (page.endRow > page.firstRow || first)
        insertTable(c, d, page.firstRow, page.endRow, g);
    if (page.notes) {
        bool firstNote = !first && page.endRow == page.firstRow;
        for (const std::string& note : d.notes) {
            paragraph(c, qs(note), text(9), Qt::AlignLeft, g.format(firstNote ? 0 : 10), firstNote);
            firstNote = false;
        }
    }
    c.endEditBlock();
    return doc;
}

struct LaidOutPage {
    std::unique_ptr<QTextDocument> head;
    std::unique_ptr<QTextDocument> body;
    double headHeight = 0; // with the rule under it
};

std::vector<LaidOutPage> layOut(QPagedPaintDevice& device, const PageGeometry& g,
                                const ClientDocument& d) {
    const std::vector<forms::DocumentPage> pages = forms::paginate(d);
    std::vector<LaidOutPage> out;
    for (size_t p = 0; p < pages.size(); ++p) {
        LaidOutPage page;
        page.head = p == 0 ? letterhead(device, g, d.office) : runningHead(device, g, d);
        page.headHeight = page.head->size().height() + g.pt(p == 0 ? 10 : 6);
        page.body = pageBody(device, g, d, pages[p], p == 0);
        out.push_back(std::move(page));
    }
    return out;
}

void drawFooter(QPainter& painter, const PageGeometry& g, const ClientDocument& d, size_t page,
                size_t pages) {
    QFont font(fontFamily());
    font.setPointSizeF(kSmallPt);
    painter.setFont(QFont(font, painter.device()));
    painter.setPen(QPen(kAccent, g.pt(0.5)));
    const double top = g.paint.bottom() - g.footer + g.pt(8);
    painter.drawLine(QPointF(0, top), QPointF(g.paint.width(), top));
    painter.setPen(kGrey);
    const QRectF line(0, top + g.pt(3), g.paint.width(), g.footer - g.pt(11));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, qs(d.office.naziv));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Stranica %1 od %2").arg(page + 1).arg(pages));
}

void drawDocument(QPainter& painter, const PageGeometry& g, QTextDocument& doc, double top,
                  double room) {
    painter.save();
    painter.translate(0, top);
    // Pagination keeps every page within its room; text that would still overflow is set
    // smaller rather than cut off.
    const double height = doc.size().height();
    if (height > room && height > 0) {
        const double scale = room / height;
        painter.scale(scale, scale);
    }
    doc.drawContents(&painter, QRectF(0, 0, g.paint.width() * 2, std::max(height, room)));
    painter.restore();
}

} // namespace

std::optional<std::string> typesetDocument(QPagedPaintDevice& device,
                                           const ClientDocument& document) {
    const PageGeometry g = geometry(device);
    std::vector<LaidOutPage> pages = layOut(device, g, document);
    QPainter painter;
    if (!painter.begin(&device))
        return std::string("Pisač se ne može pokrenuti.");
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return std::string("Pisač ne može započeti novu stranicu.");
        }
        LaidOutPage& page = pages[p];
        drawDocument(painter, g, *page.head, 0, page.headHeight);
        painter.setPen(QPen(kAccent, g.pt(p == 0 ? 1.2 : 0.5)));
        const double rule = page.headHeight - g.pt(p == 0 ? 5 : 3);
        painter.drawLine(QPointF(0, rule), QPointF(g.paint.width(), rule));
        drawDocument(painter, g, *page.body, page.headHeight, g.body() - page.headHeight);
        drawFooter(painter, g, document, p, pages.size());
    }
    if (!painter.end())
        return std::string("Ispis nije dovršen.");
    return std::nullopt;
}

std::optional<std::string> saveDocumentPdf(const QString& file, const ClientDocument& document) {
    // The writer itself says only that it could not begin.
    if (QFile out(file); !out.open(QIODevice::WriteOnly))
        return "datoteka " + QDir::toNativeSeparators(file).toStdString() + " se ne može zapisati.";
    QPdfWriter writer(file);
    writer.setTitle(qs(document.title));
    writer.setCreator(QStringLiteral("Tarvel"));
    writer.setResolution(1200);
    return typesetDocument(writer, document);
}

std::vector<PageFit> measurePages(const ClientDocument& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    const PageGeometry g = geometry(writer);
    std::vector<PageFit> fits;
    for (const LaidOutPage& page : layOut(writer, g, document)) {
        const double toPoints = kPointsPerInch / g.dpi;
        fits.push_back(
            {(page.headHeight + page.body->size().height()) * toPoints, g.body() * toPoints});
    }
    return fits;
}

} // namespace tarvel::ui
