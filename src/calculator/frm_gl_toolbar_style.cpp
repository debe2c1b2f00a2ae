// The toolbar style switch: the flat look is bit 2048 of the toolbar's style bits.
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

using forms::Toolbar;

void FrmGl::mnuPIE5_Click() {
    int style = tlb1->style();
    const bool flat = (style & Toolbar::kFlatStyle) == 0;
    style = flat ? style | Toolbar::kFlatStyle : style & ~Toolbar::kFlatStyle;
    mnuPIE5->setChecked(flat);
    tlb1->setStyle(style);
    state().Toolbar = std::to_string(style);
    platform().settings().set("Toolbar", state().Toolbar);
}

} // namespace tarvel::calculator
