// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "deviations/deviation_catalogue.h"
#include "deviations/evaluation.h"
#include "forms/number_text.h"

namespace tarvel::deviations {
namespace {

// What a user entered into the dialog, by control name.
struct Entered {
    std::map<std::string, std::string, std::less<>> texts;
    std::set<std::string, std::less<>> chosen;

    DeviationInputs inputs() const {
        return {[this](std::string_view c) {
                    const auto it = texts.find(c);
                    return it == texts.end() ? std::string() : it->second;
                },
                [this](std::string_view c) {
                    return chosen.count(c) != 0;
                }};
    }
};

const DeviationService& service(std::string_view code) {
    const DeviationService* s = findDeviations(code);
    EXPECT_NE(s, nullptr) << code;
    return *s;
}

Evaluation evaluateText(const DeviationService& s, std::string_view control,
                        const std::string& text) {
    Entered e;
    e.texts[std::string(control)] = text;
    return evaluate(s, e.inputs());
}

// Fourteen building services have deviations; the code must match exactly.
TEST(DeviationCatalogue, FourteenServicesAndNoneForOthers) {
    EXPECT_EQ(deviationCatalogue().size(), 14u);
    for (const char* none : {"", "APg", "Nnadzor", "Gvodovod", "avisoko"})
        EXPECT_EQ(findDeviations(none), nullptr) << none;
}

TEST(DeviationCatalogue, EveryRowHoldsOneCaptionAndEveryControlOneRow) {
    for (const DeviationService& s : deviationCatalogue()) {
        std::set<int> rows;
        std::set<std::string_view> controls;
        for (const DeviationItem& item : s.items) {
            if (item.row > 0) {
                EXPECT_TRUE(rows.insert(item.row).second) << s.code << " row " << item.row;
                EXPECT_FALSE(item.caption.empty()) << s.code << " row " << item.row;
            }
            if (item.input != Input::None) {
                EXPECT_TRUE(controls.insert(item.control).second) << s.code << item.control;
                // The input stands on the row of its caption.
                EXPECT_EQ(rowOf(s, item.control), item.row) << s.code << " " << item.control;
            }
        }
    }
}

TEST(DeviationCatalogue, MovedControlsAndDesignRows) {
    EXPECT_EQ(rowOf(service("Gkons"), "txt3"), 2);
    EXPECT_EQ(rowOf(service("Gkons"), "Label3"), 2);
    EXPECT_EQ(rowOf(service("GNmost"), "txt3"), 0);
    EXPECT_EQ(rowOf(service("Ging"), "opt5(0)"), 3);
    EXPECT_EQ(rowOf(service("Ging"), "opt5(3)"), 6);
    EXPECT_EQ(rowOf(service("Gkons"), "opt5(3)"), 8);
    EXPECT_EQ(rowOf(service("GNceste"), "chk7"), 1);
    EXPECT_EQ(rowOf(service("GNmost"), "chk7"), 8);
    EXPECT_EQ(rowOf(service("GNmost"), "chk1"), 2);
    EXPECT_EQ(rowOf(service("Avisoko"), "lbl8"), 8);
    EXPECT_EQ(rowOf(service("Avisoko"), "cmdIzlaz"), -1);
    EXPECT_EQ(rowOf(service("Avisoko"), "chk8"), -1);
}

// Every bound of every text input: both bounds are accepted, a step beyond each is refused
// with the caption of the input's own row.
TEST(DeviationEvaluation, RangeBoundsOfEveryTextInput) {
    int ranges = 0;
    for (const DeviationService& s : deviationCatalogue()) {
        for (const DeviationItem& item : s.items) {
            if (item.input != Input::Text || item.limit != Limit::Range)
                continue;
            ++ranges;
            // The caption names the range ("upišite 25 do 50"); the construction row's
            // "+ 20 %, + 80 %" allows 20 up to 100.
            const std::string caption(item.caption);
            if (const size_t at = caption.find("upišite "); at != std::string::npos) {
                const size_t to = caption.find(" do ", at);
                EXPECT_EQ(item.low, forms::num(caption.substr(at + 9, to - at - 9))) << caption;
                EXPECT_EQ(item.high, forms::num(caption.substr(to + 4))) << caption;
            } else {
                EXPECT_EQ(item.low, 20);
                EXPECT_EQ(item.high, 100);
            }
            for (double v : {item.low, item.high}) {
                const std::string text = forms::plainText(v);
                const Evaluation e = evaluateText(s, item.control, text);
                EXPECT_EQ(e.outcome, Outcome::Accepted) << s.code << " " << text;
                EXPECT_EQ(e.percent, v) << s.code;
            }
            for (double v : {item.low - 1, item.high + 1, item.high + 0.5}) {
                const std::string text = forms::plainText(v);
                const Evaluation e = evaluateText(s, item.control, text);
                EXPECT_EQ(e.outcome, Outcome::StaysOpen) << s.code << " " << text;
                EXPECT_EQ(e.control, item.control);
                EXPECT_TRUE(e.beep);
                EXPECT_TRUE(e.question);
                EXPECT_EQ(e.message, rangeMessage(item.caption, text));
            }
        }
    }
    EXPECT_EQ(ranges, 14); // twelve reconstructions, the monument and the construction
}

// The description lines of the text inputs the scenarios do not reach.
TEST(DeviationEvaluation, DescriptionLinesByteForByte) {
    const struct {
        const char* code;
        const char* control;
        const char* text;
        const char* description;
    } cases[] = {
        {"Einst", "txt1", "100", " Rekonstrukcija 100 %,\r\n"},
        {"Gkons", "txt2", "40", "   Spomenik kulture 40 %,\r\n"},
        {"Gkons", "txt3", "20", "   Konstrukcija i rad. nacrti 20 %,\r\n"},
        {"GNtunel", "txt1", "12,5", "Dodatak na duljinu 12,5 %,\r\n"},
        {"GNmost", "txt3", "150", "   Ostali parametri za procjenu 150 %,\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(evaluateText(service(c.code), c.control, c.text).description, c.description);
    // The text is described as typed, and its value added.
    const Evaluation typed = evaluateText(service("Avisoko"), "txt1", "030");
    EXPECT_EQ(typed.description, " Rekonstrukcija 030 %,\r\n");
    EXPECT_EQ(typed.percent, 30);
}

// The fixed addition of every check box and option is the one its caption names, except
// the formwork entry (a phase share) and the harbour caption that reads "2o".
TEST(DeviationEvaluation, FixedAdditionOfEveryCheckBoxAndOption) {
    int fixedEntries = 0;
    for (const DeviationService& s : deviationCatalogue()) {
        for (const DeviationItem& item : s.items) {
            if (item.input != Input::Check && item.input != Input::Option)
                continue;
            ++fixedEntries;
            Entered e;
            e.chosen.insert(std::string(item.control));
            const Evaluation r = evaluate(s, e.inputs());
            ASSERT_EQ(r.outcome, Outcome::Accepted);
            EXPECT_EQ(r.description, "   " + std::string(item.caption) + ",\r\n");
            if (item.phaseSevenShare) {
                EXPECT_EQ(r.percent, 0);
                EXPECT_TRUE(r.phaseSevenAt27);
                continue;
            }
            EXPECT_FALSE(r.phaseSevenAt27);
            std::string caption(item.caption);
            if (s.code == "GNluke" && item.control == "chk4") {
                EXPECT_EQ(r.percent, 20);
                continue;
            }
            const size_t plus = caption.rfind("+ ");
            ASSERT_NE(plus, std::string::npos) << caption;
            const double named = forms::num(caption.substr(plus + 2, caption.size() - plus - 4));
            EXPECT_EQ(r.percent, named) << s.code << " " << item.control;
        }
    }
    EXPECT_EQ(fixedEntries, 5 + 5 + 6 + 7 + 1 + 4);
}

TEST(DeviationEvaluation, FirstRefusalInEvaluationOrderAndNothingCountedTwice) {
    const DeviationService& gkons = service("Gkons");
    Entered e;
    // The monument (row 3) is evaluated before the construction (row 2).
    e.texts = {{"txt2", "10"}, {"txt3", "120"}};
    EXPECT_EQ(evaluate(gkons, e.inputs()).control, "txt2");
    e.texts = {{"txt2", "40"}, {"txt3", "120"}};
    const Evaluation refused = evaluate(gkons, e.inputs());
    EXPECT_EQ(refused.control, "txt3");
    EXPECT_EQ(refused.percent, 0);
    e.texts["txt3"] = "100";
    const Evaluation again = evaluate(gkons, e.inputs());
    EXPECT_EQ(again.outcome, Outcome::Accepted);
    EXPECT_EQ(again.percent, 140);
}

TEST(DeviationEvaluation, RoadsAllSixAndNothingChosen) {
    Entered e;
    e.chosen = {"chk1", "chk2", "chk3", "chk4", "chk5", "chk7"};
    const Evaluation r = evaluate(service("GNceste"), e.inputs());
    EXPECT_EQ(r.percent, 160);
    EXPECT_TRUE(r.description.starts_with("   Rekonstrukcija cesta, + 20 %,\r\n"
                                          "   Rekonstrukcija cesta kroz naselje, + 30 %,\r\n"));
    const Evaluation none = evaluate(service("GNceste"), Entered{}.inputs());
    EXPECT_EQ(none.outcome, Outcome::Accepted);
    EXPECT_EQ(none.percent, 0);
    EXPECT_EQ(none.description, "");
}

// The tunnel's closing limits at their bounds (their messages are checked by the scenarios).
TEST(DeviationEvaluation, TunnelAndBridgeLimits) {
    const DeviationService& tunnel = service("GNtunel");
    EXPECT_EQ(evaluateText(tunnel, "txt1", "249").outcome, Outcome::Accepted);
    EXPECT_EQ(evaluateText(tunnel, "txt1", "250").outcome, Outcome::Closes);
    Entered e;
    e.chosen = {"chk1"};
    e.texts = {{"txt1", "221"}};
    EXPECT_EQ(evaluate(tunnel, e.inputs()).percent, 249);
    e.texts = {{"txt1", "222"}};
    EXPECT_EQ(evaluate(tunnel, e.inputs()).outcome, Outcome::Closes);

    const DeviationService& bridge = service("GNmost");
    EXPECT_EQ(evaluateText(bridge, "txt3", "0").outcome, Outcome::Accepted);
    EXPECT_EQ(evaluateText(bridge, "txt3", "150").percent, 150);
    const Evaluation over = evaluateText(bridge, "txt3", "151");
    EXPECT_EQ(over.outcome, Outcome::StaysOpen);
    EXPECT_EQ(over.control, "txt3");
    EXPECT_EQ(over.message, "Sva tri dodatka zajedno ne mogu prijeći 150 %");
    EXPECT_TRUE(over.beep);
}

// Only pasting brings in such texts; they are refused like an entry out of range.
TEST(DeviationEvaluation, PastedNonNumbersAndNegativesAreRefused) {
    for (const char* text : {"abc", "1,2,3", "-30", " "}) {
        const Evaluation r = evaluateText(service("Avisoko"), "txt1", text);
        EXPECT_EQ(r.outcome, Outcome::StaysOpen) << text;
        EXPECT_EQ(r.message, rangeMessage("Rekonstrukcija građevine - upišite 25 do 50", text));
        EXPECT_EQ(evaluateText(service("GNmost"), "txt3", text).outcome, Outcome::StaysOpen);
        EXPECT_EQ(evaluateText(service("GNtunel"), "txt1", text).outcome, Outcome::StaysOpen);
    }
}

} // namespace
} // namespace tarvel::deviations
