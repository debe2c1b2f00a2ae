// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

class Windows;

// The offer composer, built from its .ui file, not yet bound.
std::unique_ptr<QWidget> buildFrmPonuda();

// Registers the offer composer's window.
void registerOfferWindows(Windows& windows);

} // namespace tarvel::ui
