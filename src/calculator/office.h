// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forms/client_document.h"
#include "forms/platform.h"

// The office that sends the documents: its details in the settings store, the check of its
// OIB, and the place and date a document is dated with.
namespace tarvel::calculator {

// The settings that hold the office's details (section Startup, beside the program's own).
namespace office_keys {
inline constexpr const char* kNaziv = "UredNaziv";
inline constexpr const char* kAdresa = "UredAdresa";
inline constexpr const char* kOib = "UredOIB";
inline constexpr const char* kTelefon = "UredTelefon";
inline constexpr const char* kEposta = "UredEposta";
inline constexpr const char* kWeb = "UredWeb";
inline constexpr const char* kLogo = "UredLogo";
} // namespace office_keys

forms::Letterhead readOffice(forms::SettingsStore& settings);
void storeOffice(forms::SettingsStore& settings, const forms::Letterhead& office);

// Whether the text is an OIB: eleven digits, the last the check digit of the first ten by
// ISO 7064, MOD 11,10.
bool oibValid(std::string_view oib);
// Why an OIB typed into the office dialog is refused, in Croatian; nothing when it is sound or
// left empty.
std::optional<std::string> oibProblem(std::string_view oib);

// The place of an address: what follows the postcode of its last part ("Ilica 1, 10000
// Zagreb" gives "Zagreb"); "" when the address names none.
std::string placeOf(const std::string& adresa);

struct CalendarDate {
    int year = 0;
    int month = 0; // 1 .. 12
    int day = 0;
};
// "5. ožujka 2026.", with the month's name as a Croatian date has it.
std::string croatianDate(const CalendarDate& date);
// "Zagreb, 5. ožujka 2026.", or the date alone when the address names no place.
std::string placeAndDate(const std::string& adresa, const CalendarDate& date);
// Today's date on this machine's clock and time zone.
CalendarDate today();

} // namespace tarvel::calculator
