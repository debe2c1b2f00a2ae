// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

class Windows;

// Registers the Qt window of every window model the program has registered; a model without
// widgets, or widgets without a model, is a fault of the build and throws std::logic_error.
void registerCalculatorWindows(Windows& windows);

// The main window's widgets, built from frm_gl.ui and laid out, not yet bound.
std::unique_ptr<QWidget> buildFrmGl();
// The desired-price dialog's widgets, not yet bound.
std::unique_ptr<QWidget> buildFrmCijena();

// Gives every widget with the dynamic property "column" (a sample text) the width of the
// widest sample of its column, so that columns line up across separate frames; a hidden
// cell of a column keeps its place.
void equalizeColumns(QWidget& root);

} // namespace tarvel::ui
