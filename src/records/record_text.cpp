// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_text.h"

#include "records/text_columns.h"

#include "forms/number_text.h"

#include <string_view>
#include <vector>

namespace tarvel::records {
namespace {

using forms::divide;
using forms::fmt;
using forms::num;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kIndent = "   ";
constexpr std::string_view kTotalsIndent = "          ";

bool isSpatialPlan(const std::string& usluga) {
    for (const char* code : {"APg", "APpo", "APo", "APup1", "APup2", "APup5", "APdup"}) {
        if (usluga == code)
            return true;
    }
    return false;
}

// Share of the budget value in per cent.
double percentOfValue(const std::string& amount, const RecordInputs& in) {
    return divide(num(amount) * 100, num(in.txtInvest));
}

std::string categoryText(const RecordInputs& in) {
    static const char* const kRoman[] = {"I", "II", "III", "IV", "V"};
    if (!in.fraKatVisible || in.category < 1 || in.category > 5)
        return {};
    return "," + std::string(kCrLf) + std::string(kIndent) +
           "Stupanj složenosti: " + kRoman[in.category - 1];
}

std::string valueLine(const RecordInputs& in) {
    const std::string unit = in.lbl1 == "Obračunske jedinice" ? "" : in.lblValutaFaza;
    return std::string(kIndent) + in.lbl1 + " " + in.txtInvest + " " + unit;
}

// Tax rate in per cent as a plain number: 22, 8,5.
std::string rateText(double stopa) {
    return forms::plainText(stopa * 100);
}

std::string totalLine(const RecordInputs& in) {
    return std::string(kTotalsIndent) + "Ukupno: " + in.lblValutaFaza + sp(53 - len(in.lblOdabir)) +
           in.lblOdabir;
}

std::string grandTotalLine(const RecordInputs& in) {
    const std::string g = fmt(num(in.lblOdabir) * (1 + in.Stopa), "#,0.00");
    return std::string(kTotalsIndent) + "S V E U K U P N O: " + in.lblValutaFaza + sp(42 - len(g)) +
           g;
}

std::string taxAmount(const RecordInputs& in) {
    return fmt(num(in.lblOdabir) * in.Stopa, "#,0.00");
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += kCrLf;
        out += lines[i];
    }
    return out;
}

std::string basicPriceRecord(const RecordInputs& in) {
    const std::string& cur = in.lblValutaFaza;
    const std::string t = taxAmount(in);
    return joinLines({
        "",
        std::string(kIndent) + in.txtNaziv,
        std::string(kIndent) + in.lblProjekt,
        valueLine(in),
        std::string(kIndent) + "Osnovna cijena: " + in.lblCmax + " " + cur,
        std::string(kIndent) + "ili " + fmt(percentOfValue(in.lblCmax, in), "#,0.00") +
            " % od proračunske vrijednosti.",
        std::string(kIndent) + adjustmentsText(in),
        "",
        totalLine(in),
        std::string(kTotalsIndent) + "Porez: " + rateText(in.Stopa) + " %: " + cur +
            sp(48 - len(t)) + t,
        grandTotalLine(in),
        "",
        std::string(kIndent) + "što je " + fmt(percentOfValue(in.lblOdabir, in), "0.00") +
            " % od proračunske vrijednosti. (bez poreza)",
    });
}

std::string normalRecord(const RecordInputs& in) {
    const std::string& cur = in.lblValutaFaza;
    const bool plan = isSpatialPlan(in.Usluga);
    std::vector<std::string> lines = {
        "",
        std::string(kIndent) + in.txtNaziv,
        std::string(kIndent) + in.lblProjekt + in.OznakaDiscipline,
        valueLine(in) + categoryText(in),
        std::string(kIndent) + "Najniža cijena " + in.lblCmin + " " + cur + "; " +
            "Najviša cijena " + in.lblCmax + " " + cur,
    };
    if (!plan) {
        lines.push_back(
            std::string(kIndent) + "ili " + fmt(percentOfValue(in.lblCmin, in), "#,0.00") + " do " +
            fmt(percentOfValue(in.lblCmax, in), "#,0.00") + " % od proračunske vrijednosti.");
    }
    const std::string deviations =
        in.TekstOdstupanja.empty() ? "" : "Odstupanja:" + in.TekstOdstupanja;
    lines.push_back(std::string(kIndent) + deviations + adjustmentsText(in) + in.NapomenaOdabir);
    lines.push_back("");

    for (const RecordPhase& phase : in.phases) {
        if (!phase.lblCVisible || num(phase.lblC) == 0)
            continue;
        lines.push_back(phase.lblP + " " + phase.lblF + " %" +
                        sp(70 - len(phase.lblP) - len(phase.lblF) - len(phase.lblC)) + phase.lblC);
    }

    const std::string t = taxAmount(in);
    const long taxWidth = in.Stopa < 0.1 ? 50 : 49;
    lines.push_back("");
    lines.push_back(totalLine(in));
    lines.push_back(std::string(kTotalsIndent) + "Porez " + rateText(in.Stopa) + " %: " + cur +
                    sp(taxWidth - len(t)) + t);
    lines.push_back(grandTotalLine(in));
    if (!plan) {
        lines.push_back("");
        lines.push_back(std::string(kIndent) + "što je " +
                        fmt(percentOfValue(in.lblOdabir, in), "0.00") +
                        " % od proračunske vrijednosti (bez poreza)");
        if (!in.UdioUInvesticiji.empty())
            lines.push_back(std::string(kIndent) + "ili " + in.UdioUInvesticiji + " %" +
                            " od investicije");
    }
    return joinLines(lines);
}

} // namespace

// Each step replaces what the one before wrote, so the order of the steps decides the text.
std::string adjustmentsText(const RecordInputs& in) {
    const double p = num(in.txtPopust);
    const double a = num(in.txtDodaj);
    const std::string& pt = in.txtPopust;
    const std::string& at = in.txtDodaj;
    const std::string& tot = in.NapomenaUkupno;
    const bool noDeviations = in.TekstOdstupanja.empty();
    const bool innerChoice = in.lblOdabir != in.lblSumamin && in.lblOdabir != in.lblSumamax;
    const std::string breakIndent = std::string(kCrLf) + std::string(kIndent);

    std::string s;
    if (p == 0) {
        if (a != 0 && noDeviations)
            s = innerChoice ? tot + breakIndent + "Složenost faze, dodano " + at + " %"
                            : "Opći dodatak " + at + " %";
        else if (a != 0)
            s = std::string(kIndent) + "Opći dodatak " + at + " %" + breakIndent;
    } else {
        s = "Opći popust " + pt + " %";
        if (innerChoice && noDeviations)
            s = tot + breakIndent + "Nepotpuna faza, odbijeno " + pt + " %";
        if (a != 0)
            s = std::string(kIndent) + "Opći dodatak " + at + " %, " + s + breakIndent;
    }
    if (!in.NapomenaOdabir.empty() && noDeviations) {
        if (p != 0)
            s = !tot.empty() ? tot + breakIndent + "Nepotpuna faza, odbijeno " + pt + " %"
                             : "Opći popust " + pt + " %";
        if (a != 0)
            s = !tot.empty() ? tot + breakIndent + "Složenost faze, dodano " + at + " %"
                             : "Opći dodatak " + at + " %";
    }
    return s;
}

std::string PripremiIzracun(const RecordInputs& in) {
    return in.lblSumamin == kNoRange ? basicPriceRecord(in) : normalRecord(in);
}

} // namespace tarvel::records
