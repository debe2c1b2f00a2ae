// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The euro's fixed conversion rates, exact and irrevocable. The fee scale stays defined in DM:
// a value in euro is converted to DM for the tables, and every fee back.
namespace tarvel::engine {

inline constexpr double kDmPerEuro = 1.95583;
inline constexpr double kKunaPerEuro = 7.5345;

} // namespace tarvel::engine
