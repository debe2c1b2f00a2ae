// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;

namespace tarvel::ui {

// Shows a label's text in bold while the mouse is over it, as a link does, and in the normal
// weight again when the mouse leaves it. The label keeps room for the bold text, so nothing
// around it moves.
class BoldOnHover : public QObject {
public:
    // Becomes a child of the label.
    explicit BoldOnHover(QLabel& label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBold(bool bold);

    QLabel& label_;
};

} // namespace tarvel::ui
