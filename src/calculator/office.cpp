// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/office.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace tarvel::calculator {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace

forms::Letterhead readOffice(forms::SettingsStore& settings) {
    using namespace office_keys;
    return {settings.get(kNaziv, ""),   settings.get(kAdresa, ""), settings.get(kOib, ""),
            settings.get(kTelefon, ""), settings.get(kEposta, ""), settings.get(kWeb, ""),
            settings.get(kLogo, "")};
}

void storeOffice(forms::SettingsStore& settings, const forms::Letterhead& office) {
    using namespace office_keys;
    settings.set(kNaziv, office.naziv);
    settings.set(kAdresa, office.adresa);
    settings.set(kOib, office.oib);
    settings.set(kTelefon, office.telefon);
    settings.set(kEposta, office.eposta);
    settings.set(kWeb, office.web);
    settings.set(kLogo, office.logo);
}

bool oibValid(std::string_view oib) {
    if (oib.size() != 11 || !std::all_of(oib.begin(), oib.end(), isDigit))
        return false;
    int carry = 10;
    for (size_t i = 0; i < 10; ++i) {
        carry = (carry + (oib[i] - '0')) % 10;
        if (carry == 0)
            carry = 10;
        carry = carry * 2 % 11;
    }
    const int check = (11 - carry) % 10;
    return check == oib[10] - '0';
}

std::optional<std::string> oibProblem(std::string_view oib) {
    if (oib.empty() || oibValid(oib))
        return std::nullopt;
    if (oib.size() != 11 || !std::all_of(oib.begin(), oib.end(), isDigit))
        return std::string("OIB mora imati točno 11 znamenki, bez razmaka i drugih znakova.");
    return "OIB " + std::string(oib) +
           " nije ispravan: kontrolna znamenka ne odgovara ostalim znamenkama. Provjerite "
           "upisani broj.";
}

std::string placeOf(const std::string& adresa) {
    const size_t comma = adresa.rfind(',');
    std::string part =
        trimmed(comma == std::string::npos ? std::string_view(adresa)
                                           : std::string_view(adresa).substr(comma + 1));
    const size_t postcode = part.find_first_not_of("0123456789");
    // Without a comma the address is a place only when it begins with a postcode.
    if (postcode == 0 && comma == std::string::npos)
        return {};
    return trimmed(
        std::string_view(part).substr(postcode == std::string::npos ? part.size() : postcode));
}

std::string croatianDate(const CalendarDate& date) {
    static constexpr std::array<const char*, 12> kMonths = {
        "siječnja", "veljače",  "ožujka", "travnja",   "svibnja",   "lipnja",
        "srpnja",   "kolovoza", "rujna",  "listopada", "studenoga", "prosinca"};
    const std::string month =
        date.month >= 1 && date.month <= 12 ? kMonths[static_cast<size_t>(date.month - 1)] : "";
    return std::to_string(date.day) + ". " + month + " " + std::to_string(date.year) + ".";
}

std::string placeAndDate(const std::string& adresa, const CalendarDate& date) {
    const std::string place = placeOf(adresa);
    return place.empty() ? croatianDate(date) : place + ", " + croatianDate(date);
}

CalendarDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace tarvel::calculator
