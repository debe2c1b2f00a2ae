// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tarvel::ui {

// The window that a dialog or a window opened now belongs to: the modal window that is open
// (any other window is blocked while it is), else the active window, else none.
QWidget* ownerWindow();

// Shows a top-level window of the program's own (the text editor, the help window) and brings
// it forward. Asked for while a modal window is open, it is tied to that window: it is not
// blocked by it, takes the keys and the mouse at once and stays above it. Otherwise it stands
// on its own beside the others.
void showOverOwner(QWidget& window);

} // namespace tarvel::ui
