// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window with their design-time properties, and the wiring of
// their handlers.
#include "calculator/calculator.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::ControlKind;

FrmGl::FrmGl(Calculator& calculator) : forms::Form(calculator, "frmGl"), calc_(calculator) {
    createMenus();
    createToolbar();
    createControls();
}

SharedState& FrmGl::state() const {
    return calc_.state();
}

forms::Control& FrmGl::menu(const std::string& name) const {
    return *find(name);
}

void FrmGl::createMenus() {
    for (const MenuDefinition& m : menuBar()) {
        forms::Control* parent = m.parent.empty() ? nullptr : find(std::string(m.parent));
        forms::Control& item = add(std::string(m.name), ControlKind::MenuItem, parent);
        item.setCaption(std::string(m.caption));
        item.setShortcut(std::string(m.shortcut));
    }
    for (const char* topMenu : {"mnuPp", "mnuA", "mnuG", "mnuD", "mnuSE", "mnuT", "mnuN"}) {
        const std::string name = topMenu;
        menu(name).onClick = [this, name] {
            guarded([&] { OpenServiceMenu(name); });
        };
    }
    for (const CatalogueEntry& entry : catalogue()) {
        const CatalogueEntry* e = &entry;
        menu(std::string(entry.menuItem)).onClick = [this, e] {
            guarded([&] { ApplyEntry(*e); });
        };
    }
    menu("mnuAizlaz").onClick = [this] {
        guarded([&] { mnuAizlaz_Click(); });
    };
    menu("mnuPIE5").onClick = [this] {
        guarded([&] { mnuPIE5_Click(); });
    };
    createDocumentMenu();
    mnuPIE5 = find("mnuPIE5");
    mnuPhtml = find("mnuPhtml");
    // The comparison of the categories, in the menu of the program's settings and tools.
    mnuUsporedba = &add("mnuUsporedba", ControlKind::MenuItem, find("mnuP"));
    mnuUsporedba->setCaption("&Usporedba cijena");
    mnuUsporedba->setShortcut("Ctrl+U");
    mnuUsporedba->setEnabled(false);
    mnuUsporedba->onClick = [this] {
        guarded([&] { mnuUsporedba_Click(); });
    };
}

void FrmGl::createToolbar() {
    tlb1 = &addToolbar("tlb1");
    auto& t = *tlb1;
    // Every command has a key that runs it from anywhere in the window, also from a box: the
    // universal ones where they exist (Ctrl+S, Ctrl+P, Ctrl+Q), F9 to compute, and otherwise
    // Ctrl+Shift with a letter of its Croatian word.
    t.addButton("Cijena", "Cijena usluge", "F9");
    t.addSeparator();
    t.addButton("KN", "Kune", "Ctrl+Shift+K");
    t.addButton("DM", "Euro / Valuta", "Ctrl+Shift+D");
    t.addButton("EUR", "Euro", "Ctrl+Shift+E");
    t.addButton("Kurs", "Novi tečaj", "Ctrl+Shift+T");
    t.addSeparator();
    t.addButton("Min", "Minimalna cijena faza", "Ctrl+Shift+N");
    t.addButton("Max", "Maksimalna cijena faza", "Ctrl+Shift+M");
    t.addButton("Odabir", "Željena cijena", "Ctrl+Shift+C");
    t.addButton("Usporedba", "Usporedba cijena", "Ctrl+U");
    t.addSeparator();
    t.addButton("Pohrani", "Pohrani izračun", "Ctrl+S");
    t.addButton("Note", "Pregled izračuna", "Ctrl+Shift+I");
    t.addButton("Ispis", "Ispis", "Ctrl+P");
    t.addSeparator();
    t.addButton("Odstup", "Odstupanja - dodatci", "Ctrl+Shift+O");
    t.addButton("Odstupminus", "Popust", "Ctrl+Shift+P");
    t.addSeparator();
    t.addButton("Vrijednost", "Vrijednost građevine", "Ctrl+Shift+V");
    t.addButton("Ponuda", "Ponuda", "F8");
    t.addButton("Pvidi", "Pregled ponude", "Shift+F8");
    // The client document takes the place that was left free before "Ponisti".
    t.addButton("Dokument", documentToolTip("F7"));
    t.setShortcut("Dokument", "F7");
    t.addButton("Ponisti", "Poništi sve", "Ctrl+Shift+B");
    t.addSeparator();
    t.addButton("Ptarvel", "Pravilnik o cijenama", "Ctrl+Shift+R");
    t.addButton("Ptroskovi", "Troškovi u visokogradnji", "Ctrl+Shift+G");
    t.addButton("Pupute", "Upute za korištenje", "Ctrl+Shift+H");
    t.addPlaceholder();
    t.addButton("Izlaz", "Izlaz", "Ctrl+Q");
    // Commands that need a service, a result or a chosen price start off.
    t.enable({"KN", "DM", "EUR", "Pohrani", "Odstupminus", "Ponuda", "Usporedba"}, false);
    t.onButtonClick = [this](const std::string& key) {
        guarded([&] { tlb1_ButtonClick(key); });
    };
}

void FrmGl::createControls() {
    auto label = [this](const std::string& name, const std::string& caption,
                        forms::Control* container) -> forms::Control* {
        forms::Control& c = add(name, ControlKind::Label, container);
        c.setCaption(caption);
        return &c;
    };
    auto box = [this](const std::string& name, const std::string& text,
                      forms::Control* container) -> forms::Control* {
        forms::Control& c = add(name, ControlKind::TextBox, container);
        c.setText(text);
        return &c;
    };
    auto frame = [this](const std::string& name, const std::string& caption, bool visible) {
        forms::Control& c = add(name, ControlKind::Frame);
        c.setCaption(caption);
        c.setVisible(visible);
        return &c;
    };

    lblProjekt = label("lblProjekt", "", nullptr);
    lblTekst = label("lblTekst", "ODABERITE VRSTU USLUGE", nullptr);
    lblTekst->setForeColor(forms::colors::Blue);

    fraSve = frame("fraSve", "", true);
    fraSve->setToolTip("Pomoć, tipka F1");
    lbl1 = label("lbl1", "Proračunska vrijednost:", fraSve);
    txtInvest = box("txtInvest", "", fraSve);
    lblValuta = label("lblValuta", "kn", fraSve);
    lblT = label("lblT", "Tečaj", fraSve);
    txtKurs = box("txtKurs", "", fraSve);
    // The rate is changed through its dialog, which also keeps the stored rate; the box takes
    // the focus from a click only.
    txtKurs->setReadOnly(true);
    txtKurs->setTabStop(false);
    lbl6 = label("lbl6", "Popust %", fraSve);
    txtPopust = box("txtPopust", "0", fraSve);
    lblD = label("lblD", "Dodaj %", fraSve);
    txtDodaj = box("txtDodaj", "0", fraSve);
    txtNaziv = box("txtNaziv", "NAZIV GRAĐEVINE", fraSve);
    txtNaziv->setToolTip("Neobvezno");
    // The compute button is pressed by code, the Enter key and the toolbar; it is not shown.
    cmdCijena = &add("cmdCijena", ControlKind::CommandButton, fraSve);
    cmdCijena->setCaption("Cijena");
    cmdCijena->setVisible(false);

    fraKat = frame("fraKat", "Stupanj složenosti građevine", false);
    fraKat->setToolTip("Pomoć, tipka F1");
    for (int k = 1; k <= 5; ++k)
        optK[k] = &add("optK" + std::to_string(k), ControlKind::OptionButton, fraKat);
    lblO1 = label("lblO1", "I", fraKat);
    lblO2 = label("lblO2", "II", fraKat);
    lblO3 = label("lblO3", "III", fraKat);
    lpb4 = label("lpb4", "IV", fraKat);
    lbl5 = label("lbl5", "V", fraKat);
    // Each caption belongs to its box or button.
    lbl1->setBuddy(txtInvest);
    lblT->setBuddy(txtKurs);
    lbl6->setBuddy(txtPopust);
    lblD->setBuddy(txtDodaj);
    forms::Control* const categoryCaptions[] = {lblO1, lblO2, lblO3, lpb4, lbl5};
    for (int k = 1; k <= 5; ++k)
        categoryCaptions[k - 1]->setBuddy(optK[k]);

    fraFaze = frame("fraFaze", "", false);
    lblFraFaze = label("lblFraFaze", "Faze projekta:", fraFaze);
    Label1 = label("Label1", "%", fraFaze);
    for (int i = 1; i <= 8; ++i) {
        const std::string n = std::to_string(i);
        chkF[i] = &add("chkF" + n, ControlKind::CheckBox, fraFaze);
        chkF[i]->setValue(1);
        lblP[i] = label("lblP" + n, std::string(kBuildingPhaseCaptions[i - 1]), fraFaze);
        lblP[i]->setBuddy(chkF[i]);
        lblF[i] = label("lblF" + n, "0", fraFaze);
        lblFc[i] = label("lblFc" + n, "0", fraFaze);
        lblFcm[i] = label("lblFc" + n + "m", "0", fraFaze);
        lblC[i] = label("lblC" + n, "0", fraFaze);
    }

    fraCijena = frame("fraCijena", "", false);
    lblFcmin = label("lblFcmin", "minimum", fraCijena);
    lblFcmax = label("lblFcmax", "maksimum", fraCijena);
    lblOdabr = label("lblOdabr", "odabrano", fraCijena);
    for (forms::Control* c : {lblFcmin, lblFcmax, lblOdabr})
        c->setVisible(false);

    fraUk = frame("fraUk", "", false);
    lblUkupno = label("lblUkupno", "Ukupno", fraUk);
    lblSumamin = label("lblSumamin", "", fraUk);
    lblSumamax = label("lblSumamax", "", fraUk);
    lblOdabir = label("lblOdabir", "", fraUk);
    lblSumamin->setToolTip("Dvoklik je odabrano");
    lblSumamax->setToolTip("Dvoklik je odabrano");
    lblOdabir->setToolTip("Dvoklik je željena cijena");
    for (forms::Control* c : {lblSumamin, lblSumamax, lblOdabir})
        c->setVisible(false);
    lblValutaFaza = label("lblValutaFaza", "kn", fraUk);
    lblCmin = label("lblCmin", "0", fraUk);
    lblCmax = label("lblCmax", "0", fraUk);
    lblCmin->setVisible(false);
    lblCmax->setVisible(false);

    Frame1 = frame("Frame1", "", true);
    imgFaze = &add("imgFaze", ControlKind::Picture, Frame1);
    lblSlike1 = label("lblSlike1", "", nullptr);
    lblSlike2 = label("lblSlike2", "", nullptr);
    lblSlike2->setEnabled(false);

    // Handlers.
    keyPreview = true;
    onKeyPress = [this](int keyAscii) {
        Form_KeyPress(keyAscii);
        return keyAscii;
    };
    onKeyDown = [this](int& keyCode, int shift) {
        guarded([&] { Form_KeyDown(keyCode, shift); });
    };
    cmdCijena->onClick = [this] {
        guarded([&] { cmdCijena_Click(); });
    };
    txtInvest->onKeyPress = [this](int keyAscii) {
        return FilterDecimalKey(platform(), keyAscii);
    };
    txtPopust->onKeyPress = [this](int keyAscii) {
        return txtPopust_KeyPress(keyAscii);
    };
    txtPopust->onGotFocus = [this] {
        guarded([&] { txtPopust_GotFocus(); });
    };
    txtPopust->onLostFocus = [this] {
        guarded([&] { txtPopust_LostFocus(); });
    };
    txtPopust->onChange = [this] {
        guarded([&] { txtPopust_Change(); });
    };
    txtDodaj->onKeyPress = [this](int keyAscii) {
        return txtDodaj_KeyPress(keyAscii);
    };
    txtDodaj->onGotFocus = [this] {
        guarded([&] { txtDodaj_GotFocus(); });
    };
    txtDodaj->onLostFocus = [this] {
        guarded([&] { txtDodaj_LostFocus(); });
    };
    txtDodaj->onChange = [this] {
        guarded([&] { txtDodaj_Change(); });
    };
    for (int i = 1; i <= 8; ++i) {
        chkF[i]->onClick = [this, i] {
            guarded([&] { chkF_Click(i); });
        };
        lblFc[i]->onDblClick = [this, i] {
            guarded([&] { lblFc_DblClick(i); });
        };
        lblFcm[i]->onDblClick = [this, i] {
            guarded([&] { lblFcm_DblClick(i); });
        };
    }
    lblSumamin->onDblClick = [this] {
        guarded([&] { lblSumamin_DblClick(); });
    };
    lblSumamax->onDblClick = [this] {
        guarded([&] { lblSumamax_DblClick(); });
    };
    lblOdabir->onDblClick = [this] {
        guarded([&] { lblOdabir_DblClick(); });
    };
    lblSlike1->onClick = [this] {
        guarded([&] { lblSlike1_Click(); });
    };
    lblSlike2->onClick = [this] {
        guarded([&] { lblSlike2_Click(); });
    };
    txtInvest->onKeyDown = [this](int& keyCode, int shift) {
        guarded([&] { txtInvest_KeyDown(keyCode, shift); });
    };
    txtInvest->onChange = [this] {
        guarded([&] { txtInvest_Change(); });
        EnableComparison();
    };
    lblProjekt->onChange = [this] {
        EnableComparison();
    };
    txtInvest->onGotFocus = [this] {
        guarded([&] { txtInvest_GotFocus(); });
    };
    txtNaziv->onGotFocus = [this] {
        guarded([&] { txtNaziv_GotFocus(); });
    };
    txtNaziv->onLostFocus = [this] {
        guarded([&] { txtNaziv_LostFocus(); });
    };
    for (int k = 1; k <= 5; ++k)
        optK[k]->onClick = [this] {
            guarded([&] { CategoryChosen(); });
        };
    lblOdabir->onChange = [this] {
        guarded([&] { lblOdabir_Change(); });
    };
}

} // namespace tarvel::calculator
