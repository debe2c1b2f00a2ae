// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text files the program keeps in its program directory.
namespace tarvel::records {

// The saved calculations: one record per save, only ever appended to.
inline constexpr const char* kRecordFile = "Cijena.txt";
// The current offer, replaced whole at every write.
inline constexpr const char* kOfferFile = "Ponuda.txt";
// The last saved estimate, and its copy for printing (removed once printed).
inline constexpr const char* kEstimateFile = "Pregled.txt";
inline constexpr const char* kEstimatePrintFile = "Trenvr.txt";

} // namespace tarvel::records
