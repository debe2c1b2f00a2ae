// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "calculator/catalogue.h"
#include "calculator/shared_state.h"
#include "forms/form.h"
#include "forms/number_text.h"
#include "records/record_text.h"

namespace tarvel::calculator {

class Calculator;

// The main window: the calculation in progress lives in its controls.
//
// A control's name leads to its handler's file in one hop:
//   frm_gl_controls.cpp     the controls, menus and toolbar, and which handler each event runs
//   frm_gl_startup.cpp      Form_Load, Form_Unload and the window's key preview
//   frm_gl_menus.cpp        the service menus (mnuA, mnuG, ...), mnuAizlaz, mnuPIE5
//   frm_gl_services.cpp     a catalogue entry applied, ResetService, ClearResults,
//   ClearChosenPrices frm_gl_value_box.cpp    txtInvest frm_gl_name_box.cpp     txtNaziv
//   frm_gl_categories.cpp   optK1 .. optK5, CategoryChosen, FocusChosenCategory
//   frm_gl_compute.cpp      cmdCijena and the price computation
//   frm_gl_phases.cpp       chkF1 .. chkF8, lblFc*, lblSumamin, lblSumamax, lblOdabir
//   frm_gl_adjustments.cpp  txtPopust and txtDodaj
//   frm_gl_toolbar.cpp      tlb1: every toolbar command
//   frm_gl_currency.cpp     the currency commands KN, DM and EUR, and the currency at start
//   frm_gl_record.cpp       the record of the calculation on show (PripremiIzracun)
//   frm_gl_picture_show.cpp lblSlike1, lblSlike2
//   frm_gl_help.cpp         the help menu and the function keys
//   frm_gl_offer.cpp        the hand-over between the offer composer and the main window
//   frm_gl_document.cpp     the client document ("Dokument", mnuDokument, F7) and mnuUred
//   frm_gl_keys.cpp         the toolbar's shortcut keys and the context menus of the rows
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
    void ClearDeviations();
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
    void SumChosenPrices();
    // Builds the record of the calculation on show into `Izracun` and `DatotekaIzracuna`.
    void PripremiIzracun();
    // What the record of the calculation on show reads, as the window shows it.
    records::RecordInputs recordInputs() const;
    // True while computed totals are on show (not after ClearResults or a service's set-up).
    bool TotalsOnShow() const;
    // True while amounts are computed and shown in euro.
    bool inEuro() const;
    // A value of the value box's currency in DM, the currency of the fee scale.
    double valueInDm(double value) const;
    // Runs a handler of this window: an unreadable number is reported, an arithmetic failure
    // ends it silently.
    template <typename F> void guarded(F&& f);

    // The picture show: the pass (0 to 4) and the radius, in twips, drawn last; radius 0 when
    // no show is running.
    struct PictureShow {
        int pass = 0;
        int radius = 0;
    };
    PictureShow pictureShow;
    struct ShowCentre {
        int x;
        int y;
    };
    static constexpr int kPictureShowPasses = 5;
    static constexpr int kPictureShowRadius = 1860;
    static constexpr int kPictureShowStep = 30;
    static const std::array<ShowCentre, 5> kPictureShowCentres;
    // The colour of a centre's circles in a pass.
    static forms::Color pictureShowColour(int pass, int centre);

    // Handlers, named after their control and event.
    void cmdCijena_Click();
    void txtInvest_KeyDown(int& keyCode, int shift);
    void txtInvest_Change();
    void txtInvest_GotFocus();
    void txtNaziv_GotFocus();
    void txtNaziv_LostFocus();
    void lblOdabir_Change();
    void lblOdabir_DblClick();
    void chkF_Click(int phase);
    void lblFc_DblClick(int phase);
    void lblFcm_DblClick(int phase);
    void lblSumamin_DblClick();
    void lblSumamax_DblClick();
    void txtPopust_GotFocus();
    void txtPopust_LostFocus();
    int txtPopust_KeyPress(int keyAscii);
    void txtPopust_Change();
    void txtDodaj_GotFocus();
    void txtDodaj_LostFocus();
    int txtDodaj_KeyPress(int keyAscii);
    void txtDodaj_Change();
    void lblSlike1_Click();
    void lblSlike2_Click();
    void tlb1_ButtonClick(const std::string& key);
    void mnuAizlaz_Click();
    void mnuPIE5_Click();
    void mnuUsporedba_Click();
    void mnuUred_Click();
    void Form_KeyPress(int keyAscii);
    void Form_KeyDown(int& keyCode, int shift);
    // A phase row's context menu (its check box, caption or amounts), and the totals' after
    // it; the totals' alone from anywhere else.
    std::vector<forms::ContextMenuItem> contextMenuOf(forms::Control* at) override;
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
    forms::Control *mnuPIE5, *mnuPhtml, *mnuUsporedba;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void createDocumentMenu();
    forms::Control& menu(const std::string& name) const;

    bool isPlan() const;
    bool isSupervision() const;
    // Rewrites the value box as its Enter key does ("0,0" for a plan, "#,0.00" otherwise);
    // false when its text is not a number (reported).
    bool ReformatValueBox();
    void ReportBadValueBox();
    void ComputeBuildingPrice();
    void PlanPrice();
    // Writes a plan's base fees in the currency on show; false when the units are out of
    // tariff (reported, results cleared).
    bool PlanBaseFees();
    void SupervisionPrice();
    void SetupBuildingService();
    void SetupPlanService();
    void ApplySupervisionEntry(const CatalogueEntry& entry);
    void ApplyHelp(const CatalogueEntry& entry);
    void TakeOverDiscipline();
    void AfterCommand();
    void PhasePrice(int phase, bool maximum);
    void TotalsTail();
    void ReapplyTotals();
    // The discount and addition boxes share their rules; `limit` is where "Ne pretjerujte !"
    // begins.
    void AdjustmentGotFocus(forms::Control& box, forms::Control& other, const char* refusal);
    void AdjustmentChange(forms::Control& box, double limit);
    // Toolbar commands; each returns false when it stopped early, so that the offer flow's
    // rule after a command does not run.
    bool CommandKN();
    bool CommandDM();
    bool CommandEUR();
    // The currency chosen last is kept in the settings and shown again at start.
    void RememberCurrency(const char* key);
    void ShowStoredCurrency(const std::string& setting);
    bool CommandPohrani();
    bool CommandNote();
    bool CommandPonuda();
    bool CommandPvidi();
    // "Usporedba" (toolbar and menu) is there once a service and a value are entered.
    void EnableComparison();
    void CommandDokument();
    void CommandPonisti();
    std::string offerValue(int index) const;

    Calculator& calc_;
};

template <typename F> void FrmGl::guarded(F&& f) {
    try {
        f();
    } catch (const forms::ConversionError& e) {
        state().NeispravanUpis = e.text();
        ShowBadValue();
    } catch (const forms::ArithmeticError&) {
        // An arithmetic failure ends the handler; what was already written stays. Anything
        // else is a fault and goes on to the edge of the event loop, which reports it.
    }
}

} // namespace tarvel::calculator
