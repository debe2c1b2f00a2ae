// SPDX-License-Identifier: GPL-3.0-or-later
// The main window without the mouse: the toolbar's shortcut keys, and the context menus that
// reach what a double click on a phase's amounts or on the totals does.
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

// Seen first by the window's key preview, from whichever control has the focus: the key of a
// toolbar command runs it as a click on its button does, and only when a user could click the
// button now. The key is taken either way, so that a box never types it.
void FrmGl::Form_KeyDown(int& keyCode, int shift) {
    const forms::ToolbarButton* button = tlb1->buttonOfShortcut(keyCode, shift);
    if (!button)
        return;
    keyCode = 0;
    if (button->enabled && userCanReach(*tlb1))
        tlb1->click(button->key);
}

std::vector<forms::ContextMenuItem> FrmGl::contextMenuOf(forms::Control* at) {
    std::vector<forms::ContextMenuItem> items;
    for (int i = 1; i <= 8; ++i) {
        for (const forms::Control* part :
             {chkF[i], lblP[i], lblF[i], lblFc[i], lblFcm[i], lblC[i]}) {
            if (at == part) {
                items.push_back({"Najniža cijena faze", lblFc[i]});
                items.push_back({"Najviša cijena faze", lblFcm[i]});
            }
        }
    }
    items.push_back({"Najniža ukupna cijena", lblSumamin});
    items.push_back({"Najviša ukupna cijena", lblSumamax});
    items.push_back({"Željena cijena", lblOdabir});
    return items;
}

} // namespace tarvel::calculator
