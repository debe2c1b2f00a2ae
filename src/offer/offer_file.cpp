#include "offer/offer_file.h"

#include "forms/message_titles.h"
#include "forms/platform.h"

namespace tarvel::offer {

bool writeOfferFile(forms::Platform& platform, const std::string& text) {
    const forms::WriteResult written = platform.files().replaceWhole(kOfferFile, text);
    switch (written.result) {
    case forms::FileResult::Ok:
        return true;
    case forms::FileResult::AccessDenied:
        platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok,
                            forms::titles::kCannot,
                            std::string("Datoteka ") + kOfferFile +
                                " je otvorena u drugom programu. Prvo zatvorite taj program, a "
                                "zatim ponovite proces pohranjivanja.");
        return false;
    case forms::FileResult::Failed:
        break;
    }
    // A user must not send an offer that the file does not hold.
    const std::string reason = written.reason.empty() ? "nepoznata greška" : written.reason;
    platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok, forms::titles::kCannot,
                        std::string("Ponuda nije zapisana u datoteku ") + kOfferFile +
                            ". Razlog: " + reason + ".");
    return false;
}

} // namespace tarvel::offer
