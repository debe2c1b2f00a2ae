// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "estimator/estimate_report.h"
#include "forms/client_document.h"

namespace tarvel::estimator {

// The computed estimate as a document for the client: the building, its type, area and cost
// per m², then the two cost groups, each group with its share and amount and each total with
// its share of the whole, and the whole value with its currency. Made from the same figures
// as the report in Pregled.txt.
forms::ClientDocument estimateDocument(const ReportInput& in, const std::string& building);

inline constexpr const char* kEstimateTitle = "Procjena proračunske vrijednosti";

} // namespace tarvel::estimator
