// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "comparison/comparison_table.h"
#include "comparison/fee_chart.h"
#include "comparison/pricing.h"
#include "forms/form.h"

namespace tarvel::calculator {
class Calculator;
class FrmGl;
} // namespace tarvel::calculator

namespace tarvel::comparison {

// The comparison window: every category of the current service side by side at the main
// window's value and at a variant value, the fees of the ticked phases, and the chart of fee
// against value of the category whose row has the focus. Choosing a row sets that category
// in the main window. A new instance serves each opening.
class FrmUsporedba : public forms::Form {
public:
    explicit FrmUsporedba(calculator::Calculator& calculator);

    void Form_Load() override;

    // Fills the window for a service at the value of the main window's value box.
    void Setup(const ServiceInputs& inputs, double value);

    // The chart of the category in focus; the serial grows with every change of it.
    const FeeChart& chart() const { return chart_; }
    int chartSerial() const { return chartSerial_; }
    // The comparison as tab-separated text.
    std::string tableText() const;
    // "Kopiraj" asks for the table to go to the clipboard; the window that shows this model
    // puts it there (the clipboard is the desktop's). The serial grows with every request.
    struct CopyRequest {
        int serial = 0;
        std::string text;
    };
    const CopyRequest& copyRequest() const { return copy_; }
    // The row (0..4) the chart shows.
    int chartRow() const { return chartRow_; }

    // Handlers, named after their control and event.
    void cmdKat_Click(int row);
    void cmdKat_GotFocus(int row);
    void txtVarijanta_Change();
    void cmdKopiraj_Click();
    void cmdIspis_Click();
    void cmdZatvori_Click();
    void Form_KeyDown(int& keyCode, int shift);

    forms::Control *lblProjekt, *lblVar, *txtVarijanta, *lblVarValuta;
    forms::Control *lblHKat, *lblHVrijednost, *lblHVarijanta, *lblHRazlika, *lblHNap;
    std::array<forms::Control*, kCategories> cmdKat{}, lblKmin{}, lblKmax{}, lblVmin{}, lblVmax{},
        lblRmin{}, lblRmax{}, lblNap{};
    forms::Control *fraFaze, *lblFazeNaziv;
    std::array<forms::Control*, kCategories> lblFazeKat{}, lblFaze{};
    forms::Control *picGraf, *lblUvjeti, *lblNapomena, *lblPoruka;
    forms::Control *cmdKopiraj, *cmdIspis, *cmdZatvori;

private:
    void createControls();
    void wireHandlers();
    // Sets the row's category in the main window (a plan or supervision: computes it there)
    // and closes the window.
    void ChooseRow(int row);
    // Rewrites the variant as the value box's Enter key rewrites a value.
    void ReformatVariant();
    void ShowTable();
    void ShowChart();

    calculator::Calculator& calc_;
    std::optional<Pricing> pricing_;
    double value_ = 0;
    std::optional<double> variant_;
    ComparisonTable table_;
    FeeChart chart_;
    int chartSerial_ = 0;
    int chartRow_ = 0;
    CopyRequest copy_;
};

// What the comparison takes from the main window. Throws forms::ConversionError when a
// number it needs cannot be read; nothing when no service is chosen.
std::optional<ServiceInputs> readMainWindow(const calculator::FrmGl& gl);

// The main window's command "Usporedba": the comparison at the main window's value, modal.
void showComparison(calculator::Calculator& calc);

} // namespace tarvel::comparison
