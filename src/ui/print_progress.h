// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

namespace tarvel::ui {

// Thrown out of a print the user cancelled from its progress dialog.
struct PrintCancelled {};

// The progress of a print, page by page, in a modal dialog "Ispis…" with "Odustani". A short
// print shows nothing: the dialog appears only when the print is going to last more than a
// second. The window answers meanwhile (at most every 50 ms, the print runs on the GUI thread);
// before the dialog is shown, user input waits until the print ends.
class PrintProgress {
public:
    explicit PrintProgress(QWidget* parent);

    // The number of pages, once counted; until then the dialog shows no bar.
    void setPageCount(int pages);
    // Page `page` (from 1) begins. Throws PrintCancelled when the user cancelled.
    void startPage(int page);

private:
    QProgressDialog dialog_;
    QElapsedTimer sinceEvents_;
    int pages_ = 0;
};

} // namespace tarvel::ui
