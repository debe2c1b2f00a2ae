// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviations/deviation_catalogue.h"

#include <array>
#include <charconv>

namespace tarvel::deviations {
namespace {

constexpr std::string_view kReconstruction25 = "Rekonstrukcija građevine - upišite 25 do 50";

// A text input whose value must lie within low..high.
constexpr DeviationItem ranged(int row, std::string_view caption, std::string_view control,
                               double low, double high, std::string_view prefix) {
    return {row, caption, control, Input::Text, Limit::Range, low, high,
            "",  prefix,  " %,",   0,           false};
}

constexpr DeviationItem reconstruction(double low, double high, std::string_view caption) {
    return ranged(1, caption, "txt1", low, high, " Rekonstrukcija ");
}

// A check box or option button that adds a fixed percentage.
constexpr DeviationItem fixed(int row, std::string_view caption, std::string_view control,
                              int addition) {
    const Input input = control.starts_with("opt") ? Input::Option : Input::Check;
    return {row, caption, control, input, Limit::Range, 0, 0, "", "", "", addition, false};
}

constexpr std::array kReconstructionOnly = {reconstruction(25, 50, kReconstruction25)};

constexpr std::array kSinst = {
    reconstruction(25, 50, kReconstruction25),
    DeviationItem{2, "U sadržaj usluge nije uključeno...v. Pomoć!", "", Input::None, Limit::Range,
                  0, 0, "", "", "", 0, false},
};

constexpr std::array kEinst = {
    reconstruction(30, 100, "Rekonstrukcija građevine - upišite 30 do 100")};

constexpr std::array kGkons = {
    reconstruction(25, 50, kReconstruction25),
    ranged(3, "Spomenik kulture.... - upišite 30 do 50", "txt2", 30, 50, "   Spomenik kulture "),
    ranged(2, "Čelična, ab...drvena konstrukcija: + 20 %, + 80 % za rad. n.", "txt3", 20, 100,
           "   Konstrukcija i rad. nacrti "),
    DeviationItem{4, "Za ab konstrukciju ne radi se plan oplate, - 8 %", "chk3", Input::Check,
                  Limit::Range, 0, 0, "", "", "", 0, true},
    fixed(5, "Duktilnost za ab i čelik niska i srednja, + 25 %", "opt5(0)", 25),
    fixed(6, "Duktilnost za ab i čelik visoka, + 35 %", "opt5(1)", 35),
    fixed(7, "Duktilnost za ziđe i drvo niska i srednja, + 15 %", "opt5(2)", 15),
    fixed(8, "Duktilnost za ziđe i drvo visoka, + 25 %", "opt5(3)", 25),
};

constexpr std::array kGing = {
    reconstruction(25, 50, kReconstruction25),
    fixed(2, "Čelična, ab...drvena konstrukcija, + 100 %", "chk1", 100),
    fixed(3, "Duktilnost za ab i čelik niska i srednja, + 19 %", "opt5(0)", 19),
    fixed(4, "Duktilnost za ab i čelik visoka, + 28 %", "opt5(1)", 28),
    fixed(5, "Duktilnost za ziđe i drvo niska i srednja, + 11 %", "opt5(2)", 11),
    fixed(6, "Duktilnost za ziđe i drvo visoka, + 19 %", "opt5(3)", 19),
};

constexpr std::array kGNceste = {
    fixed(1, "Rekonstrukcija cesta, + 20 %", "chk7", 20),
    fixed(2, "Rekonstrukcija cesta kroz naselje, + 30 %", "chk1", 30),
    fixed(3, "Rekonstrukcija gradskih ulica, + 40 %", "chk2", 40),
    fixed(4, "Prijelaz i križanje izvan razine, + 30 %", "chk3", 30),
    fixed(5, "Složeni projekti...posebni proračuni, + 15 %", "chk4", 15),
    fixed(6, "Veoma složeni projekti...posebni proračuni, + 25 %", "chk5", 25),
};

constexpr std::array kGNmost = {
    reconstruction(25, 50, kReconstruction25),
    DeviationItem{0, "", "txt3", Input::Text, Limit::AtMost, 0, 150, kBridgeLimit,
                  "   Ostali parametri za procjenu ", " %,", 0, false},
    fixed(2, "Nesimetrični mostovi, + 20 %", "chk1", 20),
    fixed(3, "Zakošeni mostovi do 30 stupnjeva, + 20 %", "chk2", 20),
    fixed(4, "Zakošeni mostovi preko 30 stupnjeva, + 40 %", "chk3", 40),
    fixed(5, "Kameni mostovi, + 10 %", "chk4", 10),
    fixed(6, "Montažni armirano-betonski mostovi, + 30 %", "chk5", 30),
    fixed(7, "Prednapeti mostovi, + 20 %", "chk6", 20),
    fixed(8, "Spregnute konstrukcije mostova, + 10 %", "chk7", 10),
};

constexpr std::array kGNtunel = {
    DeviationItem{1, "p = (100 * duljina / 1000) -- (2,5 * duljina / 100)", "txt1", Input::Text,
                  Limit::TunnelBelow, 0, 250, kTunnelRefusal, "Dodatak na duljinu ", " %,", 0,
                  false},
    fixed(2, "Tuneli krači od 500 m, + 28 %", "chk1", 28),
};

constexpr std::array kGNluke = {
    reconstruction(25, 50, kReconstruction25),
    fixed(2, "Masivni obalni zidovi od montažnih blokova, + 20 %", "chk1", 20),
    fixed(3, "Masivne obalne konstrukcije od...arm. sanduka, + 40 %", "chk2", 40),
    fixed(4, "Raščlanjene obalne konstrukcije od čelika, + 50 %", "chk3", 50),
    // The caption reads "2o"; the addition is twenty.
    fixed(5, "Za etapno izvođenje, + 2o %", "chk4", 20),
};

constexpr std::array<std::string_view, 0> kNoSigns{};
constexpr std::array<std::string_view, 3> kAllSigns = {"Label1", "Label2", "Label3"};
constexpr std::array<std::string_view, 1> kFirstSign = {"Label1"};
constexpr std::array<std::string_view, 2> kBridgeSigns = {"Label1", "Label3"};

constexpr std::array<MovedControl, 0> kNotMoved{};
constexpr std::array<MovedControl, 2> kGkonsMoved = {{{"txt3", 2}, {"Label3", 2}}};
constexpr std::array<MovedControl, 4> kGingMoved = {
    {{"opt5(0)", 3}, {"opt5(1)", 4}, {"opt5(2)", 5}, {"opt5(3)", 6}}};
constexpr std::array<MovedControl, 1> kGNcesteMoved = {{{"chk7", 1}}};

constexpr std::string_view kBridgeNote = "Ostali parametri za procjenu.\r\nv. Pomoć!";
constexpr std::string_view kTunnelNote = "Drugi paralelni  tunel = 50 % cijene prvog!";

const std::array<DeviationService, 14> kServices = {{
    {"Avisoko", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 110, "Agrad.htm"},
    {"Aunutar", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 120, "Aunu.htm"},
    {"Akraj", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 130, "Akraj.htm"},
    {"Gkons", kGkons, kAllSigns, kGkonsMoved, "", false, false, 140, "Gkons.htm"},
    {"Ging", kGing, kFirstSign, kGingMoved, "", false, false, 150, "Ging.htm"},
    {"Gvoda", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 160, "Gvoda.htm"},
    {"GNceste", kGNceste, kNoSigns, kGNcesteMoved, "", false, false, 170, "Gceste.htm"},
    {"GNmost", kGNmost, kBridgeSigns, kNotMoved, kBridgeNote, false, false, 180, "Gmost.htm"},
    {"GNtunel", kGNtunel, kNoSigns, kNotMoved, kTunnelNote, true, true, 190, "Gtunel.htm"},
    {"GNluke", kGNluke, kFirstSign, kNotMoved, "", false, false, 200, "Gluke.htm"},
    {"GNhidrogr", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 210, "Ghidro.htm"},
    {"Sinst", kSinst, kNoSigns, kNotMoved, "", false, true, 240, "Sinst.htm"},
    {"Sing", kReconstructionOnly, kNoSigns, kNotMoved, "", false, true, 250, "Sing.htm"},
    {"Einst", kEinst, kNoSigns, kNotMoved, "", false, true, 260, "Einst.htm"},
}};

// The number after a control's name prefix: "chk3" gives 3, "opt5(2)" with prefix "opt5("
// gives 2; -1 when there is none.
int numberAfter(std::string_view control, std::string_view prefix) {
    if (!control.starts_with(prefix))
        return -1;
    int n = -1;
    const char* first = control.data() + prefix.size();
    const char* last = control.data() + control.size();
    const auto [end, error] = std::from_chars(first, last, n);
    if (error != std::errc() || (end != last && *end != ')'))
        return -1;
    return n;
}

} // namespace

std::span<const DeviationService> deviationCatalogue() {
    return kServices;
}

const DeviationService* findDeviations(std::string_view code) {
    for (const DeviationService& s : kServices) {
        if (s.code == code)
            return &s;
    }
    return nullptr;
}

int rowOf(const DeviationService& service, std::string_view control) {
    for (const MovedControl& m : service.moved) {
        if (m.control == control)
            return m.row;
    }
    if (control == "txt1" || control == "Label1")
        return 1;
    if (control == "txt2" || control == "Label2")
        return 3;
    if (control == "txt3" || control == "Label3")
        return 0;
    if (const int n = numberAfter(control, "chk"); n >= 1 && n <= 7)
        return n + 1;
    if (const int n = numberAfter(control, "opt5("); n >= 0 && n <= 3)
        return n + 5;
    if (const int n = numberAfter(control, "lbl"); n >= 1 && n <= 8)
        return n;
    return -1;
}

} // namespace tarvel::deviations
