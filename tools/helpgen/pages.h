// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "book.h"
#include "main_window.h"

// The pages of the help files, written from the program's own data and computed by its own
// routines.
namespace tarvel::helpgen {

// What the main window shows about currencies when it starts.
struct ProgramFacts {
    std::string rate;                            // the exchange rate at start, "3,70"
    double rateValue = 0;                        // the same as a number
    std::string home;                            // the currency of the value box, "kn"
    std::string accounting;                      // the currency of the fee tables, "DM"
    std::string outOfTariff;                     // the message of a value outside the tariff
    std::map<std::string, std::string> commands; // the toolbar's tooltips by command key
};
ProgramFacts programFacts();
// A toolbar command as the user knows it, in Croatian quotes: „Novi tečaj“.
std::string command(const ProgramFacts& facts, const std::string& key);

// The menu path of a menu item: "Građevinarstvo › Niskogradnja › Mostovi".
std::string menuPath(std::string_view menuItem);
// True for a menu that holds items.
bool hasItems(std::string_view menu);

// A table of `columns` header cells and rows of cells, all HTML.
std::string table(const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows);

// The phases of a service with their shares, and with their fees and totals when computed.
std::string phaseTable(const std::vector<PhaseRow>& phases, const Shown* computed = nullptr);

// Tarvel.chm: a page for every service, the contents and the general page.
void writeRegulation(Book& book, const ProgramFacts& facts);
// Odstupanja.chm: the deviations of every service and the general page.
void writeDeviations(Book& book, const ProgramFacts& facts);
// Troskovi.chm: the building types of the estimator.
void writeCosts(Book& book, const ProgramFacts& facts);
// Upute.chm: the pages written by hand, with the menus, the toolbar and the keyboard from the
// program and from the lists beside the pages.
void writeGuide(Book& book, const std::filesystem::path& sources,
                const std::filesystem::path& screenshot);
// The links at the top of every page of the guide.
std::string guideNavigation();

} // namespace tarvel::helpgen
