// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <stdexcept>

namespace tarvel::helpgen {

void requireDone(const std::string& what, const std::function<void()>& action) {
    try {
        action();
    } catch (const forms::UserActionError& e) {
        throw std::runtime_error(what + ": " + e.what());
    }
}

MainWindow::MainWindow() {
    program_.start();
}

void MainWindow::choose(const calculator::CatalogueEntry& entry) {
    calculator::FrmGl& w = window();
    requireDone(std::string(entry.menuItem),
                [&] { w.userClick(*w.find(std::string(entry.menuItem))); });
    platform_.takeMessages();
}

void MainWindow::switchToAccountingCurrency() {
    calculator::FrmGl& w = window();
    requireDone("DM", [&] {
        if (!w.txtInvest->text().empty())
            w.userPaste(*w.txtInvest, "");
        w.userClickToolbar(*w.tlb1, "DM");
    });
    platform_.takeMessages();
}

Shown MainWindow::compute(const std::string& value, int category) {
    calculator::FrmGl& w = window();
    platform_.takeMessages();
    requireDone("izračun " + value, [&] {
        w.userPaste(*w.txtInvest, value);
        if (category > 0)
            w.userClick(*w.optK[static_cast<size_t>(category)]);
        else
            w.userClickToolbar(*w.tlb1, "Cijena");
    });
    return shown();
}

std::vector<PhaseRow> MainWindow::phases() const {
    const calculator::FrmGl& w = window();
    std::vector<PhaseRow> rows;
    if (!w.fraFaze->visible())
        return rows;
    for (size_t i = 1; i <= 8; ++i) {
        if (w.lblP[i]->caption().empty() || !w.lblF[i]->visible())
            continue;
        rows.push_back({w.lblP[i]->caption(), w.lblF[i]->caption(), w.lblFc[i]->caption(),
                        w.lblFcm[i]->caption()});
    }
    return rows;
}

Shown MainWindow::deviations(const std::function<void(forms::Form&)>& user) {
    calculator::FrmGl& w = window();
    platform_.takeMessages();
    platform_.user = user;
    requireDone("Odstup", [&] { w.userClickToolbar(*w.tlb1, "Odstup"); });
    platform_.user = nullptr;
    return shown();
}

Shown MainWindow::shown() {
    const calculator::FrmGl& w = window();
    Shown s;
    s.messages = platform_.takeMessages();
    s.accepted = s.messages.empty() && w.lblTekst->caption() == "G O T O V O  ";
    s.value = w.txtInvest->text();
    s.rate = w.txtKurs->text();
    s.currency = w.lblValutaFaza->caption();
    s.baseMin = w.lblCmin->caption();
    s.baseMax = w.lblCmax->caption();
    s.totalMin = w.lblSumamin->caption();
    s.totalMax = w.lblSumamax->caption();
    s.addition = w.txtDodaj->text();
    s.phases = phases();
    return s;
}

} // namespace tarvel::helpgen
