// SPDX-License-Identifier: GPL-3.0-or-later
// The three client documents typeset as PDF files and read back with poppler-utils (installed by
// scripts/install-deps.sh): every figure and the letterhead are in the text, the fonts are
// embedded, the amounts of a column end at one edge, and a rendered page has ink where the
// letterhead and the table are and none in its right margin. With TARVEL_DOCUMENT_PNG_DIR set,
// the first page of each is left there as documents-NAME.png.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "estimator/estimate_document.h"
#include "forms/number_text.h"
#include "offer/offer_document.h"
#include "records/calculation_document.h"
#include "system/memory_settings_store.h"
#include "ui/client_document.h"
#include "ui/qt_platform.h"

namespace tarvel::ui {
namespace {

forms::Letterhead office(const QString& logo) {
    return {"Ured Horvat d.o.o.", "Ilica 1, 10000 Zagreb", "69435151530",     "+385 1 234 5678",
            "ured@horvat.hr",     "https://www.horvat.hr", logo.toStdString()};
}

forms::ClientDocument calculation() {
    records::RecordInputs in;
    in.txtNaziv = "Obiteljska kuća Horvat";
    in.lblProjekt = "ARHITEKTONSKI PROJEKT GRAĐEVINE";
    in.lbl1 = "Proračunska vrijednost:";
    in.txtInvest = "1.500.000,00";
    in.lblValutaFaza = "kn";
    in.fraKatVisible = true;
    in.category = 3;
    in.lblCmin = "52.304,63";
    in.lblCmax = "64.934,12";
    in.lblSumamin = "52.304,63";
    in.lblSumamax = "64.934,12";
    in.lblOdabir = "64.934,12";
    in.phases = {{{"1. Provjera zadatka", "2", "1.298,68", true},
                  {"2. Idejno rješenje", "6", "3.896,05", true},
                  {"3. Idejni projekt", "14", "9.090,78", true},
                  {"4. Lokacijska dozvola", "3", "1.948,02", true},
                  {"5. Glavni projekt", "30", "19.480,24", true},
                  {"6. Građevna dozvola", "3", "1.948,02", true},
                  {"7. Izvedbeni projekt", "32", "20.778,92", true},
                  {"8. Troškovnik", "10", "6.493,41", true}}};
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.Usluga = "Avisoko";
    in.Stopa = 0.25;
    const std::array<records::PhaseBand, 8> bands = {{{"1.046,09", "1.298,68"},
                                                      {"3.138,28", "3.896,05"},
                                                      {"7.322,65", "9.090,78"},
                                                      {"1.569,14", "1.948,02"},
                                                      {"15.691,39", "19.480,24"},
                                                      {"1.569,14", "1.948,02"},
                                                      {"16.737,48", "20.778,92"},
                                                      {"5.230,46", "6.493,41"}}};
    return records::calculationDocument(in, bands);
}

// An offer over all eleven disciplines; the water entered by hand.
forms::ClientDocument offer() {
    offer::OfferFigures f;
    f.txtNaziv = "Poslovna zgrada Čakovec";
    f.currency = "kn";
    f.Stopa = 0.25;
    f.VrijednostGradjevine = 12500000;
    double total = 0;
    for (size_t i = 0; i < f.rows.size(); ++i) {
        const double fee = 10000.0 * static_cast<double>(i + 1) + 0.55;
        total += fee;
        f.rows[i] = {forms::fmt(1000000.0 * static_cast<double>(i + 1), forms::kMoney),
                     i == 2 ? "prema iskustvu"
                            : forms::fmt(900000.0 * static_cast<double>(i + 1), forms::kMoney),
                     forms::fmt(fee, forms::kMoney),
                     forms::fmt(fee * 100 / 12500000, forms::kMoney)};
    }
    f.lblUkupno = forms::fmt(total, forms::kMoney);
    f.lblPu = "5,28";
    return offer::offerDocument(f);
}

// The family house of the estimator's worked example: 100 m² at the middle domestic cost.
forms::ClientDocument estimate() {
    estimator::ReportInput in;
    in.typeCaption = "Obiteljske kuće";
    in.area = "100";
    in.cost = "2.738";
    in.constructionShares = {"2,5", "6,5", "29,1", "15", "17", "12,6", "0,3", "2,1"};
    in.construction = {"6.845", "17.797", "79.676", "41.070", "46.546", "34.499", "821", "5.750"};
    in.installationShares = {"5,9", "6,3", "0", "2,2", "0,4", "0", "0", "0", "0"};
    in.installations = {"16.154", "17.249", "0", "6.024", "1.095", "0", "0", "0", "0"};
    in.constructionTotal = "233.004";
    in.constructionPercent = "85,1";
    in.installationTotal = "40.522";
    in.installationPercent = "14,8";
    in.wholeValue = "273.800";
    in.shareSum = "99,9";
    return estimator::estimateDocument(in, "Obiteljska kuća Šimić");
}

// Runs a program of poppler-utils; its standard output.
QString run(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is missing: install poppler-utils";
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Without its blanks: pdftotext joins a "%" to its number, or keeps them apart, as it sees fit.
QString collapsed(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

// The share of non-white pixels in a part of the page, given in fractions of its size.
double ink(const QImage& page, double left, double top, double right, double bottom) {
    const int x0 = static_cast<int>(left * page.width());
    const int x1 = static_cast<int>(right * page.width());
    const int y0 = static_cast<int>(top * page.height());
    const int y1 = static_cast<int>(bottom * page.height());
    long dark = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (qGray(page.pixel(x, y)) < 230)
                ++dark;
        }
    }
    return static_cast<double>(dark) / ((x1 - x0) * (y1 - y0));
}

class ClientDocumentTest : public ::testing::Test {
protected:
    ClientDocumentTest() {
        QImage logo(120, 60, QImage::Format_RGB32);
        logo.fill(QColor(31, 78, 121));
        logoFile = dir.filePath(QStringLiteral("logo.png"));
        logo.save(logoFile);
    }

    // The document under the letterhead, as a PDF file in the test's folder.
    QString pdf(forms::ClientDocument d, const QString& name) {
        d.office = office(logoFile);
        d.placeAndDate = "Zagreb, 5. ožujka 2026.";
        const QString file = dir.filePath(name + QStringLiteral(".pdf"));
        const std::optional<std::string> failure = saveDocumentPdf(file, d);
        EXPECT_FALSE(failure) << *failure;
        return file;
    }

    QTemporaryDir dir;
    QString logoFile;
    const std::map<QString, forms::ClientDocument> documents = {
        {QStringLiteral("calculation"), calculation()},
        {QStringLiteral("offer"), offer()},
        {QStringLiteral("estimate"), estimate()}};
};

TEST_F(ClientDocumentTest, ThePdfHoldsEveryFigureTheLetterheadAndEmbeddedFonts) {
    for (const auto& [name, document] : documents) {
        SCOPED_TRACE(name.toStdString());
        const QString file = pdf(document, name);
        const QString text =
            collapsed(run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}));
        std::vector<std::string> expected = {
            "Ured Horvat d.o.o.",
            "Ilica 1, 10000 Zagreb",
            "OIB: 69435151530",
            "Tel.: +385 1 234 5678",
            "E-pošta: ured@horvat.hr",
            "https://www.horvat.hr",
            "Zagreb, 5. ožujka 2026.",
            "Stranica 1 od 1",
            QString::fromStdString(document.title).toUpper().toStdString()};
        for (const forms::DocumentField& field : document.subject)
            expected.push_back(field.value);
        for (const forms::DocumentColumn& column : document.columns)
            expected.push_back(column.heading);
        for (const forms::DocumentRow& row : document.rows) {
            for (const forms::DocumentCell& cell : row.cells)
                expected.push_back(cell.text);
        }
        expected.insert(expected.end(), document.notes.begin(), document.notes.end());
        for (const std::string& piece : expected)
            EXPECT_TRUE(text.contains(collapsed(QString::fromStdString(piece)))) << piece;

        const QString fonts = run(QStringLiteral("pdffonts"), {file});
        EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSans"))) << fonts.toStdString();
        for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2)) {
            if (!line.trimmed().isEmpty()) {
                EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << line.toStdString();
            }
        }
    }
}

TEST_F(ClientDocumentTest, AmountsOfAColumnEndAtOneEdge) {
    const QString words = run(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), pdf(calculation(), QStringLiteral("c")), QStringLiteral("-")});
    // The lowest fees are found nowhere else in the document.
    std::vector<double> edges;
    for (const char* amount : {"1.046,09", "3.138,28", "7.322,65", "15.691,39", "5.230,46"}) {
        const QRegularExpression word(QStringLiteral("xMax=\"([0-9.]+)\"[^>]*>") +
                                      QRegularExpression::escape(QString::fromLatin1(amount)) +
                                      QStringLiteral("<"));
        const QRegularExpressionMatch m = word.match(words);
        ASSERT_TRUE(m.hasMatch()) << amount;
        edges.push_back(m.captured(1).toDouble());
    }
    for (double edge : edges)
        EXPECT_NEAR(edge, edges.front(), 0.5);
}

TEST_F(ClientDocumentTest, ARenderedPageHasItsLetterheadAndTableAndNothingInTheMargin) {
    const QString keep = qEnvironmentVariable("TARVEL_DOCUMENT_PNG_DIR");
    for (const auto& [name, document] : documents) {
        SCOPED_TRACE(name.toStdString());
        const QString base = dir.filePath(name);
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
             QStringLiteral("-singlefile"), pdf(document, name), base});
        const QImage page(base + QStringLiteral(".png"));
        ASSERT_FALSE(page.isNull());
        EXPECT_NEAR(static_cast<double>(page.height()) / page.width(), 297.0 / 210, 0.01);
        // A4 with 20 mm side margins and a 15 mm top margin.
        EXPECT_GT(ink(page, 0.10, 0.05, 0.90, 0.13), 0.02);   // the letterhead with the logo
        EXPECT_GT(ink(page, 0.10, 0.30, 0.90, 0.50), 0.02);   // the table
        EXPECT_GT(ink(page, 0.10, 0.94, 0.90, 0.975), 0.001); // the footer
        EXPECT_EQ(ink(page, 0.91, 0.0, 1.0, 1.0), 0);         // the right margin
        EXPECT_EQ(ink(page, 0.0, 0.0, 0.09, 1.0), 0);         // the left margin
        if (!keep.isEmpty()) {
            QFile::remove(QDir(keep).filePath(QStringLiteral("documents-%1.png").arg(name)));
            QFile::copy(base + QStringLiteral(".png"),
                        QDir(keep).filePath(QStringLiteral("documents-%1.png").arg(name)));
        }
    }
}

TEST_F(ClientDocumentTest, EveryPageHoldsWhatPaginationPutsOnIt) {
    // A long offer: the eleven disciplines many times over, with wrapped cells and notes.
    forms::ClientDocument longOffer = offer();
    const std::vector<forms::DocumentRow> rows = longOffer.rows;
    for (int i = 0; i < 12; ++i)
        longOffer.rows.insert(longOffer.rows.end(), rows.begin(), rows.end());
    longOffer.rows[5].cells[0].text = "Posebna postrojenja i uređaji s dugim opisom koji se lomi "
                                      "u tri retka u uskom stupcu tablice";
    for (int i = 0; i < 6; ++i)
        longOffer.notes.push_back(
            "Cijene usluga vrijede trideset dana od dana ponude; plaćanje u tri obroka prema "
            "dovršenim fazama projekta, a porez se obračunava prema propisima na dan računa.");
    longOffer.office = office(logoFile);
    longOffer.placeAndDate = "Zagreb, 5. ožujka 2026.";

    std::map<QString, forms::ClientDocument> all = documents;
    all[QStringLiteral("long")] = longOffer;
    for (auto& [name, document] : all) {
        SCOPED_TRACE(name.toStdString());
        document.office = office(logoFile);
        const std::vector<PageFit> fits = measurePages(document);
        ASSERT_EQ(fits.size(), forms::paginate(document).size());
        for (const PageFit& fit : fits)
            EXPECT_LE(fit.needed, fit.available);
        const QString info = run(QStringLiteral("pdfinfo"), {pdf(document, name)});
        EXPECT_TRUE(
            info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(fits.size()))))
            << info.toStdString();
    }
    EXPECT_GT(forms::paginate(longOffer).size(), 3u);
}

TEST_F(ClientDocumentTest, ThePreviewShowsTheDocumentAndOffersToSaveItAsPdf) {
    QtPlatform platform(std::make_unique<system::MemorySettingsStore>(), dir.path().toStdString());
    QString shown;
    bool canSavePdf = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown = QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(' ') +
                dialog->windowTitle();
        for (const QAction* action : dialog->findChildren<QAction*>())
            canSavePdf = canSavePdf || action->text() == QStringLiteral("Spremi kao PDF…");
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(platform.printClientDocument(offer(), forms::PrintTarget::Preview));
    EXPECT_EQ(shown, QStringLiteral("QPrintPreviewDialog Pregled dokumenta: Ponuda usluga"));
    EXPECT_TRUE(canSavePdf);
}

} // namespace
} // namespace tarvel::ui
