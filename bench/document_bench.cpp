// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of an offer over all eleven disciplines made into a document for the client:
//   - the document model alone, from the offer window's captions;
//   - the command "Dokument" of the offer window: the model, the letterhead from the settings,
//     and the whole document typeset into a PDF file in memory.
// The command should stay under 200 ms.
// Run: QT_QPA_PLATFORM=offscreen build/bin/tarvel-document-bench
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"
#include "forms/number_text.h"
#include "offer/frm_ponuda.h"
#include "offer/offer_document.h"
#include "program/program.h"
#include "system/memory_settings_store.h"
#include "ui/client_document.h"
#include "ui/qt_platform.h"

namespace {

using namespace tarvel;

// The captions of an offer whose eleven rows all hold a fee.
struct Row {
    std::string value, corrected, fee, share;
};
Row row(size_t i) {
    const double fee = 10000.0 * static_cast<double>(i + 1) + 0.55;
    return {forms::fmt(1000000.0 * static_cast<double>(i + 1), forms::kMoney),
            forms::fmt(900000.0 * static_cast<double>(i + 1), forms::kMoney),
            forms::fmt(fee, forms::kMoney), forms::fmt(fee * 100 / 12500000, forms::kMoney)};
}

void OfferDocumentModel(benchmark::State& state) {
    offer::OfferFigures f;
    f.txtNaziv = "Poslovna zgrada Čakovec";
    f.currency = "kn";
    f.Stopa = 0.25;
    f.VrijednostGradjevine = 12500000;
    for (size_t i = 0; i < f.rows.size(); ++i) {
        const Row r = row(i);
        f.rows[i] = {r.value, r.corrected, r.fee, r.share};
    }
    f.lblUkupno = "660.006,05";
    f.lblPu = "5,28";
    for (auto _ : state) {
        const forms::ClientDocument d = offer::offerDocument(f);
        benchmark::DoNotOptimize(d.rows.data());
    }
}
BENCHMARK(OfferDocumentModel)->Unit(benchmark::kMicrosecond);

// The platform of the program, with the document typeset into a PDF file in memory instead of
// a print preview.
class PdfInMemory : public ui::QtPlatform {
public:
    explicit PdfInMemory(const std::string& directory)
        : QtPlatform(std::make_unique<system::MemorySettingsStore>(), directory) {}
    std::optional<std::string> printClientDocument(const forms::ClientDocument& document,
                                                   forms::PrintTarget) override {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        const std::optional<std::string> failure = ui::typesetDocument(writer, document);
        bytes = buffer.size();
        return failure;
    }
    qint64 bytes = 0;
};

void OfferDocumentCommand(benchmark::State& state) {
    QTemporaryDir directory;
    PdfInMemory platform(directory.path().toStdString());
    platform.settings().set("UredNaziv", "Ured Horvat d.o.o.");
    platform.settings().set("UredAdresa", "Ilica 1, 10000 Zagreb");
    platform.settings().set("UredOIB", "69435151530");
    program::Program calc(platform);
    calc.start();
    auto& frm = static_cast<offer::FrmPonuda&>(calc.load("frmPonuda"));
    for (size_t i = 0; i < offer::kRows; ++i) {
        const Row r = row(i);
        frm.lblPt[i]->setCaption(r.value);
        frm.lblKt[i]->setCaption(r.corrected);
        frm.lblC[i]->setCaption(r.fee);
        frm.lblP[i]->setCaption(r.share);
    }
    frm.lblUkupno->setCaption("660.006,05");
    frm.lblPu->setCaption("5,28");
    for (auto _ : state)
        frm.cmdDokument->onClick();
    if (platform.bytes == 0)
        state.SkipWithError("no document was made");
    state.counters["PDF bytes"] = static_cast<double>(platform.bytes);
}
BENCHMARK(OfferDocumentCommand)->Unit(benchmark::kMillisecond);

} // namespace
