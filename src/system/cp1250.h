// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Windows-1250 conversion lives with the core, which the print layout shares; the files of
// the program directory use it from here.
#include "forms/cp1250.h"

namespace tarvel::system {

using forms::cp1250ToUnicode;
using forms::decodeCp1250;
using forms::encodeCp1250;

} // namespace tarvel::system
