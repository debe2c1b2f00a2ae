// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The main window's display currencies: kuna, DM (the currency of the fee scale) and euro.
// A currency is named by the caption its labels show; the toolbar command that switches to it
// has its own key, which the setting "Valuta" keeps.
namespace tarvel::calculator {

inline constexpr const char* kKuna = "kn";
inline constexpr const char* kDm = "DM";
inline constexpr const char* kEuro = "EUR";

// The toolbar command and the setting of each currency.
inline constexpr const char* kKunaKey = "KN";
inline constexpr const char* kDmKey = "DM";
inline constexpr const char* kEuroKey = "EUR";
inline constexpr const char* kCurrencySetting = "Valuta";

// What the rate box shows in euro: the fixed rate of the euro in DM, for the user only; the
// computation uses the exact rate, never this text.
inline constexpr const char* kEuroRateText = "1,95583";

// The caption of the currency a stored setting names; kuna for anything that names none.
std::string currencyOfSetting(std::string_view setting);

// An amount in kuna or DM converted to euro at the fixed rates, and back; `caption` names the
// other currency (kn or DM; an amount in euro stays as it is).
double toEuro(double amount, std::string_view caption);
double fromEuro(double amount, std::string_view caption);

} // namespace tarvel::calculator
