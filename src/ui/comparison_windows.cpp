// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comparison_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string_view>

#include "calculator/catalogue.h"
#include "comparison/frm_usporedba.h"
#include "ui/calculator_windows.h"
#include "ui/model_view.h"
#include "ui/qt_text.h"
#include "ui/window_building.h"
#include "ui_frm_usporedba.h"

namespace tarvel::ui {

namespace {

// Puts the comparison's table on the clipboard when its model asks for it: the clipboard is
// the desktop's, so the model only says when and what.
class ClipboardCopy : public QWidget, public ModelView {
public:
    explicit ClipboardCopy(QWidget& parent) : QWidget(&parent) {
        setObjectName(QStringLiteral("clipboardCopy"));
        hide();
    }
    void showModel(const forms::Form& form) override {
        const auto* frm = dynamic_cast<const comparison::FrmUsporedba*>(&form);
        if (!frm || frm->copyRequest().serial == serial_)
            return;
        serial_ = frm->copyRequest().serial;
        QGuiApplication::clipboard()->setText(toQString(frm->copyRequest().text));
    }

private:
    int serial_ = 0;
};

} // namespace

std::unique_ptr<QWidget> buildFrmUsporedba() {
    Ui::FrmUsporedba ui;
    auto dialog = buildDialog(ui);
    restoreArrayNames(*dialog);
    // The amount columns are as wide as the largest amount, whatever the service shows.
    equalizeColumns(*dialog);
    const QFontMetrics fm = dialog->fontMetrics();
    ui.txtVarijanta->setFixedWidth(fm.horizontalAdvance(QStringLiteral("999.999.999,99")) + 14);
    // The row buttons keep one width from "I" to "Savjetovanje".
    const int button = fm.horizontalAdvance(QStringLiteral("Savjetovanje")) + fm.height();
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->objectName().startsWith(QLatin1String("cmdKat")))
            b->setMinimumWidth(button);
    }
    // A note wraps within a column as wide as the longest limit it names.
    const int note =
        fm.horizontalAdvance(QStringLiteral("iznad granice stupnja (do 999.999.999,99 kn)"));
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (name.startsWith(QLatin1String("lblNap(")))
            label->setMinimumWidth(note);
        else if (name.startsWith(QLatin1String("lblFaze(")))
            label->setMinimumWidth(
                fm.horizontalAdvance(QStringLiteral("9.999.999,99 – 9.999.999,99")));
    }
    int phase = 0;
    for (std::string_view caption : calculator::allPhaseCaptions())
        phase = qMax(phase, fm.horizontalAdvance(QString::fromUtf8(
                                caption.data(), static_cast<qsizetype>(caption.size()))));
    ui.lblFazeNaziv->setMinimumWidth(phase);
    // The window is laid out once, for everything it can show: eight phases, and the notes
    // below the table with their longest texts.
    for (QLabel* column : ui.fraFaze->findChildren<QLabel*>()) {
        if (column->objectName() == QLatin1String("lblFazeNaziv") ||
            column->objectName().startsWith(QLatin1String("lblFaze(")))
            column->setMinimumHeight(fm.lineSpacing() * comparison::kPhases);
    }
    ui.lblNapomena->setText(QString::fromUtf8(comparison::kOutOfTariffNote));
    ui.lblUvjeti->setText(QStringLiteral("Cijena je postotak proračunske vrijednosti, s popustom "
                                         "50 % i dodatkom 250 %; najniža ne postoji."));
    new ClipboardCopy(*dialog);
    return dialog;
}

} // namespace tarvel::ui
