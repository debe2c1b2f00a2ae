// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

// The module-level state shared by all windows: one instance, empty, 0 or False at start.
namespace tarvel::calculator {

struct SharedState {
    std::string Usluga;
    double Kurs = 0;
    double Stopa = 0;
    std::string Html;
    std::string Toolbar;
    std::string HtmlStranica;
    int PomocDatoteka = 0;
    bool Prekini = false;
    bool Iskljucena1 = false;
    bool Iskljucena2 = false;
    bool Iskljucena3 = false;
    bool Iskljucena4 = false;
    bool Iskljucena6 = false;
    bool Iskljucena7 = false;
    std::string NeispravanUpis;
    std::string NapomenaUkupno;
    std::string NapomenaOdabir;
    double PostotakOdstupanja = 0;
    std::string TekstOdstupanja;
    std::string Izracun;
    std::string DatotekaIzracuna;
    std::string OznakaDiscipline;
    std::string UdioUInvesticiji;
    double VrijednostGradjevine = 0;
    std::string Struka;
    bool IzPonude = false;
    bool PreuzmiVrijednost = false;
    std::string PonudaVrijednost;
    double ZadnjaSvota = 0;
    std::string NaslovIspisa;

    // Row i of the offer composer (0 .. 10); KorigiraniTrosak(0) is unused, the corrected
    // cost of row 0 being VrijednostGradjevine.
    static constexpr int kOfferRows = 11;
    std::array<double, kOfferRows> KorigiraniTrosak{};
    std::array<double, kOfferRows> CijenaStruke{};
    std::array<std::string, kOfferRows> TekstStruke{};
    std::string TijeloPonude;
    std::string ZadnjaPonuda;
    std::string DatotekaPonude;
    std::string UdioOstalo;
    std::string RucniTekst;
    // Set when the offer composer has handed a row over to the main window; the value box
    // takes that row over once, and later commands leave the user's work alone.
    bool offerRowHandedOver = false;

    // The remembered exclusion flag of a phase (1, 2, 3, 4, 6, 7), or nullptr for 5 and 8.
    bool* exclusion(int phase);
    void clearExclusions();

    // A variable as text, as the scenario files show it: strings as they are, flags
    // True/False, numbers in their shortest plain form with "." as decimal point; an array's
    // element as "CijenaStruke(3)".
    std::optional<std::string> text(const std::string& name) const;

    // Calls f(name, variable) for every variable: the one list of the state's names.
    template <typename F> void forEach(F&& f) const {
        f("Usluga", Usluga);
        f("Kurs", Kurs);
        f("Stopa", Stopa);
        f("Html", Html);
        f("Toolbar", Toolbar);
        f("HtmlStranica", HtmlStranica);
        f("PomocDatoteka", PomocDatoteka);
        f("Prekini", Prekini);
        f("Iskljucena1", Iskljucena1);
        f("Iskljucena2", Iskljucena2);
        f("Iskljucena3", Iskljucena3);
        f("Iskljucena4", Iskljucena4);
        f("Iskljucena6", Iskljucena6);
        f("Iskljucena7", Iskljucena7);
        f("NeispravanUpis", NeispravanUpis);
        f("NapomenaUkupno", NapomenaUkupno);
        f("NapomenaOdabir", NapomenaOdabir);
        f("PostotakOdstupanja", PostotakOdstupanja);
        f("TekstOdstupanja", TekstOdstupanja);
        f("Izracun", Izracun);
        f("DatotekaIzracuna", DatotekaIzracuna);
        f("OznakaDiscipline", OznakaDiscipline);
        f("UdioUInvesticiji", UdioUInvesticiji);
        f("VrijednostGradjevine", VrijednostGradjevine);
        f("Struka", Struka);
        f("IzPonude", IzPonude);
        f("PreuzmiVrijednost", PreuzmiVrijednost);
        f("PonudaVrijednost", PonudaVrijednost);
        f("ZadnjaSvota", ZadnjaSvota);
        f("NaslovIspisa", NaslovIspisa);
        f("KorigiraniTrosak", KorigiraniTrosak);
        f("CijenaStruke", CijenaStruke);
        f("TekstStruke", TekstStruke);
        f("TijeloPonude", TijeloPonude);
        f("ZadnjaPonuda", ZadnjaPonuda);
        f("DatotekaPonude", DatotekaPonude);
        f("UdioOstalo", UdioOstalo);
        f("RucniTekst", RucniTekst);
        f("offerRowHandedOver", offerRowHandedOver);
    }
};

} // namespace tarvel::calculator
