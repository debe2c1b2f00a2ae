// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_save.h"

#include "forms/message_titles.h"
#include "forms/platform.h"

namespace tarvel::records {

bool reportWrite(forms::Platform& platform, const std::string& fileName,
                 const forms::WriteResult& written, const std::string& notWritten) {
    switch (written.result) {
    case forms::FileResult::Ok:
        return true;
    case forms::FileResult::InUse:
        platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok,
                            forms::titles::kCannot,
                            "Datoteka " + fileName +
                                " je otvorena u drugom programu. Prvo zatvorite taj program, a "
                                "zatim ponovite proces pohranjivanja.");
        return false;
    case forms::FileResult::Failed:
        break;
    }
    // Nothing half-written stays behind, so the command can simply be repeated once the cause
    // is mended; the user must not believe it was done.
    const std::string reason = written.reason.empty() ? "nepoznata greška sustava" : written.reason;
    platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok, forms::titles::kCannot,
                        notWritten + " u datoteku " + fileName + ". Razlog: " + reason + ".");
    return false;
}

bool saveRecord(forms::Platform& platform, const std::string& izracun) {
    return reportWrite(platform, kRecordFile,
                       platform.files().append(kRecordFile, izracun + "\r\n"),
                       "Izračun nije pohranjen");
}

} // namespace tarvel::records
