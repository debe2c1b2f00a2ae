// The saved estimate byte for byte: the worked family-house estimate and its DM variant.
#include <gtest/gtest.h>

#include "estimator/cost_model.h"
#include "estimator/estimate_report.h"

namespace tarvel::estimator {
namespace {

ReportInput reportFor(int type, const std::string& cost, const std::string& area, bool inDm) {
    const BuildingType& t = buildingTypes()[static_cast<size_t>(type)];
    EstimateInput in;
    in.cost = cost;
    in.area = area;
    for (size_t i = 0; i < t.construction.size(); ++i)
        in.constructionShares[i] = shareText(t.construction[i]);
    for (size_t i = 0; i < t.installations.size(); ++i)
        in.installationShares[i] = shareText(t.installations[i]);
    const Estimate e = computeEstimate(in).estimate;
    ReportInput r;
    r.typeCaption = std::string(t.caption);
    r.area = e.area;
    r.cost = e.cost;
    r.inDm = inDm;
    r.constructionShares = in.constructionShares;
    r.installationShares = in.installationShares;
    r.construction = e.construction;
    r.installations = e.installations;
    r.constructionTotal = e.constructionTotal;
    r.constructionPercent = e.constructionPercent;
    r.installationTotal = e.installationTotal;
    r.installationPercent = e.installationPercent;
    r.wholeValue = e.wholeValue;
    r.shareSum = e.shareSum;
    return r;
}

const char* const kFamilyHouse = "Tip građevine: Obiteljske kuće\n"
                                 "Bruto površina 100 m2\n"
                                 "Okvirni troškovi 2.738 kn/m2\n"
                                 "\n"
                                 "Grupa troškova 300\n"
                                 "310  Građevna jama         2,5  %,        6.845 kn\n"
                                 "320  Temeljenje            6,5  %,       17.797 kn\n"
                                 "330  Vanjski zidovi        29,1 %,       79.676 kn\n"
                                 "340  Unutarnji zidovi      15   %,       41.070 kn\n"
                                 "350  Stropovi              17   %,       46.546 kn\n"
                                 "360  Krovovi               12,6 %,       34.499 kn\n"
                                 "370  Građevinske ugradnje  0,3  %,          821 kn\n"
                                 "390  Ostale konstrukcije   2,1  %,        5.750 kn\n"
                                 "Građenje ukupno:                        233.004 kn ili  85,1 %\n"
                                 "\n"
                                 "Grupa troškova 400\n"
                                 "410  Vodovod, odvod., plin 5,9  %,       16.154 kn\n"
                                 "420  Grijanje              6,3  %,       17.249 kn\n"
                                 "430  Obrada zraka          0    %,            0 kn\n"
                                 "440  Jaka struja           2,2  %,        6.024 kn\n"
                                 "450  Komunikacijske inst.  0,4  %,        1.095 kn\n"
                                 "460  Transportni uređaji   0    %,            0 kn\n"
                                 "470  Posebna postrojenja   0    %,            0 kn\n"
                                 "480  Automatika zgrade     0    %,            0 kn\n"
                                 "490  Ostale instalacije    0    %,            0 kn\n"
                                 "Instalacije ukupno:                      40.522 kn ili  14,8 %\n"
                                 "\n"
                                 "Okvirni troškovi ukupno:                273.800 kn ili 99,9 %\n";

TEST(EstimateReport, WorkedFamilyHouseByteForByte) {
    EXPECT_EQ(estimateReport(reportFor(6, "2738", "100", false)), kFamilyHouse);
    EXPECT_EQ(estimateFileText(reportFor(6, "2738", "100", false)),
              std::string(kFamilyHouse) + "\n");
}

TEST(EstimateReport, DmEstimateNamesDmEverywhere) {
    const std::string dm = estimateReport(reportFor(6, "2738", "100", true));
    std::string expected = kFamilyHouse;
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{" kn/m2", " DM/m2"}, {" kn", " DM"}}) {
        for (size_t at = expected.find(from); at != std::string::npos;
             at = expected.find(from, at + to.size()))
            expected.replace(at, from.size(), to);
    }
    EXPECT_EQ(dm, expected);
}

// Columns are counted in characters, so the Croatian letters of the labels keep them aligned,
// and an amount wider than its column pushes the line out instead of failing.
TEST(EstimateReport, ColumnsCountCharactersAndWideAmountsDoNotFail) {
    ReportInput r = reportFor(7, "49.999", "4.999", false);
    r.construction[0] = "123.456.789.012.345";
    const std::string text = estimateReport(r);
    EXPECT_NE(text.find("310  Građevna jama         0,9  %, 123.456.789.012.345 kn\n"),
              std::string::npos);
    EXPECT_NE(text.find("460  Transportni uređaji   0    %,            0 kn\n"), std::string::npos);
}

} // namespace
} // namespace tarvel::estimator
