// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/shared_state.h"

#include <charconv>
#include <map>

namespace tarvel::calculator {
namespace {

std::string numberText(double x) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

} // namespace

bool* SharedState::exclusion(int phase) {
    switch (phase) {
    case 1:
        return &Iskljucena1;
    case 2:
        return &Iskljucena2;
    case 3:
        return &Iskljucena3;
    case 4:
        return &Iskljucena4;
    case 6:
        return &Iskljucena6;
    case 7:
        return &Iskljucena7;
    default:
        return nullptr;
    }
}

void SharedState::clearExclusions() {
    for (int phase = 1; phase <= 8; ++phase) {
        if (bool* flag = exclusion(phase))
            *flag = false;
    }
}

std::optional<std::string> SharedState::text(const std::string& name) const {
    using S = SharedState;
    static const std::map<std::string, std::string S::*> texts = {
        {"Usluga", &S::Usluga},
        {"Html", &S::Html},
        {"Toolbar", &S::Toolbar},
        {"HtmlStranica", &S::HtmlStranica},
        {"NeispravanUpis", &S::NeispravanUpis},
        {"NapomenaUkupno", &S::NapomenaUkupno},
        {"NapomenaOdabir", &S::NapomenaOdabir},
        {"TekstOdstupanja", &S::TekstOdstupanja},
        {"Izracun", &S::Izracun},
        {"DatotekaIzracuna", &S::DatotekaIzracuna},
        {"OznakaDiscipline", &S::OznakaDiscipline},
        {"UdioUInvesticiji", &S::UdioUInvesticiji},
        {"Struka", &S::Struka},
        {"PonudaVrijednost", &S::PonudaVrijednost},
        {"NaslovIspisa", &S::NaslovIspisa},
    };
    static const std::map<std::string, bool S::*> flags = {
        {"Prekini", &S::Prekini},
        {"Iskljucena1", &S::Iskljucena1},
        {"Iskljucena2", &S::Iskljucena2},
        {"Iskljucena3", &S::Iskljucena3},
        {"Iskljucena4", &S::Iskljucena4},
        {"Iskljucena6", &S::Iskljucena6},
        {"Iskljucena7", &S::Iskljucena7},
        {"IzPonude", &S::IzPonude},
        {"PreuzmiVrijednost", &S::PreuzmiVrijednost},
    };
    static const std::map<std::string, double S::*> numbers = {
        {"Kurs", &S::Kurs},
        {"Stopa", &S::Stopa},
        {"PostotakOdstupanja", &S::PostotakOdstupanja},
        {"VrijednostGradjevine", &S::VrijednostGradjevine},
        {"ZadnjaSvota", &S::ZadnjaSvota},
    };
    if (const auto it = texts.find(name); it != texts.end())
        return this->*(it->second);
    if (const auto it = flags.find(name); it != flags.end())
        return std::string(this->*(it->second) ? "True" : "False");
    if (const auto it = numbers.find(name); it != numbers.end())
        return numberText(this->*(it->second));
    if (name == "PomocDatoteka")
        return numberText(PomocDatoteka);
    // ---- The offer's rows, body and file (begin) ----
    static const std::map<std::string, std::string S::*> offerTexts = {
        {"TijeloPonude", &S::TijeloPonude},
        {"ZadnjaPonuda", &S::ZadnjaPonuda},
        {"DatotekaPonude", &S::DatotekaPonude},
        {"UdioOstalo", &S::UdioOstalo},
        {"RucniTekst", &S::RucniTekst}};
    if (const auto it = offerTexts.find(name); it != offerTexts.end())
        return this->*(it->second);
    // An element of an offer array: "CijenaStruke(3)".
    const size_t open = name.find('(');
    if (open != std::string::npos && name.back() == ')') {
        const std::string array = name.substr(0, open);
        const std::string digits = name.substr(open + 1, name.size() - open - 2);
        int i = -1;
        const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), i);
        if (r.ec != std::errc() || r.ptr != digits.data() + digits.size() || i < 0 ||
            i >= kOfferRows)
            return std::nullopt;
        const auto row = static_cast<size_t>(i);
        if (array == "KorigiraniTrosak")
            return numberText(KorigiraniTrosak[row]);
        if (array == "CijenaStruke")
            return numberText(CijenaStruke[row]);
        if (array == "TekstStruke")
            return TekstStruke[row];
    }
    // ---- The offer's rows, body and file (end) ----
    return std::nullopt;
}

} // namespace tarvel::calculator
