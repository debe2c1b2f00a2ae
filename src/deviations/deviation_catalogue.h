// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// The deviations of the fee regulation: for each service that has them, the rows of the
// deviations dialog, what each row's input adds and how it is described in the record.
namespace tarvel::deviations {

enum class Input { None, Text, Check, Option };

// How a text input refuses a value.
enum class Limit {
    Range,       // below low or above high: the range message; the dialog stays open
    AtMost,      // above high: the entry's own message; the dialog stays open
    TunnelBelow, // high or more: the entry's own message; the dialog closes, nothing handed over
};

struct DeviationItem {
    int row;                  // 1..8 from the top; 0 for the input below row 8
    std::string_view caption; // the row's caption; "" for the input below row 8
    std::string_view control; // "txt1", "chk3", "opt5(1)"; "" for a caption without input
    Input input;
    // Text inputs: the accepted values and the description line, prefix + text + suffix.
    Limit limit = Limit::Range;
    double low = 0;
    double high = 0;
    std::string_view message; // the refusal of AtMost and TunnelBelow
    std::string_view linePrefix;
    std::string_view lineSuffix;
    // Check boxes and options: the fixed addition in per cent.
    int addition = 0;
    // The formwork entry of the structural design: it lowers the phase-7 share to 27.
    bool phaseSevenShare = false;
};

// A control that stands on another row than its design row.
struct MovedControl {
    std::string_view control;
    int row;
};

struct DeviationService {
    std::string_view code;
    std::span<const DeviationItem> items; // in evaluation order
    // Per-cent signs shown beside the text inputs.
    std::span<const std::string_view> percentSigns;
    std::span<const MovedControl> moved;
    std::string_view note; // the text of lblPomoc
    bool noteLeft;         // the note stands at the left, not centred
    bool picture;          // the picture img1 is shown
    int helpNumber;        // the dialog's help topic number (classic help)
    std::string_view helpPage;
};

std::span<const DeviationService> deviationCatalogue();
// The deviations of a service code, or nullptr when it has none.
const DeviationService* findDeviations(std::string_view code);

// The row a control of the dialog stands on for a service: its moved row, else its design
// row (txt1 and Label1 row 1, txt2 and Label2 row 3, chkN row N+1, opt5(k) row 5+k, lblN row
// N); 0 for txt3 and Label3 below row 8, -1 for a control outside the rows.
int rowOf(const DeviationService& service, std::string_view control);

inline constexpr std::string_view kTunnelRefusal =
    "Za cijenu preko 250 % veću od osnovne, račun treba izvesti ručno";
inline constexpr std::string_view kBridgeLimit = "Sva tri dodatka zajedno ne mogu prijeći 150 %";

} // namespace tarvel::deviations
