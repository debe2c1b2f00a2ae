// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "forms/form.h"
#include "offer/disciplines.h"

namespace tarvel::calculator {
class Calculator;
class FrmGl;
struct SharedState;
} // namespace tarvel::calculator

namespace tarvel::offer {

// Background colours of the cells.
inline constexpr forms::Color kGreenMarker{192, 255, 192}; // the row in work
inline constexpr forms::Color kLightYellow{255, 255, 192}; // the other budget values
inline constexpr forms::Color kHandEntry{255, 192, 255};   // a fee being entered by hand
inline constexpr forms::Color kHandCleared{192, 255, 255}; // a hand entry refused or cleared

// The offer composer: one row per discipline of the building, each with its budget value from
// the estimator, its corrected cost, its fee and its share. A row's value goes to the main
// window, is priced there and comes back with the row's capture button. The window keeps its
// state while hidden; closing it discards the offer.
class FrmPonuda : public forms::Form {
public:
    explicit FrmPonuda(calculator::Calculator& calculator);

    void Form_Load() override;
    void Form_Unload() override;

    void lblPt_DblClick(int row); // rows 0 .. 9
    void lblPt10_DblClick();
    void Capture(int row); // cmdArh_Click .. cmdAuto_Click
    void cmdOstalo_Click();
    void lblC_DblClick(int row);
    // A row (its button or one of its cells): its value to the main window, and its fee by
    // hand (rows 1 to 9) or cleared (the row of other services).
    std::vector<forms::ContextMenuItem> contextMenuOf(forms::Control* at) override;
    void cmdNazad_Click();
    void cmdOdustajem_Click();
    void cmdPonuda_Click();
    void cmdGotovo_Click();
    void cmdDokument_Click();
    // F1 anywhere in the window: the composer's page of the user's guide.
    void Form_KeyDown(int& keyCode, int shift);

    // Shared routines of the offer.
    void ObnoviPonudu();
    void ZbrojiUdjele();
    void ZbrojiCijene();
    void SastaviPonudu();
    void PorukaOstalo();

    // The budget value of a row as displayed; row -1 (or 10) is lblPt10.
    std::string valueText(int row) const;
    // The budget-value cell of a row (lblPt10 for row 10).
    forms::Control& valueCell(int row) const;

    std::array<forms::Control*, kRows> lblPt{}; // lblPt(0..9), and lblPt10 as element 10
    std::array<forms::Control*, kRows> lblKt{}, lblC{}, lblP{}, cmd{};
    forms::Control *lblPt10, *lblNosnov, *lblNkor, *Label1, *lblNp, *lblNukupno, *lblUkupno, *lblPu;
    forms::Control *cmdPonuda, *cmdGotovo, *cmdOdustajem, *cmdNazad, *lblNunesi, *fraSastav,
        *Picture1, *cmdDokument;
    std::string SpremljenaUsluga;

private:
    void createControls();
    void wireHandlers();
    template <typename F> void guarded(F&& f);
    calculator::SharedState& state() const;
    calculator::FrmGl& main() const;

    // Sends a row's value to the main window (rows 0 .. 9, after the range check).
    void SendRow(int row);
    // Sends the "Ostalo" row to the main window (no range check).
    void SendOstalo();
    bool inWork(int row) const;
    void markInWork(int row);
    void PosebnaNotice();
    std::string share(int row) const;
    void EnterByHand(int row);
    void ClearRow(int row);
    // Writes the offer file; false when it could not be written (reported).
    bool WriteOffer(const std::string& text);
    std::string TotalsBlock() const;
    bool NothingOffered();

    calculator::Calculator& calc_;
};

} // namespace tarvel::offer
