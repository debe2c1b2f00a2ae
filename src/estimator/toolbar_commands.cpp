#include "estimator/toolbar_commands.h"

#include <string>

#include "calculator/frm_gl.h"
#include "estimator/frm_vrijednost.h"
#include "records/frm_ispis.h"

namespace tarvel::estimator {

void installEstimatorAndPrintCommands(calculator::FrmGl& frm) {
    auto others = frm.tlb1->onButtonClick;
    frm.tlb1->onButtonClick = [&frm, others](const std::string& key) {
        if (key == "Vrijednost")
            showEstimator(frm.calculator());
        else if (key == "Ispis")
            records::showPrintDialog(frm.calculator());
        else if (others)
            others(key);
    };
}

} // namespace tarvel::estimator
