// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The titles of the program's message boxes, each written once. Most begin with a blank, as
// the program has always shown them.
namespace tarvel::forms::titles {

inline constexpr const char* kCannot = " Ne može";
inline constexpr const char* kProgram = " TARVEL USLUGA";
inline constexpr const char* kNoFile = " Nema datoteke";
inline constexpr const char* kNoHelp = " Nema pomoći";
inline constexpr const char* kAttention = " Pažnja";
inline constexpr const char* kCheck = " Provjerite";

} // namespace tarvel::forms::titles
