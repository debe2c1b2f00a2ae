// SPDX-License-Identifier: GPL-3.0-or-later
// The saved estimate's columns (the worked estimates are checked byte for byte by the
// scenarios).
#include <gtest/gtest.h>

#include "estimator/cost_model.h"
#include "estimator/estimate_report.h"

namespace tarvel::estimator {
namespace {

ReportInput reportFor(int type, const std::string& cost, const std::string& area,
                      const std::string& currency) {
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
    r.currency = currency;
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

// Columns are counted in characters, so the Croatian letters of the labels keep them aligned,
// and an amount wider than its column pushes the line out instead of failing.
TEST(EstimateReport, ColumnsCountCharactersAndWideAmountsDoNotFail) {
    ReportInput r = reportFor(7, "49.999", "4.999", "kn");
    r.construction[0] = "123.456.789.012.345";
    const std::string text = estimateReport(r);
    EXPECT_NE(text.find("310  Građevna jama         0,9  %, 123.456.789.012.345 kn\n"),
              std::string::npos);
    EXPECT_NE(text.find("460  Transportni uređaji   0    %,            0 kn\n"), std::string::npos);
}

} // namespace
} // namespace tarvel::estimator
