// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_text.h"

namespace tarvel::records::test {

// An interior design of 1.500.000,00 kn, category III, all maximums of phases 1 to 5 taken.
inline RecordInputs interiorDesign() {
    RecordInputs in;
    in.txtNaziv = "Obiteljska kuća Horvat";
    in.lblProjekt = "PROJEKT UNUTARNJEG UREĐENJA PROSTORA";
    in.lbl1 = "Proračunska vrijednost";
    in.txtInvest = "1.500.000,00";
    in.lblValutaFaza = "kn";
    in.fraKatVisible = true;
    in.category = 3;
    in.lblCmin = "64.795,22";
    in.lblCmax = "70.255,46";
    in.lblSumamin = "38.877,13";
    in.lblSumamax = "42.153,28";
    in.lblOdabir = "42.153,28";
    in.phases = {{
        {"1. Provjera zadatka", "2", "1.405,11", true},
        {"2. Idejno rješenje", "4", "2.810,22", true},
        {"3. Idejni projekt", "9", "6.322,99", true},
        {"4. Projekt za dozvolu", "0", "0,00", true},
        {"5. Glavni projekt", "45", "31.614,96", true},
        {"6. Troškovnik", "2", "", false},
        {"7. Izvedbeni projekt", "35", "", false},
        {"8. Nadzor", "3", "", false},
    }};
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.Usluga = "Aunutar";
    in.Stopa = 0.22;
    return in;
}

} // namespace tarvel::records::test
