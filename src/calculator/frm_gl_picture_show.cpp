// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden picture show of the two hot spots lblSlike1 and lblSlike2: circles around five
// centres in changing colours, until a key is pressed.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

void FrmGl::lblSlike1_Click() {
    lblSlike2->setEnabled(true);
}

void FrmGl::lblSlike2_Click() {
    Frame1->setVisible(false);
    platform().refresh();
    do {
        for (int pass = 0; pass < kPictureShowPasses; ++pass) {
            for (int radius = 1; radius <= kPictureShowRadius; radius += kPictureShowStep) {
                pictureShow = {pass, radius};
                platform().refresh();
            }
        }
        platform().processEvents();
        // The window may have been closed from the events that ran.
        if (calculator().ended())
            return;
    } while (!state().Prekini);
    pictureShow = {};
    Frame1->setVisible(true);
    lblSlike2->setEnabled(false);
}

const std::array<FrmGl::ShowCentre, 5> FrmGl::kPictureShowCentres = {
    {{6660, 1710}, {9060, 1710}, {7860, 2310}, {6660, 2880}, {9060, 2880}}};

forms::Color FrmGl::pictureShowColour(int pass, int centre) {
    // Each pass shifts the five colours by one place.
    static constexpr forms::Color kColours[5] = {
        {192, 0, 0}, {0, 0, 0}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}};
    static constexpr int kFirst[5] = {0, 2, 3, 1, 4};
    return kColours[(kFirst[pass % 5] + centre) % 5];
}

} // namespace tarvel::calculator
