// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/print_routine.h"

#include <exception>
#include <optional>

#include "records/print_file_lines.h"
#include "records/print_layout.h"

namespace tarvel::records {

void printFile(forms::Platform& platform, const std::string& fileName, const std::string& title,
               forms::PrintTarget target) {
    const std::string path = platform.files().fullPath(fileName);
    platform.setBusy(true);
    std::optional<std::string> failure;
    try {
        // A file that cannot be opened fails before the printer is asked for anything.
        FileLines check(path, fileName);
        failure = platform.printDocument(title, target, [&](forms::PrintSurface& surface) {
            FileLines lines(path, fileName);
            layOutPages(title, lines, surface);
        });
    } catch (const std::exception& e) {
        failure = e.what();
    }
    platform.setBusy(false);
    if (failure)
        platform.messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok, " Ispis podataka",
                            "Greška : " + *failure);
}

} // namespace tarvel::records
