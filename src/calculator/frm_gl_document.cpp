// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation on show as a document for the client: the toolbar command "Dokument" and the
// menu item mnuDokument (key F7); mnuUred, the office's details that head every document.
#include "calculator/calculator.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"
#include "records/calculation_document.h"

namespace tarvel::calculator {

// The menu bar has no room for another menu: the items join the office's other settings in
// the help menu, after the tax rate.
void FrmGl::createDocumentMenu() {
    using forms::ControlKind;
    forms::Control* help = find("mnuP");
    add("mnuUred", ControlKind::MenuItem, help).setCaption("Podaci o &uredu");
    add("mnuPr7", ControlKind::MenuItem, help).setCaption("-");
    forms::Control& document = add("mnuDokument", ControlKind::MenuItem, help);
    document.setCaption("Dokument za &klijenta");
    document.setShortcut("F7");
    document.onClick = [this] {
        guarded([&] { CommandDokument(); });
    };
    find("mnuUred")->onClick = [this] {
        guarded([&] { mnuUred_Click(); });
    };
}

void FrmGl::CommandDokument() {
    if (!TotalsOnShow() || forms::num(lblOdabir->caption()) == 0) {
        platform().messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok,
                              forms::titles::kCannot,
                              "Niste odabrali cijenu usluge. Nema ništa za dokument!");
        return;
    }
    std::array<records::PhaseBand, 8> bands;
    for (int i = 1; i <= 8; ++i)
        bands[static_cast<size_t>(i - 1)] = {lblFc[i]->caption(), lblFcm[i]->caption()};
    showClientDocument(calculator(), records::calculationDocument(recordInputs(), bands));
}

void FrmGl::mnuUred_Click() {
    if (calculator().knows("frmUred"))
        calculator().load("frmUred").showModal();
}

} // namespace tarvel::calculator
