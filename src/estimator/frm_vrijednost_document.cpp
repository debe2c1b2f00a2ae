// SPDX-License-Identifier: GPL-3.0-or-later
// The computed estimate as a document for the client (cmdDokument).
#include "calculator/calculator.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "estimator/estimate_document.h"
#include "estimator/frm_vrijednost.h"

namespace tarvel::estimator {

// The document states the estimate as computed, as the report does, whatever the boxes show
// since.
void FrmVrijednost::cmdDokument_Click() {
    if (!computed_)
        return;
    calculator::showClientDocument(calc_, estimateDocument(*computed_, main().txtNaziv->text()));
}

} // namespace tarvel::estimator
