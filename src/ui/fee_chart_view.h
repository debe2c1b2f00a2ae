// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "comparison/fee_chart.h"
#include "ui/model_view.h"

namespace tarvel::ui {

// The chart of the comparison window: the fee against the value on logarithmic axes, drawn
// from the chart its window model works out (the band of one category, the tariff's limits,
// the value and the variant). It says in its accessible description what it shows.
class FeeChartView : public QWidget, public ModelView {
    Q_OBJECT

public:
    explicit FeeChartView(QWidget* parent = nullptr);

    void showModel(const forms::Form& form) override;
    // Shows a chart (also without a window model, for a test).
    void showChart(const comparison::FeeChart& chart);
    const comparison::FeeChart& chart() const { return chart_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    comparison::FeeChart chart_;
    int serial_ = -1;
};

} // namespace tarvel::ui
