// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_rendering.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <stdexcept>

#ifdef TARVEL_WITH_PRINTING
#include <QPrinter>
#endif

#include "ui/print_progress.h"
#include "ui/window_stacking.h"

namespace tarvel::ui {

#ifdef TARVEL_WITH_PRINTING
namespace {

constexpr double kCmPerInch = 2.54;

// The first installed of the fixed-pitch fonts with the Croatian letters.
QFont printFont() {
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* family :
         {"Courier New CE", "Courier New", "DejaVu Sans Mono", "Liberation Mono"}) {
        if (families.contains(QLatin1String(family))) {
            font = QFont(QLatin1String(family));
            break;
        }
    }
    if (!font.fixedPitch() && !families.contains(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    return font;
}

// The pages on the printer. The document is laid out twice: first only counted, so that the
// progress can say "page N of M", then drawn.
class PrinterSurface : public forms::PrintSurface {
public:
    PrinterSurface(QPrinter& printer, QPainter& painter, PrintProgress& progress)
        : printer_(printer), painter_(painter), progress_(progress) {
        painter_.setFont(QFont(printFont(), &printer_));
        dotsPerCm_ = printer_.resolution() / kCmPerInch;
        page_ = printer_.pageLayout().paintRectPixels(printer_.resolution());
    }
    void countAndDraw(const forms::PrintRender& render) {
        counting_ = true;
        render(*this);
        progress_.setPageCount(pageNumber_);
        counting_ = false;
        pageNumber_ = 1;
        progress_.startPage(1);
        render(*this);
    }
    double widthCm() const override { return page_.width() / dotsPerCm_; }
    double heightCm() const override { return page_.height() / dotsPerCm_; }
    double lineHeightCm() const override {
        return painter_.fontMetrics().lineSpacing() / dotsPerCm_;
    }
    void printText(double xCm, double yCm, const std::string& text) override {
        if (counting_)
            return;
        painter_.drawText(
            QPointF(xCm * dotsPerCm_, yCm * dotsPerCm_ + painter_.fontMetrics().ascent()),
            QString::fromStdString(text));
    }
    void newPage() override {
        if (!counting_ && !printer_.newPage())
            throw std::runtime_error("Pisač ne može započeti novu stranicu.");
        progress_.startPage(++pageNumber_);
    }

private:
    QPrinter& printer_;
    QPainter& painter_;
    PrintProgress& progress_;
    bool counting_ = false;
    int pageNumber_ = 1;
    double dotsPerCm_ = 1;
    QRect page_;
};

} // namespace

std::optional<std::string> renderOn(QPrinter& printer, const forms::PrintRender& render,
                                    bool* cancelled) {
    if (cancelled)
        *cancelled = false;
    QPainter painter;
    if (!painter.begin(&printer))
        return std::string("Pisač se ne može pokrenuti.");
    try {
        PrintProgress progress(ownerWindow());
        PrinterSurface surface(printer, painter, progress);
        surface.countAndDraw(render);
    } catch (const PrintCancelled&) {
        printer.abort();
        painter.end();
        if (cancelled)
            *cancelled = true;
        return std::nullopt;
    } catch (const std::exception& e) {
        printer.abort();
        painter.end();
        return std::string(e.what());
    }
    if (!painter.end())
        return std::string("Ispis nije dovršen.");
    return std::nullopt;
}

std::optional<std::string> savePdf(const QString& file, const std::string& title,
                                   const forms::PrintRender& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(title));
    printer.setCreator(QStringLiteral("Tarvel"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    bool cancelled = false;
    const std::optional<std::string> failure = renderOn(printer, render, &cancelled);
    // A PDF cannot be aborted: what was written of a cancelled one is no document.
    if (cancelled)
        QFile::remove(file);
    return failure;
}

#else

std::optional<std::string> renderOn(QPrinter&, const forms::PrintRender&, bool* cancelled) {
    if (cancelled)
        *cancelled = false;
    return std::string("Ispis nije ugrađen u program.");
}

std::optional<std::string> savePdf(const QString&, const std::string&, const forms::PrintRender&) {
    return std::string("Ispis nije ugrađen u program.");
}

#endif

} // namespace tarvel::ui
