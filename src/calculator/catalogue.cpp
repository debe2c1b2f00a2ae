// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/catalogue.h"

namespace tarvel::calculator {
namespace {

constexpr CaptionOverride kUrbanPlan[] = {{2, "2. Ocjena mogućnosti"}};
constexpr CaptionOverride kSoil[] = {{1, "1. Razjašnjenje zadatka"},
                                     {2, "2. Vr. i prikaz rez. ispit."},
                                     {3, "3. Prijedlog temeljenja"},
                                     {4, ""},
                                     {5, ""},
                                     {6, ""},
                                     {7, ""},
                                     {8, ""}};
constexpr CaptionOverride kSurveyDesign[] = {{1, "1. Pribavljanje podat."},
                                             {2, "2. Mreža s. geotočaka"},
                                             {3, "3. Položajni i vis. plan."},
                                             {4, "4. Podaci za iskolčenje"},
                                             {5, "5. Iskolčenje"},
                                             {6, "6. Profili terena"},
                                             {7, ""},
                                             {8, ""}};
constexpr CaptionOverride kSurveyWorks[] = {{1, "1. Savjetovanje"},
                                            {2, "2. Iskolčenje"},
                                            {3, "3. Izmjera pri izvođenju"},
                                            {4, "4. Geodetski nadzor"},
                                            {5, ""},
                                            {6, ""},
                                            {7, ""},
                                            {8, ""}};
constexpr CaptionOverride kThermal[] = {{1, "1. Izrada koncepta"},
                                        {2, "2. Nacrti i p. proračun"},
                                        {3, "3. Izrada proračuna"},
                                        {4, "4. Usklađivanje"},
                                        {5, ""},
                                        {6, ""},
                                        {7, ""},
                                        {8, ""}};
constexpr CaptionOverride kAcoustic[] = {{1, "1. Izrada koncepta"},
                                         {2, "2. Nacrti i proračun"},
                                         {3, "3. Sudjelov. pri proj."},
                                         {4, "4. Sudjelov. pri trošk."},
                                         {5, ""},
                                         {6, ""},
                                         {7, ""},
                                         {8, ""}};
constexpr std::span<const CaptionOverride> kNone{};

using F = Family;
using C = Categories;
using O = OfferTakeOver;

// clang-format off
constexpr CatalogueEntry kEntries[] = {
    {"mnuAPz", "P. plan županije i Zagreba", "APg", "PROSTORNI PLAN ŽUPANIJE I ZAGREBA", 4, "PPŽiGZ.htm",
     F::Plan, {35, 8, 45, 6, 6, 0, 0, 0}, C::None, false, false, O::No, kNone, true, false},
    {"mnuAPp", "P. plan područja p. obilježja", "APpo", "PROSTORNI PLAN PODRUČJA POSEBNIH OBILJEŽJA", 5, "PPPO.htm",
     F::Plan, {35, 10, 45, 5, 5, 0, 0, 0}, C::None, false, false, O::No, kNone, true, false},
    {"mnuAPg", "P. plan općine ili grada", "APo", "PROSTORNI PLAN UREĐENJA OPĆINE ILI GRADA", 6, "PPUO.htm",
     F::Plan, {35, 8, 45, 6, 6, 0, 0, 0}, C::None, false, false, O::No, kNone, true, false},
    {"mnuAPgup", "Generalni urbanistički plan", "APpo", "GENERALNI URBANISTIČKI PLAN", 7, "GUP.htm",
     F::Plan, {30, 10, 45, 10, 5, 0, 0, 0}, C::None, false, false, O::No, kNone, true, false},
    {"mnuAPup1", "M 1:1000", "APup1", "URBANISTIČKI PLAN UREĐENJA 1:1000", 8, "UPU.htm",
     F::Plan, {20, 10, 40, 15, 15, 0, 0, 0}, C::None, false, false, O::No, kUrbanPlan, true, false},
    {"mnuAPup2", "M 1:2000", "APup2", "URBANISTIČKI PLAN UREĐENJA 1:2000", 8, "UPU.htm",
     F::Plan, {20, 10, 40, 15, 15, 0, 0, 0}, C::None, false, false, O::No, kUrbanPlan, true, false},
    {"mnuAPup5", "M 1:5000", "APup5", "URBANISTIČKI PLAN UREĐENJA 1:5000", 8, "UPU.htm",
     F::Plan, {20, 10, 40, 15, 15, 0, 0, 0}, C::None, false, false, O::No, kUrbanPlan, true, false},
    {"mnuAPdup", "Detaljni plan uređenja", "APdup", "DETALJNI PLAN UREĐENJA", 9, "DPU.htm",
     F::Plan, {20, 10, 40, 15, 15, 0, 0, 0}, C::None, false, false, O::No, kUrbanPlan, true, false},
    {"mnuAvisoko", "Projekti građevina", "Avisoko", "ARHITEKTONSKI PROJEKT GRAĐEVINE", 14, "Arhgrad.htm",
     F::Building, {2, 6, 14, 3, 30, 3, 32, 10}, C::OneToFive, true, true, O::Flag, kNone, false, false},
    {"mnuAunutar", "Unutarnje uređenje", "Aunutar", "PROJEKT UNUTARNJEG UREĐENJA PROSTORA", 15, "Arhunu.htm",
     F::Building, {2, 4, 9, 0, 45, 2, 35, 3}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuAkraj", "Projekti krajobraza", "Akraj", "PROJEKT KRAJOBRAZNE ARHITEKTURE", 16, "Akraj.htm",
     F::Building, {2, 6, 14, 3, 33, 3, 32, 7}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuGkons", "Konstrukcija", "Gkons", "PROJEKT KONSTRUKCIJE VISOKOGRADNJE", 18, "Gkonst.htm",
     F::Building, {2, 4, 9, 0, 45, 2, 35, 3}, C::OneToFive, true, true, O::Flag, kNone, false, false},
    {"mnuGing", "Inženjerske građevine", "Ging", "GRAĐEVNI PROJEKT INŽENJERSKIH GRAĐEVINA", 19, "Ging.htm",
     F::Building, {2, 3, 10, 2, 45, 2, 30, 6}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuGvoda", "Vodovod i kanalizacija", "Gvoda", "PROJEKT VODOVODA I KANALIZACIJE", 20, "Gvoda.htm",
     F::Building, {2, 5, 10, 3, 40, 3, 30, 7}, C::OneToThree, true, true, O::No, kNone, false, false},
    {"mnuGtlo", "Mehanika tla", "Gtlo", "MEHANIKA TLA I TEMELJENJE", 21, "Gtlo.htm",
     F::Building, {15, 35, 50, 0, 0, 0, 0, 0}, C::OneToFive, false, false, O::No, kSoil, true, false},
    {"mnuGNzelje", "Željeznica", "GNzelje", "PROJEKT ŽELJ. PRUGA, KOLOSJEKA I ČVOROVA", 22, "Gpruge.htm",
     F::Building, {2, 10, 25, 3, 40, 3, 10, 7}, C::OneToFive, false, false, O::No, kNone, false, false},
    {"mnuGNceste", "Ceste", "GNceste", "GRAĐEVNI PROJEKT CESTA", 23, "Gceste.htm",
     F::Building, {2, 10, 25, 3, 40, 3, 10, 7}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuGNmost", "Mostovi", "GNmost", "PROJEKT MOSTOVA I PROPUSTA", 24, "Gmost.htm",
     F::Building, {1, 5, 13, 2, 40, 3, 30, 6}, C::OneToFive, true, false, O::No, kNone, false, true},
    {"mnuGNtunel", "Tuneli", "GNtunel", "GRAĐEVNI PROJEKT TUNELA", 25, "Gtunel.htm",
     F::Building, {2, 5, 20, 3, 40, 3, 20, 7}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuGNluke", "Pomorske i rječne gradnje", "GNluke", "PROJEKT POMORSKE I RJEČNE GRADNJE", 26, "Gluke.htm",
     F::Building, {2, 5, 10, 3, 45, 3, 25, 7}, C::OneToFour, true, false, O::No, kNone, false, false},
    {"mnuGNhidro", "Hidrotehnički sustavi", "GNhidro", "PROJEKT HIDROTEHNIČKIH SUSTAVA", 27, "Gbrane.htm",
     F::Building, {2, 5, 10, 3, 45, 3, 25, 7}, C::OneToFive, false, false, O::No, kNone, false, false},
    {"mnuGNhidrogr", "Hidrotehničke građevine", "GNhidrogr", "PROJEKT HIDROTEHNIČKIH GRAĐEVINA", 27, "Gbrane.htm",
     F::Building, {2, 5, 10, 3, 45, 3, 25, 7}, C::OneToThree, true, false, O::No, kNone, false, false},
    {"mnuGNkanal", "Vanjski vodovod i kanali", "GNkanal", "PROJEKT VANJSKOG VODOVODA I KANALIZACIJE", 28, "Gkanal.htm",
     F::Building, {2, 10, 15, 3, 40, 3, 20, 7}, C::OneToFive, false, false, O::No, kNone, false, false},
    {"mnuDizv", "Za projektiranje", "Dizv", "GEODETSKI POSLOVI ZA PROJEKTIRANJE", 31, "Dproj.htm",
     F::Building, {3, 15, 52, 5, 15, 10, 0, 0}, C::OneToFive, false, false, O::No, kSurveyDesign, true, false},
    {"mnuDost", "Za izvođenje", "Dost", "GEODETSKI POSLOVI ZA IZVOĐENJE", 32, "Dizv.htm",
     F::Building, {2, 14, 66, 18, 0, 0, 0, 0}, C::OneToFive, false, false, O::No, kSurveyWorks, true, false},
    {"mnuSinst", "Str. instalacije u građevinama", "Sinst", "PROJEKT STROJARSKE INSTALACIJE ...", 35, "Estrpr.htm",
     F::Building, {2, 5, 10, 3, 40, 3, 30, 7}, C::OneToThree, true, true, O::No, kNone, false, false},
    {"mnuSing", "Str. inženjerski objekti", "Sing", "PROJEKT STROJARSKIH INŽ. POSTROJENJA", 36, "Estring.htm",
     F::Building, {2, 6, 14, 3, 40, 3, 25, 7}, C::OneToFive, true, false, O::No, kNone, false, false},
    {"mnuEinst", "El. instalacije u građevinama", "Einst", "PROJEKT ELEKTROINSTALACIJE ...", 37, "Felinst.htm",
     F::Building, {2, 5, 10, 3, 45, 3, 25, 7}, C::OneToThree, true, true, O::No, kNone, false, false},
    {"mnuTtopl", "Toplinska svojstva", "Ttopl", "ELABORAT TOPLINSKIH SVOJSTAVA GRAĐEVINE", 39, "Gxtoplina.htm",
     F::Building, {20, 40, 25, 15, 0, 0, 0, 0}, C::OneToFive, false, true, O::Text, kThermal, true, false},
    {"mnuTakust", "Akustična svojstva", "Takust", "ELABORAT AKUSTIČNIH SVOJSTAVA GRAĐEVINE", 40, "Gxakust.htm",
     F::Building, {20, 40, 25, 15, 0, 0, 0, 0}, C::OneToThree, false, true, O::Text, kAcoustic, true, false},
    {"mnuNnadzor", "Nadzor", "Nnadzor", "NADZOR NAD IZVOĐENJEM", 46, "Gxnadzor.htm",
     F::Supervision, {0, 0, 0, 0, 0, 0, 0, 0}, C::None, false, true, O::Text, kNone, false, false},
    {"mnuNkonz", "Savjetovanje", "Nkonz", "SAVJETOVANJE INVESTITORA", 46, "Gxnadzor.htm",
     F::Supervision, {0, 0, 0, 0, 0, 0, 0, 0}, C::None, false, true, O::Text, kNone, false, false},
};

constexpr MenuDefinition kMenus[] = {
    {"mnuPp", "P&rost. plan.", "", ""},
    {"mnuAPz", "P. plan županije i Zagreba", "mnuPp", ""},
    {"mnuAPp", "P. plan područja p. obilježja", "mnuPp", ""},
    {"mnuAPg", "P. plan općine ili grada", "mnuPp", ""},
    {"mnuAPgup", "Generalni urbanistički plan", "mnuPp", ""},
    {"mnuAPup", "Urbanistički plan uređenja", "mnuPp", ""},
    {"mnuAPup1", "M 1:1000", "mnuAPup", ""},
    {"mnuAPup2", "M 1:2000", "mnuAPup", ""},
    {"mnuAPup5", "M 1:5000", "mnuAPup", ""},
    {"mnuAPdup", "Detaljni plan uređenja", "mnuPp", ""},
    {"mnuAr1", "-", "mnuPp", ""},
    {"mnuAizlaz", "&Izlaz", "mnuPp", ""},
    {"mnuA", "&Arhitektura", "", ""},
    {"mnuAvisoko", "Projekti građevina", "mnuA", ""},
    {"mnuAunutar", "Unutarnje uređenje", "mnuA", ""},
    {"mnuAkraj", "Projekti krajobraza", "mnuA", ""},
    {"mnuG", "&Građevinarstvo", "", ""},
    {"mnuGkons", "Konstrukcija", "mnuG", ""},
    {"mnuGing", "Inženjerske građevine", "mnuG", ""},
    {"mnuGvoda", "Vodovod i kanalizacija", "mnuG", ""},
    {"mnuGtlo", "Mehanika tla", "mnuG", ""},
    {"mnuGNr1", "-", "mnuG", ""},
    {"mnuGN", "&Niskogradnja", "mnuG", ""},
    {"mnuGNzelje", "Željeznica", "mnuGN", ""},
    {"mnuGNceste", "Ceste", "mnuGN", ""},
    {"mnuGNmost", "Mostovi", "mnuGN", ""},
    {"mnuGNtunel", "Tuneli", "mnuGN", ""},
    {"mnuGNluke", "Pomorske i rječne gradnje", "mnuGN", ""},
    {"mnuGNhidro", "Hidrotehnički sustavi", "mnuGN", ""},
    {"mnuGNhidrogr", "Hidrotehničke građevine", "mnuGN", ""},
    {"mnuGNkanal", "Vanjski vodovod i kanali", "mnuGN", ""},
    {"mnuD", "Geo&detski poslovi", "", ""},
    {"mnuDizv", "Za projektiranje", "mnuD", ""},
    {"mnuDost", "Za izvođenje", "mnuD", ""},
    {"mnuSE", "&Strojarstvo i elektrotehnika", "", ""},
    {"mnuSinst", "Str. instalacije u građevinama", "mnuSE", ""},
    {"mnuSing", "Str. inženjerski objekti", "mnuSE", ""},
    {"mnuSEr1", "-", "mnuSE", ""},
    {"mnuEinst", "El. instalacije u građevinama", "mnuSE", ""},
    {"mnuT", "&Teh. elaborati", "", ""},
    {"mnuTtopl", "Toplinska svojstva", "mnuT", ""},
    {"mnuTakust", "Akustična svojstva", "mnuT", ""},
    {"mnuN", "&Nadzor i savjet", "", ""},
    {"mnuNnadzor", "Nadzor", "mnuN", ""},
    {"mnuNkonz", "Savjetovanje", "mnuN", ""},
    {"mnuP", "&Pomoć", "", ""},
    {"mnuPtarvel", "Pravilnik o cijenama - tekst", "mnuP", ""},
    {"mnuPtarvels", "Pravilnik o cijenama - sadržaj", "mnuP", "F2"},
    {"mnuPodstup", "Odstupanja i primjedbe", "mnuP", "F6"},
    {"mnuPr1", "-", "mnuP", ""},
    {"mnuPtroskovi", "Ttroškovi u visokogradnji", "mnuP", "F3"},
    {"mnuPr2", "-", "mnuP", ""},
    {"mnuPupute", "Upute za korištenje", "mnuP", "F4"},
    {"mnuPr3", "-", "mnuP", ""},
    {"mnuPZakoni", "Zakoni i propisi", "mnuP", "F5"},
    {"mnuPr4", "-", "mnuP", ""},
    {"mnuPStopa", "Stopa poreza", "mnuP", ""},
    {"mnuPr5", "-", "mnuP", ""},
    {"mnuPhtml", "HTML pomoć", "mnuP", ""},
    {"mnuPIE5", "&IE5 traka alata", "mnuP", ""},
    {"mnuPr6", "-", "mnuP", ""},
    {"mnuPoprog", "O programu", "mnuP", ""},
};
// clang-format on

} // namespace

std::span<const CatalogueEntry> catalogue() {
    return kEntries;
}

const CatalogueEntry* findEntry(std::string_view menuItem) {
    for (const auto& e : kEntries) {
        if (e.menuItem == menuItem)
            return &e;
    }
    return nullptr;
}

std::span<const MenuDefinition> menuBar() {
    return kMenus;
}

} // namespace tarvel::calculator

namespace tarvel::calculator {

std::vector<std::string_view> allPhaseCaptions() {
    std::vector<std::string_view> captions(kBuildingPhaseCaptions.begin(),
                                           kBuildingPhaseCaptions.end());
    captions.insert(captions.end(), kPlanPhaseCaptions.begin(), kPlanPhaseCaptions.end());
    for (const CatalogueEntry& entry : catalogue()) {
        for (const CaptionOverride& o : entry.captions)
            captions.push_back(o.caption);
    }
    return captions;
}

} // namespace tarvel::calculator
