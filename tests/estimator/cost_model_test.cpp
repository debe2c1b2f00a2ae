// The estimator's table and arithmetic: the table's internal consistency, the worked figures,
// every limit and refusal, the DM conversion and the share and rate entries.
#include <cmath>
#include <gtest/gtest.h>

#include "estimator/cost_model.h"
#include "forms/number_text.h"

namespace tarvel::estimator {
namespace {

EstimateInput standardInput(int type, const std::string& cost, const std::string& area) {
    EstimateInput in;
    in.cost = cost;
    in.area = area;
    const BuildingType& t = buildingTypes()[static_cast<size_t>(type)];
    for (size_t i = 0; i < t.construction.size(); ++i)
        in.constructionShares[i] = shareText(t.construction[i]);
    for (size_t i = 0; i < t.installations.size(); ++i)
        in.installationShares[i] = shareText(t.installations[i]);
    return in;
}

constexpr int kFamilyHouses = 6;

TEST(BuildingTable, TypesAreInTabOrderWithTheirCaptions) {
    const auto& types = buildingTypes();
    EXPECT_EQ(types[0].caption, "Poslovne zgrade");
    EXPECT_EQ(types[kFamilyHouses].caption, "Obiteljske kuće");
    EXPECT_EQ(types[8].caption, "Višestambene zgrade");
    EXPECT_EQ(types[10].caption, "Industrijski objekti");
    EXPECT_EQ(types[0].constructionTotal, "78,4 %");
    EXPECT_EQ(types[0].installationTotal, "21,6 %");
    EXPECT_EQ(types[8].constructionTotal, "83,0");
    EXPECT_EQ(types[8].installationTotal, "17,0");
}

// The group shares add up to the published totals within their rounding, and the domestic
// prices are the German ones at 2,34 kn per DM (but for one published exception): a mistyped
// entry in either breaks this.
TEST(BuildingTable, SharesMatchTheirTotalsAndPricesTheirCounterparts) {
    for (const BuildingType& t : buildingTypes()) {
        SCOPED_TRACE(std::string(t.caption));
        double construction = 0, installations = 0;
        for (double s : t.construction)
            construction += s;
        for (double s : t.installations)
            installations += s;
        const auto published = [](std::string_view caption) {
            return forms::num(caption.substr(0, caption.find(' ')));
        };
        EXPECT_NEAR(construction, published(t.constructionTotal), 0.35);
        EXPECT_NEAR(installations, published(t.installationTotal), 0.35);
        for (size_t level = 0; level < 3; ++level) {
            if (t.caption != "Srednje škole" || level != Lowest) {
                EXPECT_EQ(t.domesticKn[level], std::lround(t.germanDm[level] * 2.34));
            }
            if (level > 0) {
                EXPECT_GT(t.germanDm[level], t.germanDm[level - 1]);
                EXPECT_GT(t.domesticKn[level], t.domesticKn[level - 1]);
            }
        }
    }
}

TEST(BuildingTable, GroupCaptionsSkipGroup380) {
    EXPECT_EQ(constructionCaptions()[0], "310  Građevna jama");
    EXPECT_EQ(constructionCaptions()[7], "390  Ostale konstrukcije");
    EXPECT_EQ(installationCaptions()[0], "410  Vodovod, odvod., plin");
    EXPECT_EQ(installationCaptions()[8], "490  Ostale instalacije");
}

TEST(ReferenceCosts, ColumnsAndFormats) {
    EXPECT_EQ(referenceCostText(0, Lowest, false), "4.493");
    EXPECT_EQ(referenceCostText(0, Lowest, true), "1.920");
    EXPECT_EQ(referenceCostText(kFamilyHouses, Middle, false), "2.738");
    EXPECT_EQ(referenceCostText(1, Highest, true), "4.200");
    EXPECT_EQ(referenceCostText(kFamilyHouses, Lowest, true), "990");
    EXPECT_EQ(shareText(3.8), "3,8");
    EXPECT_EQ(shareText(0), "0");
    EXPECT_EQ(shareText(13), "13");
}

TEST(ReferenceCosts, ConversionToDmRoundsToWholeUnits) {
    EXPECT_EQ(toDm("4.493", "3,90"), "1.152");
    EXPECT_EQ(toDm("2.738", "3,70"), "740");
    EXPECT_THROW(toDm("4.493", "0"), forms::ArithmeticError);
    EXPECT_THROW(toDm("x", "3,90"), forms::ConversionError);
}

TEST(Compute, FamilyHouseMiddleLevel) {
    const EstimateOutcome out = computeEstimate(standardInput(kFamilyHouses, "2738", "150"));
    ASSERT_FALSE(out.stop);
    const Estimate& e = out.estimate;
    EXPECT_EQ(e.cost, "2.738");
    EXPECT_EQ(e.area, "150");
    EXPECT_EQ(e.wholeValue, "410.700");
    EXPECT_EQ(e.construction[2], "119.514");
}

TEST(Compute, TotalsAreSumsOfTheRoundedGroups) {
    const EstimateOutcome out = computeEstimate(standardInput(kFamilyHouses, "2.738", "100"));
    ASSERT_FALSE(out.stop);
    const Estimate& e = out.estimate;
    EXPECT_EQ(e.construction[0], "6.845");
    EXPECT_EQ(e.construction[6], "821");
    EXPECT_EQ(e.installations[2], "0");
    EXPECT_EQ(e.constructionTotal, "233.004");
    EXPECT_EQ(e.installationTotal, "40.522");
    EXPECT_EQ(e.wholeValue, "273.800");
    EXPECT_EQ(e.constructionPercent, "85,1");
    EXPECT_EQ(e.installationPercent, "14,8");
    EXPECT_EQ(e.shareSum, "99,9");

    const EstimateOutcome twice = computeEstimate(standardInput(kFamilyHouses, "2738", "200"));
    EXPECT_EQ(twice.estimate.constructionTotal, "466.009");
    EXPECT_EQ(twice.estimate.installationTotal, "81.044");
    EXPECT_EQ(twice.estimate.wholeValue, "547.600");
}

TEST(Compute, EditedSharesAndAZeroValue) {
    EstimateInput in = standardInput(0, "1000", "10");
    in.constructionShares[0] = "50";
    in.installationShares[8] = "2,5";
    const Estimate e = computeEstimate(in).estimate;
    EXPECT_EQ(e.construction[0], "5.000");
    EXPECT_EQ(e.installations[8], "250");
    EXPECT_EQ(e.shareSum, "148,7"); // 78,3 - 3,8 + 50 + 21,7 + 2,5

    const Estimate zero = computeEstimate(standardInput(0, "0", "100")).estimate;
    EXPECT_EQ(zero.wholeValue, "0");
    EXPECT_EQ(zero.constructionPercent, "0");
    EXPECT_EQ(zero.installationPercent, "0");
}

TEST(Compute, StopsInTheirOrder) {
    auto stop = [](const std::string& cost, const std::string& area) {
        return computeEstimate(standardInput(0, cost, area)).stop;
    };
    EXPECT_EQ(stop("", ""), ComputeStop::NothingEntered);
    EXPECT_EQ(stop("", "100"), ComputeStop::NoCost);
    EXPECT_EQ(stop("1000", ""), ComputeStop::NoArea);
    EXPECT_FALSE(stop("1", "49999"));
    EXPECT_EQ(stop("1", "50000"), ComputeStop::AreaTooLarge);
    EXPECT_EQ(stop("60000", "50000"), ComputeStop::AreaTooLarge); // the area is checked first
    EXPECT_FALSE(stop("49999", "5000"));
    EXPECT_EQ(stop("50000", "1"), ComputeStop::CostTooLarge);
    EXPECT_EQ(stop("49999", "5001"), ComputeStop::ProductTooLarge); // 250044999
    EXPECT_EQ(stop("50.000", "1"), ComputeStop::CostTooLarge);      // grouped texts read back
    EXPECT_THROW(computeEstimate(standardInput(0, "abc", "1")), forms::ConversionError);
}

TEST(Compute, StopMessages) {
    EXPECT_EQ(stopMessage(ComputeStop::NoCost), "Niste izabrali - upisali cijenu / m2!");
    EXPECT_EQ(stopMessage(ComputeStop::NoArea), "Niste upisali broj kvadratnih metara!");
    EXPECT_EQ(stopMessage(ComputeStop::AreaTooLarge),
              "Vrijednost tako velikih građevina izračunava se parcijalno.");
    EXPECT_EQ(stopMessage(ComputeStop::CostTooLarge), stopMessage(ComputeStop::ProductTooLarge));
    EXPECT_EQ(stopMessage(ComputeStop::NothingEntered), "");
}

TEST(Entries, SharesAndRate) {
    EXPECT_EQ(finishShare("").text, "0");
    EXPECT_TRUE(finishShare("").accepted);
    EXPECT_TRUE(finishShare("100").accepted);
    EXPECT_EQ(finishShare("38,5").text, "38,5");
    EXPECT_FALSE(finishShare("385").accepted);
    EXPECT_FALSE(finishShare("100,1").accepted);

    EXPECT_EQ(finishRate(""), "3,90");
    EXPECT_EQ(finishRate("0"), "3,90");
    EXPECT_EQ(finishRate("0,00"), "3,90"); // a zero rate would divide by zero later
    EXPECT_EQ(finishRate("4"), "4,00");
    EXPECT_EQ(finishRate("1234,5"), "1234,50");
}

TEST(Regulation, BothBoundsAllowed) {
    EXPECT_FALSE(withinRegulation(62999));
    EXPECT_TRUE(withinRegulation(63000));
    EXPECT_TRUE(withinRegulation(40000000));
    EXPECT_FALSE(withinRegulation(40000000.5));
    EXPECT_FALSE(withinRegulation(233004 / 3.7)); // 62974 DM
}

} // namespace
} // namespace tarvel::estimator
