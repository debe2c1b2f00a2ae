#include "calculator/shared_state.h"

#include <charconv>
#include <functional>
#include <map>

namespace tarvel::calculator {
namespace {

std::string numberText(double x) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

std::string flagText(bool b) {
    return b ? "True" : "False";
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
    using Reader = std::function<std::string(const SharedState&)>;
    static const std::map<std::string, Reader> readers = {
        {"Usluga",
         [](const SharedState& s) {
             return s.Usluga;
         }},
        {"Kurs",
         [](const SharedState& s) {
             return numberText(s.Kurs);
         }},
        {"Stopa",
         [](const SharedState& s) {
             return numberText(s.Stopa);
         }},
        {"Html",
         [](const SharedState& s) {
             return s.Html;
         }},
        {"Toolbar",
         [](const SharedState& s) {
             return s.Toolbar;
         }},
        {"HtmlStranica",
         [](const SharedState& s) {
             return s.HtmlStranica;
         }},
        {"PomocDatoteka",
         [](const SharedState& s) {
             return numberText(s.PomocDatoteka);
         }},
        {"Prekini",
         [](const SharedState& s) {
             return flagText(s.Prekini);
         }},
        {"Iskljucena1",
         [](const SharedState& s) {
             return flagText(s.Iskljucena1);
         }},
        {"Iskljucena2",
         [](const SharedState& s) {
             return flagText(s.Iskljucena2);
         }},
        {"Iskljucena3",
         [](const SharedState& s) {
             return flagText(s.Iskljucena3);
         }},
        {"Iskljucena4",
         [](const SharedState& s) {
             return flagText(s.Iskljucena4);
         }},
        {"Iskljucena6",
         [](const SharedState& s) {
             return flagText(s.Iskljucena6);
         }},
        {"Iskljucena7",
         [](const SharedState& s) {
             return flagText(s.Iskljucena7);
         }},
        {"NeispravanUpis",
         [](const SharedState& s) {
             return s.NeispravanUpis;
         }},
        {"NapomenaUkupno",
         [](const SharedState& s) {
             return s.NapomenaUkupno;
         }},
        {"NapomenaOdabir",
         [](const SharedState& s) {
             return s.NapomenaOdabir;
         }},
        {"PostotakOdstupanja",
         [](const SharedState& s) {
             return numberText(s.PostotakOdstupanja);
         }},
        {"TekstOdstupanja",
         [](const SharedState& s) {
             return s.TekstOdstupanja;
         }},
        {"Izracun",
         [](const SharedState& s) {
             return s.Izracun;
         }},
        {"DatotekaIzracuna",
         [](const SharedState& s) {
             return s.DatotekaIzracuna;
         }},
        {"OznakaDiscipline",
         [](const SharedState& s) {
             return s.OznakaDiscipline;
         }},
        {"UdioUInvesticiji",
         [](const SharedState& s) {
             return s.UdioUInvesticiji;
         }},
        {"VrijednostGradjevine",
         [](const SharedState& s) {
             return numberText(s.VrijednostGradjevine);
         }},
        {"Struka",
         [](const SharedState& s) {
             return s.Struka;
         }},
        {"IzPonude",
         [](const SharedState& s) {
             return flagText(s.IzPonude);
         }},
        {"PreuzmiVrijednost",
         [](const SharedState& s) {
             return flagText(s.PreuzmiVrijednost);
         }},
        {"PonudaVrijednost",
         [](const SharedState& s) {
             return s.PonudaVrijednost;
         }},
        {"ZadnjaSvota",
         [](const SharedState& s) {
             return numberText(s.ZadnjaSvota);
         }},
        {"NaslovIspisa",
         [](const SharedState& s) {
             return s.NaslovIspisa;
         }},
    };
    const auto it = readers.find(name);
    if (it == readers.end())
        return std::nullopt;
    return it->second(*this);
}

} // namespace tarvel::calculator
