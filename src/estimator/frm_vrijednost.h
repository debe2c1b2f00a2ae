// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "estimator/building_types.h"
#include "estimator/cost_model.h"
#include "estimator/estimate_report.h"
#include "forms/form.h"

namespace tarvel::calculator {
class Calculator;
class FrmGl;
} // namespace tarvel::calculator

namespace tarvel::estimator {

// The budget value estimator: a building type on the tab strip, a cost per m² and the gross
// floor area give the cost of every group of construction and installations; the value goes
// over to the main window's value box. The window keeps its state while hidden.
class FrmVrijednost : public forms::Form {
public:
    explicit FrmVrijednost(calculator::Calculator& calculator);

    void Form_Load() override;
    void Form_Unload() override;

    // The cost model's operations, named after the events that run them.
    void tbsVrste_Click(int tab);
    void Form_KeyDown(int& keyCode, int shift);
    // A group's row (its caption, share or amount): its share, and an installation group's
    // amount to take over; the rate box's caption or box: the rate.
    std::vector<forms::ContextMenuItem> contextMenuOf(forms::Control* at) override;
    void SelectType();
    void FillType(int type);
    void ClearResults();
    void opt1_Click(int level);
    void chkUNJ_Click();
    void chkUDM_Click();
    void txtShare_DblClick(forms::Control& box);
    void txtShare_LostFocus(forms::Control& box);
    void txtKurs_DblClick();
    void txtKurs_LostFocus();
    void txtEntry_GotFocus();
    void txtEntry_Change(forms::Control& box);
    void txtReza_Change();
    void cmdReza_Click();

    // The window's own commands.
    void cmdGotovo_Click();
    void lblIr_DblClick(int group);
    void cmdIspis_Click();
    void cmdZadnji_Click();
    void cmdDokument_Click();
    void cmdOdustajem_Click();
    // Writes the report of the computed estimate to Pregled.txt, or to Trenvr.txt for
    // printing; false when the file could not be written (reported).
    bool SpremiProcjenu();
    // The estimator works in euro while the main window's value box is in euro: entering or
    // leaving euro shows the costs, and an estimate on show, in the new currency.
    void FollowMainCurrency();

    int selectedTab() const { return tbsVrste->value(); }

    forms::Control* tbsVrste;
    std::array<forms::Control*, kBuildingTypeCount> tab{};
    forms::Control *fraGrad, *lblGrad, *lblGruk, *lblGuk, *lblGrukr, *lblGrp;
    std::array<forms::Control*, kConstructionGroups> lblG{}, txtGp{}, lblGr{};
    forms::Control *fraInst, *lblIns, *lblInuk, *lblIuk, *lblInukr, *lblIrp;
    std::array<forms::Control*, kInstallationGroups> lblI{}, txtIp{}, lblIr{};
    std::array<forms::Control*, 2> lblIli{};
    forms::Control *lblUk, *lblPr;
    forms::Control *fraIzbor, *lblIzbor, *txtIzbor;
    std::array<forms::Control*, 3> opt1{}, lblC{};
    forms::Control *lblM2, *txtM2, *chkUNJ, *chkUDM, *lblT, *txtKurs, *lblReza, *txtReza;
    forms::Control *cmdReza, *cmdGotovo, *cmdOdustajem, *cmdZadnji, *cmdIspis, *cmdDokument;

private:
    void createControls();
    void wireHandlers();
    template <typename F> void guarded(F&& f);
    void selectTab(int tab);
    void ReselectLevel();
    // The computation; `moveFocus` is false where it runs again inside another control's
    // focus change.
    void Compute(bool moveFocus);
    void refuse(ComputeStop stop);
    bool resultsInDm() const;
    // The currency of the costs and amounts: "kn", "DM" or "EUR".
    std::string costCurrency() const;
    // The cost frame's caption and the DM conversion's availability for the currency.
    void ShowCostCurrency();
    calculator::FrmGl& main() const;

    calculator::Calculator& calc_;
    int type_ = -1;         // the type whose table is on show
    bool printing_ = false; // the next save goes to Trenvr.txt
    bool euro_ = false;     // costs and amounts in euro
    // The estimate on show, as computed: the report always states these figures and their
    // currency, whatever the boxes show since.
    std::optional<ReportInput> computed_;
};

// The toolbar command "Vrijednost": shows the estimator modally, its value reformatted.
void showEstimator(calculator::Calculator& calc);

} // namespace tarvel::estimator
