// SPDX-License-Identifier: GPL-3.0-or-later
#include "offer/offer_file.h"

#include "forms/platform.h"
#include "records/record_save.h"

namespace tarvel::offer {

bool writeOfferFile(forms::Platform& platform, const std::string& text) {
    // A user must not send an offer that the file does not hold.
    return records::reportWrite(platform, kOfferFile,
                                platform.files().replaceWhole(kOfferFile, text),
                                "Ponuda nije zapisana");
}

} // namespace tarvel::offer
