// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "forms/platform.h"

// The disciplines of one building that an offer gathers, one row of the offer composer each.
namespace tarvel::offer {

inline constexpr int kRows = 11;
inline constexpr int kOstalo = 10;    // the row that gathers any other services
inline constexpr int kSpecialRow = 8; // special plant: the user picks the service

// How strictly a row's capture button checks the service of the main window.
enum class DisciplineKind {
    StrictAnyRow, // a foreign service is refused; the row need not be in work (0, 1)
    Strict,       // a foreign service is refused; the row must be in work (3, 4, 5)
    Lenient,      // a foreign service is accepted after a warning; the row must be in work
    Special,      // any service; the user is told to choose it (8)
    Accumulating  // any service, one after another (10)
};

// What a capture with a service the row does not accept shows.
struct ForeignServiceMessage {
    forms::MsgIcon icon = forms::MsgIcon::Critical;
    std::string_view title;
    std::string_view text; // "" for rows that accept any service
};

struct Discipline {
    std::string_view key;    // `Struka`
    std::string_view button; // the capture button
    std::string_view buttonCaption;
    std::string_view suffix;               // `OznakaDiscipline` of its record
    std::string_view handTitle;            // title of a section entered by hand; "" when none
    std::array<std::string_view, 2> codes; // services accepted; none listed: any
    DisciplineKind kind;
    ForeignServiceMessage foreign;

    // Whether a capture takes the service without a message.
    bool accepts(std::string_view usluga) const;
};

const std::array<Discipline, kRows>& disciplines();
const Discipline& discipline(int row);

// Services with which an empty special or "Ostalo" row is sent to the main window instead of
// captured: nothing chosen, or the services priced on the whole building.
bool isWholeBuildingOrNone(std::string_view usluga);

} // namespace tarvel::offer
