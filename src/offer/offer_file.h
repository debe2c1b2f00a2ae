// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "records/program_files.h"

namespace tarvel::forms {
class Platform;
}

namespace tarvel::offer {

using records::kOfferFile;

// Replaces the offer file with the text (Windows-1250, CR LF). A file that another program
// holds, or any other failure, is reported in a message box and leaves the former file as it
// was. Returns whether the file now holds the text.
bool writeOfferFile(forms::Platform& platform, const std::string& text);

} // namespace tarvel::offer
