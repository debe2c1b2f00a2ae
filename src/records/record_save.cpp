#include "records/record_save.h"

#include "forms/message_titles.h"
#include "forms/platform.h"

namespace tarvel::records {

bool saveRecord(forms::Platform& platform, const std::string& izracun) {
    const forms::WriteResult written = platform.files().append(kRecordFile, izracun + "\r\n");
    switch (written.result) {
    case forms::FileResult::Ok:
        return true;
    case forms::FileResult::AccessDenied:
        platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok,
                            forms::titles::kCannot,
                            std::string("Datoteka ") + kRecordFile +
                                " je otvorena u drugom programu. Prvo zatvorite taj program, a "
                                "zatim ponovite proces pohranjivanja.");
        return false;
    case forms::FileResult::Failed:
        break;
    }
    // The file keeps its former length, so the save can simply be repeated once the cause is
    // mended.
    const std::string reason = written.reason.empty() ? "nepoznata greška" : written.reason;
    platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok, forms::titles::kCannot,
                        std::string("Izračun nije pohranjen u datoteku ") + kRecordFile +
                            ". Razlog: " + reason + ".");
    return false;
}

} // namespace tarvel::records
