// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_ispis.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/print_command.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"
#include "records/program_files.h"

namespace tarvel::calculator {

using forms::ControlKind;
using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;

namespace {

struct PrintChoice {
    const char* file;
    const char* title;
    const char* missing;
};

constexpr std::array<PrintChoice, 3> kChoices{{
    {records::kOfferFile, "Ponuda", "Nema pohranjene ponude."},
    {records::kRecordFile, "Pohranjeni izračuni", "Nema pohranjenih izračuna."},
    {records::kEstimateFile, "Proračunska vrijednost", "Nema pohranjene proračunske vrijednosti."},
}};

constexpr double kBytesPerPage = 3200;
constexpr double kPagesWithoutAsking = 5;

} // namespace

double ProcjenaStranica(long long bytes) {
    return static_cast<double>(bytes) / kBytesPerPage;
}

std::string pageCountQuestion(double pages) {
    return std::string(15, ' ') + forms::fmt(pages, "0.0") + " strana teksta\r\n" +
           "Ako želite ispisati sve, kliknite na YES.\r\n" +
           "Ako želite brisanjem skratiti ispis, kliknite NO.";
}

FrmIspis::FrmIspis(Calculator& calculator)
    : forms::Form(calculator, "frmIspis"), calc_(calculator) {
    setCaption(" Mogućnosti ispisa");
    Frame1 = &add("Frame1", ControlKind::Frame);
    auto label = [this](const std::string& name, const std::string& caption) {
        forms::Control& c = add(name, ControlKind::Label, Frame1);
        c.setCaption(caption);
        return &c;
    };
    auto button = [this](const std::string& name, const std::string& caption) {
        forms::Control& c = add(name, ControlKind::CommandButton, Frame1);
        c.setCaption(caption);
        return &c;
    };
    for (size_t i = 0; i < opt.size(); ++i)
        opt[i] = &add("opt(" + std::to_string(i) + ")", ControlKind::OptionButton, Frame1);
    lbl1 = label("lbl1", "Ispiši ponudu");
    lbl2 = label("lbl2", "Ispiši pohranjene izračune");
    lbl3 = label("lbl3", "Ispiši proračunsku vrijednost");
    cmdOK = button("cmdOK", "&Ispiši");
    cmdPregled = button("cmdPregled", "&Pregled");
    cmdPregled->setToolTip("Pregled stranica prije ispisa");
    cmdPDF = button("cmdPDF", "P&DF");
    cmdPDF->setToolTip("Spremi stranice kao PDF datoteku");
    cmdOdustajem = button("cmdOdustajem", "Odustajem");
    setDialogKeys(cmdOK);

    for (size_t i = 0; i < opt.size(); ++i)
        opt[i]->onGotFocus = [this, i] {
            opt_GotFocus(static_cast<int>(i));
        };
    lbl1->onClick = [this] {
        lbl_Click(0);
    };
    lbl2->onClick = [this] {
        lbl_Click(1);
    };
    lbl3->onClick = [this] {
        lbl_Click(2);
    };
    cmdOK->onClick = [this] {
        cmdOK_Click();
    };
    cmdPregled->onClick = [this] {
        cmdPregled_Click();
    };
    cmdPDF->onClick = [this] {
        cmdPDF_Click();
    };
    cmdOdustajem->onClick = [this] {
        cmdOdustajem_Click();
    };
}

void FrmIspis::Form_Load() {
    const FrmGl& gl = calc_.frmGl();
    top = gl.top + 660;
    left = gl.left + 2700;
    // The first option takes the focus and is thereby selected.
    setFocus(*opt[0]);
}

// An option button that gets the focus is selected.
void FrmIspis::opt_GotFocus(int option) {
    if (!opt.at(static_cast<size_t>(option))->checked())
        opt[static_cast<size_t>(option)]->setValue(1);
}

void FrmIspis::lbl_Click(int option) {
    opt.at(static_cast<size_t>(option))->setValue(1);
}

std::string FrmIspis::chosenFile() {
    size_t chosen = 0;
    for (size_t i = 0; i < opt.size(); ++i) {
        if (opt[i]->checked())
            chosen = i;
    }
    const PrintChoice& c = kChoices[chosen];
    if (!platform().files().exists(c.file)) {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kNoFile,
                              c.missing);
        return "";
    }
    calc_.state().NaslovIspisa = c.title;
    return c.file;
}

void FrmIspis::cmdOK_Click() {
    const std::string file = chosenFile();
    if (!file.empty()) {
        const double pages = ProcjenaStranica(platform().files().size(file).value_or(0));
        const bool print =
            pages <= kPagesWithoutAsking ||
            platform().messageBox(MsgIcon::Question, MsgButtons::YesNo, " Očekivani broj stranica",
                                  pageCountQuestion(pages)) == MsgAnswer::Yes;
        if (print)
            IspisiDatoteku(calc_, file);
    }
    unload();
}

// Preview and PDF use no paper: no page-count question, and the dialog stays for printing.
void FrmIspis::cmdPregled_Click() {
    const std::string file = chosenFile();
    if (!file.empty())
        IspisiDatoteku(calc_, file, forms::PrintTarget::Preview);
}

void FrmIspis::cmdPDF_Click() {
    const std::string file = chosenFile();
    if (!file.empty())
        IspisiDatoteku(calc_, file, forms::PrintTarget::Pdf);
}

void FrmIspis::cmdOdustajem_Click() {
    unload();
}

void showPrintDialog(Calculator& calc) {
    calc.load("frmIspis").showModal();
}

} // namespace tarvel::calculator
