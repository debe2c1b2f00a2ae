// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_ured.h"

#include <optional>
#include <string>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "calculator/office.h"
#include "forms/message_titles.h"

namespace tarvel::calculator {

using forms::ControlKind;

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

FrmUred::FrmUred(Calculator& calculator) : forms::Form(calculator, "frmUred"), calc_(calculator) {
    setCaption("Podaci o uredu");
    auto field = [this](const std::string& name, const std::string& caption, forms::Control*& label,
                        forms::Control*& box) {
        label = &add("lbl" + name, ControlKind::Label);
        label->setCaption(caption);
        box = &add("txt" + name, ControlKind::TextBox);
        label->setBuddy(box);
    };
    field("Naziv", "Naziv ureda:", lblNaziv, txtNaziv);
    field("Adresa", "Adresa:", lblAdresa, txtAdresa);
    field("OIB", "OIB:", lblOIB, txtOIB);
    field("Telefon", "Telefon:", lblTelefon, txtTelefon);
    field("Eposta", "E-pošta:", lblEposta, txtEposta);
    field("Web", "Web:", lblWeb, txtWeb);
    field("Logo", "Logotip (slika):", lblLogo, txtLogo);
    txtAdresa->setToolTip("Npr. Ilica 1, 10000 Zagreb: mjesto iza poštanskog broja nosi datum");
    txtOIB->setToolTip("11 znamenki");
    txtLogo->setToolTip("Puna putanja slikovne datoteke (PNG, JPEG, SVG)");
    cmdSpremi = &add("cmdSpremi", ControlKind::CommandButton);
    cmdSpremi->setCaption("&Spremi");
    cmdOdustajem = &add("cmdOdustajem", ControlKind::CommandButton);
    cmdOdustajem->setCaption("Od&ustajem");
    setDialogKeys(cmdSpremi);

    txtOIB->onKeyPress = [this](int keyAscii) {
        return txtOIB_KeyPress(keyAscii);
    };
    cmdSpremi->onClick = [this] {
        cmdSpremi_Click();
    };
    cmdOdustajem->onClick = [this] {
        cmdOdustajem_Click();
    };
}

void FrmUred::Form_Load() {
    const FrmGl& main = calc_.frmGl();
    left = main.left + 1200;
    top = main.top + 660;
    const forms::Letterhead office = readOffice(platform().settings());
    txtNaziv->setText(office.naziv);
    txtAdresa->setText(office.adresa);
    txtOIB->setText(office.oib);
    txtTelefon->setText(office.telefon);
    txtEposta->setText(office.eposta);
    txtWeb->setText(office.web);
    txtLogo->setText(office.logo);
    setFocus(*txtNaziv);
}

int FrmUred::txtOIB_KeyPress(int keyAscii) {
    return FilterDigitKey(platform(), keyAscii);
}

void FrmUred::cmdSpremi_Click() {
    const forms::Letterhead office{trimmed(txtNaziv->text()),  trimmed(txtAdresa->text()),
                                   trimmed(txtOIB->text()),    trimmed(txtTelefon->text()),
                                   trimmed(txtEposta->text()), trimmed(txtWeb->text()),
                                   trimmed(txtLogo->text())};
    if (const std::optional<std::string> problem = oibProblem(office.oib)) {
        platform().messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok,
                              forms::titles::kCannot, *problem);
        setFocus(*txtOIB);
        txtOIB->selectAll();
        return;
    }
    storeOffice(platform().settings(), office);
    unload();
}

void FrmUred::cmdOdustajem_Click() {
    unload();
}

} // namespace tarvel::calculator
