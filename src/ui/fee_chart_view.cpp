// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fee_chart_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "comparison/frm_usporedba.h"
#include "forms/number_text.h"
#include "ui/qt_text.h"

namespace tarvel::ui {

namespace {

using comparison::BandPoint;
using comparison::FeeChart;

const QColor kBand(42, 111, 176);
const QColor kTableLimit(90, 90, 90);
const QColor kCategoryLimit(200, 95, 20);
const QColor kValue(30, 130, 70);
const QColor kVariant(123, 79, 160);
const QColor kGrid(225, 228, 232);

// The marks of a logarithmic axis over `range`: the powers of ten in it, and twice and five
// times them when it spans few decades.
std::vector<double> axisMarks(const comparison::Range& range) {
    std::vector<double> marks;
    if (!(range.from > 0) || !(range.to > range.from))
        return marks;
    const bool fine = std::log10(range.to / range.from) < 3.5;
    const int first = static_cast<int>(std::floor(std::log10(range.from)));
    const int last = static_cast<int>(std::ceil(std::log10(range.to)));
    for (int decade = first; decade <= last; ++decade) {
        for (double step : {1.0, 2.0, 5.0}) {
            if (step != 1.0 && !fine)
                continue;
            const double mark = step * std::pow(10.0, decade);
            if (range.holds(mark))
                marks.push_back(mark);
        }
    }
    return marks;
}

QString numberText(double value) {
    return toQString(forms::fmt(value, value < 10 ? "#,0.0" : "#,0"));
}

// Where the chart's values and fees fall in the plot area.
class Scale {
public:
    Scale(const FeeChart& chart, const QRectF& plot)
        : plot_(plot), x0_(std::log(chart.values.from)), x1_(std::log(chart.values.to)),
          y0_(std::log(chart.fees.from)), y1_(std::log(chart.fees.to)) {}
    double x(double value) const {
        return plot_.left() + (std::log(value) - x0_) / (x1_ - x0_) * plot_.width();
    }
    double y(double fee) const {
        return plot_.bottom() - (std::log(fee) - y0_) / (y1_ - y0_) * plot_.height();
    }

private:
    QRectF plot_;
    double x0_, x1_, y0_, y1_;
};

// The stretches of the band where the category prices, each as its points.
std::vector<std::vector<const BandPoint*>> pricedRuns(const FeeChart& chart) {
    std::vector<std::vector<const BandPoint*>> runs;
    bool open = false;
    for (const BandPoint& point : chart.band) {
        if (!point.priced || !(point.min > 0) || !(point.value > 0)) {
            open = false;
            continue;
        }
        if (!open)
            runs.emplace_back();
        runs.back().push_back(&point);
        open = true;
    }
    return runs;
}

} // namespace

FeeChartView::FeeChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Grafikon cijene prema vrijednosti"));
}

QSize FeeChartView::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 96, fm.height() * 20};
}

QSize FeeChartView::minimumSizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 60, fm.height() * 15};
}

void FeeChartView::showModel(const forms::Form& form) {
    const auto* frm = dynamic_cast<const comparison::FrmUsporedba*>(&form);
    if (!frm || frm->chartSerial() == serial_)
        return;
    serial_ = frm->chartSerial();
    showChart(frm->chart());
}

void FeeChartView::showChart(const comparison::FeeChart& chart) {
    chart_ = chart;
    setAccessibleDescription(toQString(chart_.description));
    update();
}

void FeeChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (chart_.band.empty() || !(chart_.values.from > 0) || !(chart_.fees.from > 0))
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    const QFontMetricsF fm(font());
    const double line = fm.height();
    const double gap = fm.averageCharWidth();

    // The title and, below it, a line for each marked value with its fees.
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(ink);
    double top = gap / 2;
    p.drawText(QRectF(0, top, width(), line), Qt::AlignHCenter | Qt::AlignVCenter,
               toQString(chart_.title));
    top += line;
    p.setFont(font());
    for (const comparison::ValueMark& mark : chart_.marks) {
        const QColor colour = mark.variant ? kVariant : kValue;
        const double x = gap * 2;
        p.setPen(QPen(colour, 2, mark.variant ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(x, top + line / 2), QPointF(x + gap * 3, top + line / 2));
        p.setPen(ink);
        const QRectF room(x + gap * 4, top, width() - x - gap * 5, line);
        p.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(toQString(mark.label), Qt::ElideRight, room.width()));
        top += line;
    }
    top += line * 1.2; // room for the limits' labels above the plot

    // The plot area, with room for the fee marks on the left and the value marks below.
    const std::vector<double> feeMarks = axisMarks(chart_.fees);
    const std::vector<double> valueMarks = axisMarks(chart_.values);
    double labelWidth = 0;
    for (double fee : feeMarks)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(numberText(fee)));
    const double left = gap + line + labelWidth + gap;
    const double bottom = height() - (line * 2 + gap);
    const QRectF plot(left, top, width() - left - gap * 2, bottom - top);
    if (plot.width() < gap * 10 || plot.height() < line * 2)
        return;
    const Scale scale(chart_, plot);

    // The grid and the axes' marks.
    p.setPen(QPen(kGrid, 1));
    for (double fee : feeMarks)
        p.drawLine(QPointF(plot.left(), scale.y(fee)), QPointF(plot.right(), scale.y(fee)));
    for (double value : valueMarks)
        p.drawLine(QPointF(scale.x(value), plot.top()), QPointF(scale.x(value), plot.bottom()));
    p.setPen(ink);
    double freeAbove = 1e9; // fee labels that would overlap the last one drawn are left out
    for (double fee : feeMarks) {
        const double y = scale.y(fee);
        if (y > freeAbove)
            continue;
        p.drawText(QRectF(gap + line, y - line / 2, labelWidth, line),
                   Qt::AlignRight | Qt::AlignVCenter, numberText(fee));
        freeAbove = y - line;
    }
    double freeFrom = -1e9; // value labels that would overlap the last one drawn are left out
    for (double value : valueMarks) {
        const QString text = numberText(value);
        const double w = fm.horizontalAdvance(text);
        const double x = std::clamp(scale.x(value) - w / 2, 0.0, width() - w);
        if (x < freeFrom)
            continue;
        p.drawText(QRectF(x, plot.bottom() + gap / 2, w, line), Qt::AlignCenter, text);
        freeFrom = x + w + gap * 2;
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + line + gap / 2, plot.width(), line),
               Qt::AlignHCenter | Qt::AlignVCenter, toQString(chart_.valueAxis));
    p.save();
    p.translate(gap / 2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
               toQString(chart_.feeAxis));
    p.restore();

    // The band of the category, clipped to the plot.
    p.save();
    p.setClipRect(plot);
    for (const auto& run : pricedRuns(chart_)) {
        QPolygonF highest, lowest;
        for (const BandPoint* point : run) {
            highest << QPointF(scale.x(point->value), scale.y(point->max));
            lowest << QPointF(scale.x(point->value), scale.y(point->min));
        }
        if (chart_.hasMinimum) {
            QPolygonF area = highest;
            for (auto it = lowest.crbegin(); it != lowest.crend(); ++it)
                area << *it;
            QColor fill = kBand;
            fill.setAlpha(70);
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPolygon(area);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kBand, 1.5));
            p.drawPolyline(lowest);
        }
        p.setPen(QPen(kBand, chart_.hasMinimum ? 1.5 : 2.5));
        p.drawPolyline(highest);
    }
    p.restore();

    // The limits of the tariff and of its categories, each labelled at the top of the plot;
    // a label that would cover another moves down a line.
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.9);
    const QFontMetricsF smallMetrics(small);
    p.setFont(small);
    std::vector<QRectF> taken;
    for (const comparison::LimitLine& limit : chart_.limits) {
        const double x = scale.x(limit.value);
        if (x < plot.left() - 0.5 || x > plot.right() + 0.5)
            continue;
        const QColor colour = limit.ofTable ? kTableLimit : kCategoryLimit;
        p.setPen(QPen(colour, 1.5, limit.ofTable ? Qt::DashLine : Qt::DotLine));
        p.drawLine(QPointF(x, plot.top() - line * 0.2), QPointF(x, plot.bottom()));
        const QString text = toQString(limit.label);
        const double w = smallMetrics.horizontalAdvance(text) + 2;
        QRectF box(x < plot.center().x() ? x + 3 : x - 3 - w, plot.top() - line * 1.2, w,
                   smallMetrics.height());
        for (int tries = 0; tries < 4; ++tries) {
            const bool covers = std::any_of(taken.begin(), taken.end(),
                                            [&](const QRectF& r) { return r.intersects(box); });
            if (!covers)
                break;
            box.translate(0, smallMetrics.height());
        }
        taken.push_back(box);
        p.fillRect(box, palette().color(QPalette::Base));
        p.setPen(colour.darker(120));
        p.drawText(box, Qt::AlignCenter, text);
    }
    p.setFont(font());

    // The value and the variant: a line across the plot and their fees as dots.
    for (const comparison::ValueMark& mark : chart_.marks) {
        if (!(mark.value > 0))
            continue;
        const QColor colour = mark.variant ? kVariant : kValue;
        const double x = scale.x(mark.value);
        p.setPen(QPen(colour, 2, mark.variant ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (!mark.fees.priced)
            continue;
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(colour);
        const double r = std::max(3.5, gap * 0.55);
        for (double fee : {mark.fees.min, mark.fees.max})
            p.drawEllipse(QPointF(x, scale.y(fee)), r, r);
        p.setBrush(Qt::NoBrush);
    }

    p.setPen(QPen(ink, 1));
    p.drawRect(plot);
}

} // namespace tarvel::ui
