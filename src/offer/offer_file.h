// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarvel::forms {
class Platform;
}

namespace tarvel::offer {

// The offer file in the program directory: the current offer, replaced whole at every write.
inline constexpr const char* kOfferFile = "Ponuda.txt";

// Replaces the offer file with the text (Windows-1250, CR LF). A file that another program
// holds, or any other failure, is reported in a message box and leaves the former file as it
// was. Returns whether the file now holds the text.
bool writeOfferFile(forms::Platform& platform, const std::string& text);

} // namespace tarvel::offer
