// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

// The 32 services of the main window's menus.
namespace tarvel::calculator {

enum class Family { Plan, Building, Supervision };
// Which complexity categories a building service offers.
enum class Categories { None, OneToFive, OneToFour, OneToThree };
// How an entry takes the budget value over from the offer composer.
enum class OfferTakeOver { No, Flag, Text };

struct CaptionOverride {
    int phase;
    std::string_view caption;
};

struct CatalogueEntry {
    std::string_view menuItem;
    std::string_view caption;
    std::string_view code;
    std::string_view title;
    int helpNumber;
    std::string_view helpPage;
    Family family;
    std::array<int, 8> shares;
    Categories categories;
    bool deviations; // the command "Odstup" stays available
    bool estimator;  // the command "Vrijednost" stays available
    OfferTakeOver takeOver;
    std::span<const CaptionOverride> captions;
    bool hidesEmptyPhases; // phases 4 to 8 without a share are hidden
    bool asksForValue;     // the prompt asks for the value whatever the box holds
};

std::span<const CatalogueEntry> catalogue();
// Every caption a phase can have: of buildings, of plans and every service's own.
std::vector<std::string_view> allPhaseCaptions();
const CatalogueEntry* findEntry(std::string_view menuItem);

// The menu bar: top-level menus with their captions, and every item with the menu (or
// submenu) that holds it, in menu order. Separators have the caption "-".
struct MenuDefinition {
    std::string_view name;
    std::string_view caption;
    std::string_view parent; // "" for a top-level menu
    std::string_view shortcut;
};
std::span<const MenuDefinition> menuBar();

inline constexpr std::array<std::string_view, 8> kBuildingPhaseCaptions = {
    "1. Provjera zadatka", "2. Idejno rješenje",  "3. Idejni projekt",    "4. Lokacijska dozvola",
    "5. Glavni projekt",   "6. Građevna dozvola", "7. Izvedbeni projekt", "8. Troškovnik"};
inline constexpr std::array<std::string_view, 8> kPlanPhaseCaptions = {"1. Polazišta",
                                                                       "2. Ciljevi prost. uređ.",
                                                                       "3. Plan prost. uređenja",
                                                                       "4. Odredbe za prov. plana",
                                                                       "5. Donošenje plana",
                                                                       "",
                                                                       "",
                                                                       ""};

} // namespace tarvel::calculator
