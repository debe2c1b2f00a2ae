// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace tarvel::forms {

// A printed document as the lines of each page, for the platforms that record what would be
// printed instead of printing it (the scenario runner, the model tests).
struct PrintJob {
    std::string title;
    std::vector<std::vector<std::string>> pages;
};

// Lays a document out on A4 pages with 10 pt type and collects their lines. Returns the
// render's failure, or the pages.
inline std::optional<std::string> collectPages(const std::string& title, const PrintRender& render,
                                               PrintJob& job) {
    class TextPages : public PrintSurface {
    public:
        explicit TextPages(PrintJob& job) : job_(job) {}
        double widthCm() const override { return 19.0; }
        double heightCm() const override { return 27.7; }
        double lineHeightCm() const override { return 0.4; }
        void printText(double, double, const std::string& text) override {
            job_.pages.back().push_back(text);
        }
        void newPage() override { job_.pages.emplace_back(); }

    private:
        PrintJob& job_;
    };
    job = PrintJob{title, {{}}};
    TextPages pages(job);
    try {
        render(pages);
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

} // namespace tarvel::forms
