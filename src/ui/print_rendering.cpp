// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_rendering.h"

#include <QFontDatabase>
#include <QPainter>
#include <stdexcept>

#ifdef TARVEL_WITH_PRINTING
#include <QPrinter>
#endif

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

class PrinterSurface : public forms::PrintSurface {
public:
    PrinterSurface(QPrinter& printer, QPainter& painter) : printer_(printer), painter_(painter) {
        painter_.setFont(QFont(printFont(), &printer_));
        dotsPerCm_ = printer_.resolution() / kCmPerInch;
        page_ = printer_.pageLayout().paintRectPixels(printer_.resolution());
    }
    double widthCm() const override { return page_.width() / dotsPerCm_; }
    double heightCm() const override { return page_.height() / dotsPerCm_; }
    double lineHeightCm() const override {
        return painter_.fontMetrics().lineSpacing() / dotsPerCm_;
    }
    void printText(double xCm, double yCm, const std::string& text) override {
        painter_.drawText(
            QPointF(xCm * dotsPerCm_, yCm * dotsPerCm_ + painter_.fontMetrics().ascent()),
            QString::fromStdString(text));
    }
    void newPage() override {
        if (!printer_.newPage())
            throw std::runtime_error("Pisač ne može započeti novu stranicu.");
    }

private:
    QPrinter& printer_;
    QPainter& painter_;
    double dotsPerCm_ = 1;
    QRect page_;
};

} // namespace

std::optional<std::string> renderOn(QPrinter& printer, const forms::PrintRender& render) {
    QPainter painter;
    if (!painter.begin(&printer))
        return std::string("Pisač se ne može pokrenuti.");
    try {
        PrinterSurface surface(printer, painter);
        render(surface);
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
    return renderOn(printer, render);
}

#else

std::optional<std::string> renderOn(QPrinter&, const forms::PrintRender&) {
    return std::string("Ispis nije ugrađen u program.");
}

std::optional<std::string> savePdf(const QString&, const std::string&, const forms::PrintRender&) {
    return std::string("Ispis nije ugrađen u program.");
}

#endif

} // namespace tarvel::ui
