// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviations/evaluation.h"

#include "forms/number_text.h"

namespace tarvel::deviations {
namespace {

Evaluation stayOpen(const DeviationItem& item, std::string message) {
    Evaluation e;
    e.outcome = Outcome::StaysOpen;
    e.control = std::string(item.control);
    e.message = std::move(message);
    e.question = true;
    e.beep = true;
    return e;
}

Evaluation tunnelRefusal(bool beep) {
    Evaluation e;
    e.outcome = Outcome::Closes;
    e.message = std::string(kTunnelRefusal);
    e.question = false;
    e.beep = beep;
    return e;
}

} // namespace

std::string rangeMessage(std::string_view caption, std::string_view entered) {
    std::string m(caption);
    m += " %, a vaš upis je: ";
    m += entered;
    m += " %,\r\n";
    return m;
}

Evaluation evaluate(const DeviationService& service, const DeviationInputs& inputs) {
    Evaluation result;
    for (const DeviationItem& item : service.items) {
        switch (item.input) {
        case Input::None:
            break;
        case Input::Text: {
            const std::string text = inputs.text(item.control);
            if (text.empty())
                break;
            // Only pasting brings in a text that is not a number, or a negative one: both
            // are refused as an entry outside the accepted values.
            double v = 0;
            bool readable = true;
            try {
                v = forms::num(text);
            } catch (const forms::ConversionError&) {
                readable = false;
            }
            const std::string refusal = item.limit == Limit::AtMost
                                            ? std::string(item.message)
                                            : rangeMessage(item.caption, text);
            if (!readable || v < 0)
                return stayOpen(item, refusal);
            if (item.limit == Limit::Range && (v < item.low || v > item.high))
                return stayOpen(item, refusal);
            if (item.limit == Limit::AtMost && v > item.high)
                return stayOpen(item, refusal);
            if (item.limit == Limit::TunnelBelow && v >= item.high)
                return tunnelRefusal(true);
            result.percent += v;
            result.description +=
                std::string(item.linePrefix) + text + std::string(item.lineSuffix) + "\r\n";
            break;
        }
        case Input::Check:
        case Input::Option:
            if (!inputs.chosen(item.control))
                break;
            if (item.phaseSevenShare)
                result.phaseSevenAt27 = true;
            else
                result.percent += item.addition;
            result.description += "   " + std::string(item.caption) + ",\r\n";
            break;
        }
    }
    // The tunnel's total must stay below its limit too; this refusal does not beep.
    for (const DeviationItem& item : service.items) {
        if (item.limit == Limit::TunnelBelow && result.percent >= item.high)
            return tunnelRefusal(false);
    }
    return result;
}

} // namespace tarvel::deviations
