// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/office_window.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>

#include "ui/calculator_windows.h"
#include "ui/icons.h"
#include "ui/window_building.h"
#include "ui_frm_ured.h"

namespace tarvel::ui {

namespace {

// Gives the toolbar's "Dokument" button its picture as soon as the binder has made it.
class DocumentIcon : public QObject {
public:
    explicit DocumentIcon(QToolBar& bar) : QObject(&bar) { bar.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ActionChanged || event->type() == QEvent::ActionAdded) {
            for (QAction* action : static_cast<QToolBar*>(watched)->actions()) {
                if (action->data().toString() == QLatin1String("Dokument") &&
                    !action->property("documentIcon").toBool()) {
                    action->setProperty("documentIcon", true);
                    // The slate of the records and printing commands.
                    action->setIcon(QIcon::fromTheme(
                        QStringLiteral("x-office-document"),
                        glyphIcon(QStringLiteral("PDF"), QColor(0x4f, 0x64, 0x75))));
                }
            }
        }
        return false;
    }
};

} // namespace

std::unique_ptr<QWidget> buildFrmUred() {
    Ui::FrmUred ui;
    return buildDialog(ui);
}

std::unique_ptr<QWidget> buildFrmGlWithDocument() {
    std::unique_ptr<QWidget> window = buildFrmGl();
    if (auto* bar = window->findChild<QToolBar*>(QStringLiteral("tlb1")))
        new DocumentIcon(*bar);
    return window;
}

} // namespace tarvel::ui
