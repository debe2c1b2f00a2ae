// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "forms/client_document.h"
#include "records/record_text.h"

namespace tarvel::records {

// The lowest and the highest fee of one phase as the main window shows them.
struct PhaseBand {
    std::string lblFc;  // lowest
    std::string lblFcm; // highest
};

// The calculation on show as a document for the client: the building and the service, a
// table of the phases with their shares and their lowest, highest and chosen fees, the
// discount, the addition and the deviations, the tax and the total with its currency. Made
// from the same captions as the record (`PripremiIzracun`); throws forms::ConversionError
// for a caption that is not a number, as the record does.
forms::ClientDocument calculationDocument(const RecordInputs& in,
                                          const std::array<PhaseBand, 8>& bands);

// The title of the calculation's document, also its print job's name.
inline constexpr const char* kCalculationTitle = "Izračun cijene usluge";

// The building name box's own text, shown while no name was typed.
inline constexpr const char* kNoBuildingName = "NAZIV GRAĐEVINE";

} // namespace tarvel::records
