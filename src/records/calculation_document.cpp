// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/calculation_document.h"

#include <vector>

#include "engine/tariffs.h"
#include "forms/number_text.h"

namespace tarvel::records {

using forms::Align;
using forms::DocumentCell;
using forms::DocumentRow;
using forms::fmt;
using forms::kMoney;
using forms::num;
using forms::RowStyle;

namespace {

constexpr int kColumns = 5;

std::string money(const std::string& caption) {
    return fmt(num(caption), kMoney);
}

DocumentCell amount(const std::string& text) {
    return {text, Align::Right};
}

// A row whose text spans every column but the last, which holds an amount.
DocumentRow labelledAmount(const std::string& label, const std::string& value, RowStyle style) {
    return {{{label, Align::Left, kColumns - 1}, amount(value)}, style};
}

std::string withoutColon(const std::string& caption) {
    return !caption.empty() && caption.back() == ':' ? caption.substr(0, caption.size() - 1)
                                                     : caption;
}

// The lines of a deviations text ("   Rekonstrukcija 50 %,\r\n..."), without their indents
// and closing commas.
std::vector<std::string> deviationItems(const std::string& text) {
    std::vector<std::string> items;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        while (!line.empty() && (line.back() == '\r' || line.back() == ',' || line.back() == ' '))
            line.pop_back();
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos)
            items.push_back(line.substr(first));
        from = end + 1;
    }
    return items;
}

void addSubject(forms::ClientDocument& d, const RecordInputs& in) {
    if (!in.txtNaziv.empty() && in.txtNaziv != kNoBuildingName)
        d.subject.push_back({"Građevina", in.txtNaziv});
    d.subject.push_back({"Usluga", in.lblProjekt});
    const std::string unit = in.lbl1 == "Obračunske jedinice" ? "" : " " + in.lblValutaFaza;
    d.subject.push_back({withoutColon(in.lbl1), in.txtInvest + unit});
    static const char* const kRoman[] = {"I", "II", "III", "IV", "V"};
    if (in.fraKatVisible && in.category >= 1 && in.category <= 5)
        d.subject.push_back({"Stupanj složenosti", kRoman[in.category - 1]});
}

// The discount, the addition and the deviations are in the fees already; the rows say so.
void addAdjustments(forms::ClientDocument& d, const RecordInputs& in) {
    if (num(in.txtPopust) != 0)
        d.rows.push_back(
            labelledAmount("Opći popust, uračunat u cijene", in.txtPopust + " %", RowStyle::Body));
    const std::vector<std::string> deviations = deviationItems(in.TekstOdstupanja);
    if (num(in.txtDodaj) != 0)
        d.rows.push_back(labelledAmount(deviations.empty()
                                            ? "Opći dodatak, uračunat u cijene"
                                            : "Dodatak za odstupanja, uračunat u cijene",
                                        in.txtDodaj + " %", RowStyle::Body));
    for (const std::string& item : deviations)
        d.rows.push_back({{{"Odstupanje: " + item, Align::Left, kColumns}}, RowStyle::Body});
}

void addTotals(forms::ClientDocument& d, const RecordInputs& in) {
    const double chosen = num(in.lblOdabir);
    const std::string& currency = in.lblValutaFaza;
    d.rows.push_back(labelledAmount("Porez " + forms::plainText(in.Stopa * 100) + " %",
                                    fmt(chosen * in.Stopa, kMoney), RowStyle::Body));
    d.rows.push_back(labelledAmount(
        "Sveukupno", fmt(chosen * (1 + in.Stopa), kMoney) + " " + currency, RowStyle::GrandTotal));
    if (!engine::isPlan(in.Usluga))
        d.notes.push_back("Cijena bez poreza iznosi " +
                          fmt(forms::divide(chosen * 100, num(in.txtInvest)), "0.00") +
                          " % proračunske vrijednosti.");
}

} // namespace

forms::ClientDocument calculationDocument(const RecordInputs& in,
                                          const std::array<PhaseBand, 8>& bands) {
    forms::ClientDocument d;
    d.title = kCalculationTitle;
    addSubject(d, in);
    const std::string currency = " (" + in.lblValutaFaza + ")";
    d.columns = {{"Faza projekta", 31, Align::Left},
                 {"Udio", 9, Align::Right},
                 {"Najniža" + currency, 20, Align::Right},
                 {"Najviša" + currency, 20, Align::Right},
                 {"Odabrana" + currency, 20, Align::Right}};
    if (in.lblSumamin == kNoRange) {
        d.rows.push_back({{{"Osnovna cijena"},
                           amount(""),
                           amount(""),
                           amount(money(in.lblCmax)),
                           amount(money(in.lblOdabir))}});
        d.rows.push_back(labelledAmount("Ukupno bez poreza", money(in.lblOdabir), RowStyle::Total));
    } else {
        for (size_t i = 0; i < in.phases.size(); ++i) {
            const RecordPhase& phase = in.phases[i];
            // A phase that is not on show or is left out of the commission has no row.
            if (!phase.lblCVisible || (num(bands[i].lblFcm) == 0 && num(phase.lblC) == 0))
                continue;
            d.rows.push_back({{{phase.lblP},
                               amount(phase.lblF + " %"),
                               amount(money(bands[i].lblFc)),
                               amount(money(bands[i].lblFcm)),
                               amount(money(phase.lblC))}});
        }
        d.rows.push_back({{{"Ukupno bez poreza", Align::Left, 2},
                           amount(money(in.lblSumamin)),
                           amount(money(in.lblSumamax)),
                           amount(money(in.lblOdabir))},
                          RowStyle::Total});
    }
    addAdjustments(d, in);
    addTotals(d, in);
    return d;
}

} // namespace tarvel::records
