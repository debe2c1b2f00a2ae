// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/print_comparison.h"

#include <optional>

#include "records/print_layout.h"

namespace tarvel::comparison {

namespace {

class Lines : public records::LineSource {
public:
    explicit Lines(const std::vector<std::string>& lines) : lines_(lines) {}
    bool next(std::string& line) override {
        if (at_ == lines_.size())
            return false;
        line = lines_[at_++];
        return true;
    }

private:
    const std::vector<std::string>& lines_;
    size_t at_ = 0;
};

} // namespace

void printComparison(forms::Platform& platform, const std::vector<std::string>& lines) {
    platform.setBusy(true);
    const std::optional<std::string> failure = platform.printDocument(
        kPrintTitle, forms::PrintTarget::Printer, [&](forms::PrintSurface& surface) {
            Lines source(lines);
            records::layOutPages(kPrintTitle, source, surface);
        });
    platform.setBusy(false);
    if (failure)
        platform.messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok, " Ispis podataka",
                            "Greška : " + *failure);
}

} // namespace tarvel::comparison
