// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "comparison/tariff_range.h"

// The fees of the current service at any category and value, worked out in the steps of the
// main window's computation: the value rewritten as an amount, the base fees shown rounded,
// every phase fee rounded, and the totals the sums of the rounded phase fees. A figure here is
// therefore the figure the main window shows after the same category click.
namespace tarvel::comparison {

enum class Family { Building, Plan, Supervision };

inline constexpr int kPhases = 8;
inline constexpr int kCategories = 5;

// What the comparison takes from the main window: the service, its phases and the money
// settings as they stand.
struct ServiceInputs {
    std::string title; // the service's title
    std::string code;  // `Usluga`
    Family family = Family::Building;
    std::array<bool, kCategories> offered{}; // categories I..V the service offers
    int chosenCategory = 0;                  // 1..5, 0 when none is selected
    std::array<double, kPhases> shares{};    // per cent
    std::array<int, kPhases> ticks{};        // 1 for a ticked phase
    std::array<std::string, kPhases> phaseCaptions;
    double rate = 0;       // the rate box: display currency per DM
    double kurs = 0;       // the stored exchange rate (plans are priced with it)
    std::string currency;  // of the fees: "kn" or "DM"
    std::string valueUnit; // of the value box: "kn", "DM", or "jedinica" for a plan
    double addition = 0;   // per cent, plans and supervision only (a category click
    double discount = 0;   // sets both to 0 for the building family)
    std::string valueText; // the value box as it stands
};

// Where a value stands against the tariff.
enum class Standing { Priced, BelowTable, AboveTable, BelowCategory, AboveCategory };

// The fees of one category at one value, in the display currency.
struct Fees {
    Standing standing = Standing::Priced;
    std::array<double, kPhases> phaseMin{};
    std::array<double, kPhases> phaseMax{};
    double totalMin = 0; // no minimum for supervision
    double totalMax = 0;
    double percent = 0; // supervision: the bracket's rate

    bool priced() const { return standing == Standing::Priced; }
};

// The pricing of one service. The limits of its tariff are found once, when it is made.
class Pricing {
public:
    explicit Pricing(ServiceInputs inputs);

    const ServiceInputs& inputs() const { return in_; }
    bool hasMinimum() const { return in_.family != Family::Supervision; }
    // Categories 1..5, or only 1 for a plan or supervision (their one tariff).
    int rowCount() const { return in_.family == Family::Building ? kCategories : 1; }
    bool offers(int category) const;

    // The fees of a category (1..5; 1 for a plan or supervision) at a value as typed into the
    // value box (display currency, or accounting units for a plan).
    Fees at(int category, double value) const;

    // Where the tariff prices, in the units of the value box: the whole table, and a
    // category within it. A range open at the top (supervision) ends at infinity.
    Range tableRange() const { return table_; }
    std::optional<Range> categoryRange(int category) const;

private:
    Fees building(int category, double value) const;
    Fees plan(double units) const;
    Fees supervision(double value) const;
    // Spreads the base fees over the ticked phases as the main window does.
    void spread(double baseMin, double baseMax, double addition, double discount, Fees& fees) const;
    // The value in the tariff's currency (DM) as the main window works it out.
    double inDm(double value) const;

    ServiceInputs in_;
    Range table_;                                                // display units
    Range tableDm_ = kCommonRange;                               // buildings, DM
    std::array<std::optional<Range>, kCategories> categoryDm_{}; // DM
};

} // namespace tarvel::comparison
