// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names under which the program keeps its per-user settings and data, and the one id that
// names its desktop entry, its metainfo and its icon.
namespace tarvel::system {

inline constexpr const char* kOrganisationName = "Tarvel";
inline constexpr const char* kApplicationName = "Tarvel";
inline constexpr const char* kApplicationId = "hr.tarvel.Tarvel";

} // namespace tarvel::system
