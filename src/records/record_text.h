// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The calculation record: the plain-text account of what the main window shows, as it is
// appended to Cijena.txt and kept as a discipline's section of the offer.
namespace tarvel::records {

// One phase row of the main window.
struct RecordPhase {
    std::string lblP;         // name, "1. Provjera zadatka"
    std::string lblF;         // share in per cent, "2"
    std::string lblC;         // chosen fee, "1.405,11"
    bool lblCVisible = false; // a hidden fee label gives no line
};

// Everything the record reads, as the main window displays it: captions and texts are taken
// as they stand, already formatted.
struct RecordInputs {
    std::string txtNaziv;
    std::string lblProjekt;
    std::string lbl1;
    std::string txtInvest;
    std::string lblValutaFaza;
    bool fraKatVisible = false;
    int category = 0; // the selected one of optK1 .. optK5, 0 when none is selected
    std::string lblSumamin;
    std::string lblSumamax;
    std::string lblCmin;
    std::string lblCmax;
    std::string lblOdabir;
    std::array<RecordPhase, 8> phases{}; // phases 1 .. 8
    std::string txtPopust;
    std::string txtDodaj;
    std::string Usluga;
    double Stopa = 0;
    std::string TekstOdstupanja;
    std::string NapomenaUkupno;
    std::string NapomenaOdabir;
    std::string OznakaDiscipline;
    std::string UdioUInvesticiji;
};

// The caption lblSumamin shows when the service has only a basic price.
inline constexpr const char* kNoRange = "ne postoji  ";

// The record text (`Izracun`): lines joined by CR LF, beginning with CR LF (every record opens
// with an empty line) and without a line break at the end. Throws forms::ConversionError for a
// caption that is not a number and forms::ArithmeticError for a value of 0, as every handler
// that reads the window's numbers does.
std::string PripremiIzracun(const RecordInputs& in);

// The discount and addition remark of a record (the text after "Odstupanja:" on its line).
std::string adjustmentsText(const RecordInputs& in);

} // namespace tarvel::records
