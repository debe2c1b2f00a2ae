// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_about.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/message_titles.h"
#include "tarvel_version.h"

namespace tarvel::calculator {

using forms::ControlKind;

const char* const FrmAbout::kDescription =
    "Program za izračun cijena usluga arhitekata i inženjera\n"
    "prema Pravilniku o cijenama, s procjenom vrijednosti\n"
    "građevine i sastavljanjem ponude.";

FrmAbout::FrmAbout(Calculator& calculator)
    : forms::Form(calculator, "frmAbout"), calc_(calculator) {
    setCaption("O programu");
    auto label = [this](const char* name) {
        return &add(name, ControlKind::Label);
    };
    lblTitle = label("lblTitle");
    lblVersion = label("lblVersion");
    lblOpis = label("lblOpis");
    lblEmail = label("lblEmail");
    lblLink = label("lblLink");
    lblEmail->setForeColor(forms::colors::Blue);
    lblLink->setForeColor(forms::colors::Blue);
    lblEmail->setToolTip("Pošalji poruku");
    lblLink->setToolTip("Otvori u pregledniku");
    cmdOK = &add("cmdOK", ControlKind::CommandButton);
    cmdOK->setCaption("&Izlaz");
    setDialogKeys(cmdOK);

    lblEmail->onClick = [this] {
        lblEmail_Click();
    };
    lblLink->onClick = [this] {
        lblLink_Click();
    };
    cmdOK->onClick = [this] {
        cmdOK_Click();
    };
}

void FrmAbout::Form_Load() {
    const FrmGl& main = calc_.frmGl();
    // Centred over the main window.
    width = 6600;
    height = 3000;
    left = main.left + (main.width - width) / 2;
    top = main.top + (main.height - height) / 2;
    const forms::Version v = platform().version();
    lblTitle->setCaption("TARVEL USLUGA");
    lblVersion->setCaption("Verzija " + std::to_string(v.major) + "." + std::to_string(v.minor) +
                           "." + std::to_string(v.revision));
    lblOpis->setCaption(kDescription);
    lblEmail->setCaption(kContactEmail);
    lblLink->setCaption(kWebAddress);
}

void FrmAbout::lblEmail_Click() {
    openAndClose(std::string("mailto:") + kContactEmail);
}

void FrmAbout::lblLink_Click() {
    openAndClose(kWebAddress);
}

void FrmAbout::cmdOK_Click() {
    unload();
}

void FrmAbout::openAndClose(const std::string& address) {
    forms::Platform& p = platform();
    p.setBusy(true);
    const std::optional<std::string> error = p.openAddress(address);
    p.setBusy(false);
    if (error)
        p.messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok, forms::titles::kCannot,
                     "Greška pri uspostavi veze " + *error);
    unload();
}

} // namespace tarvel::calculator
