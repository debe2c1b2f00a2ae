#pragma once

// The names under which the program keeps its per-user settings and data.
namespace tarvel::system {

inline constexpr const char* kOrganisationName = "Tarvel";
inline constexpr const char* kApplicationName = "Tarvel";

} // namespace tarvel::system
