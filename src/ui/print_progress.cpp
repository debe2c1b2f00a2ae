// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_progress.h"

#include <QCoreApplication>

namespace tarvel::ui {

namespace {

constexpr int kShowAfterMs = 1000;
constexpr int kEventsEveryMs = 50;

} // namespace

PrintProgress::PrintProgress(QWidget* parent) : dialog_(parent) {
    dialog_.setWindowTitle(QStringLiteral(" Ispis"));
    dialog_.setLabelText(QStringLiteral("Ispis…"));
    dialog_.setCancelButtonText(QStringLiteral("Odustani"));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setRange(0, 0);
    dialog_.setValue(0); // the time to the dialog starts
    sinceEvents_.start();
}

void PrintProgress::setPageCount(int pages) {
    pages_ = pages;
    dialog_.setRange(0, pages);
}

void PrintProgress::startPage(int page) {
    if (sinceEvents_.elapsed() < kEventsEveryMs)
        return;
    sinceEvents_.restart();
    if (pages_ > 0) {
        dialog_.setLabelText(QStringLiteral("Ispis… stranica %1 od %2").arg(page).arg(pages_));
        dialog_.setValue(page - 1);
    }
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
    if (dialog_.wasCanceled())
        throw PrintCancelled{};
}

} // namespace tarvel::ui
