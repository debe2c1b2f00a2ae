#pragma once

#include <array>
#include <string>

#include "calculator/catalogue.h"
#include "calculator/shared_state.h"
#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The main window: the calculation in progress lives in its controls.
class FrmGl : public forms::Form {
public:
    explicit FrmGl(Calculator& calculator);

    void Form_Load() override;
    void Form_Unload() override;

    Calculator& calculator() const { return calc_; }
    SharedState& state() const;

    // Shared routines that other windows call.
    void ResetService();
    void ClearResults();
    void ClearChosenPrices();
    void CategoryChosen();
    void FocusChosenCategory();
    void ComputePhaseFees();
    void SumPhaseFees();
    void FinishPlanPrice();
    void ShowResultsDone();
    void ShowBadValue();
    void ShowOutOfTariff();
    void HideEmptyPhases();
    void ShowPhase(int phase, bool visible);
    void DropPlanValue();
    void ReapplyPhaseExclusions();
    // Applies a catalogue entry as choosing its menu item does.
    void ApplyEntry(const CatalogueEntry& entry);

    // Handlers, named after their control and event.
    void cmdCijena_Click();
    void txtInvest_KeyDown(int& keyCode, int shift);
    void txtInvest_Change();
    void txtInvest_GotFocus();
    void txtNaziv_GotFocus();
    void txtNaziv_LostFocus();
    void lblOdabir_Change();
    void tlb1_ButtonClick(const std::string& key);
    void mnuAizlaz_Click();
    void mnuPIE5_Click();
    void Form_KeyPress(int keyAscii);
    void OpenServiceMenu(const std::string& menu);

    // Controls.
    forms::Control *lblProjekt, *lblTekst;
    forms::Control *fraSve, *lbl1, *txtInvest, *lblValuta, *lblT, *txtKurs, *lbl6, *txtPopust,
        *lblD, *txtDodaj, *txtNaziv, *cmdCijena;
    forms::Control *fraKat, *lblO1, *lblO2, *lblO3, *lpb4, *lbl5;
    std::array<forms::Control*, 6> optK{};
    forms::Control *fraFaze, *lblFraFaze, *Label1;
    std::array<forms::Control*, 9> chkF{}, lblP{}, lblF{}, lblFc{}, lblFcm{}, lblC{};
    forms::Control *fraCijena, *lblFcmin, *lblFcmax, *lblOdabr;
    forms::Control *fraUk, *lblUkupno, *lblSumamin, *lblSumamax, *lblOdabir, *lblValutaFaza,
        *lblCmin, *lblCmax;
    forms::Control *Frame1, *imgFaze, *lblSlike1, *lblSlike2;
    forms::Toolbar* tlb1;
    forms::Control *mnuPIE5, *mnuPhtml;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    // Runs a handler so that nothing escapes it: an unreadable number is reported, any other
    // failure ends the handler silently.
    template <typename F> void guarded(F&& f);
    forms::Control& menu(const std::string& name) const;

    bool isPlan() const;
    bool isSupervision() const;
    // Rewrites the value box as its Enter key does ("0,0" for a plan, "#,0.00" otherwise);
    // false when its text is not a number (reported).
    bool ReformatValueBox();
    void ReportBadValueBox();
    void ComputeBuildingPrice();
    void PlanPrice();
    void SupervisionPrice();
    void SetupBuildingService();
    void SetupPlanService();
    void ApplySupervisionEntry(const CatalogueEntry& entry);
    void ApplyHelp(const CatalogueEntry& entry);
    void TakeOverDiscipline();
    void AfterCommand();
    std::string offerValue(int index) const;

    Calculator& calc_;
};

} // namespace tarvel::calculator
