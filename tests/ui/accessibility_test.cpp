// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on real widgets as the keyboard and a screen reader meet it: every widget that
// can take the focus has a name of its own, taken from what it shows, and labels belong to their
// boxes; option buttons are radio buttons and check boxes check boxes; and the Tab key goes one
// way on the model and on the widgets (Qt's focus chain over the widgets on view that take the
// Tab key is the model's tab order).
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "comparison/frm_usporedba.h"
#include "deviations/deviation_catalogue.h"
#include "deviations/frm_odstup.h"
#include "forms/number_text.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/comparison_windows.h"
#include "ui/deviation_windows.h"
#include "ui/dialog_windows.h"
#include "ui/estimator_windows.h"
#include "ui/help_window.h"
#include "ui/offer_windows.h"
#include "ui/office_window.h"
#include "ui/text_editor.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

QString accessibleName(QWidget& w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Every widget on view in the window that the user can put the focus on has a non-empty name
// that no other such widget has, and option buttons and check boxes say what they are.
void expectNamedFocusableWidgets(QWidget& window, const std::string& where) {
    SCOPED_TRACE(where);
    QHash<QString, QString> owners;
    int focusable = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&window))
            continue;
        ++focusable;
        const QString who = w->objectName() + " (" + w->metaObject()->className() + ")";
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr) << who.toStdString();
        const QAccessible::Role role = qobject_cast<QRadioButton*>(w) ? QAccessible::RadioButton
                                       : qobject_cast<QCheckBox*>(w)  ? QAccessible::CheckBox
                                                                      : iface->role();
        EXPECT_EQ(iface->role(), role) << who.toStdString();
        const QString name = iface->text(QAccessible::Name).trimmed();
        EXPECT_FALSE(name.isEmpty()) << who.toStdString() << " has no accessible name";
        if (name.isEmpty())
            continue;
        EXPECT_FALSE(owners.contains(name))
            << who.toStdString() << " and " << owners.value(name).toStdString()
            << " are both called \"" << name.toStdString() << "\"";
        owners.insert(name, who);
    }
    EXPECT_GT(focusable, 0);
}

std::vector<std::string> focusChain(QWidget& window) {
    std::vector<std::string> names;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &window &&
            w->isVisibleTo(&window) && w->isEnabled())
            names.push_back(w->objectName().toStdString());
    }
    return names;
}

std::vector<std::string> tabOrder(const forms::Form& form) {
    std::vector<std::string> names;
    for (const forms::Control* c : form.tabOrder())
        names.push_back(c->name());
    return names;
}

using Names = std::vector<std::pair<const char*, const char*>>;

void expectNames(QWidget& window, const Names& expected) {
    for (const auto& [widget, name] : expected) {
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(widget));
        ASSERT_NE(w, nullptr) << widget;
        EXPECT_EQ(accessibleName(*w).toStdString(), name) << widget;
    }
}

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() : platform_(directory_.path().toStdString()), calculator_(platform_) {
        platform_.setWindows(&windows_);
        calculator_.start();
    }

    // The building service "Projekti građevina" with a value and category II, so that the
    // main window and the dialogs have everything on view.
    void computeExample() {
        calculator::FrmGl& main = calculator_.frmGl();
        main.ApplyEntry(*calculator::findEntry("mnuAvisoko"));
        main.txtInvest->setText("370000");
        main.optK[2]->setValue(1);
        ASSERT_EQ(main.lblSumamin->caption(), "13.135,00");
    }

    // The window's widgets bound to its model and showing it, as the program shows them.
    void check(const std::string& name, const std::function<std::unique_ptr<QWidget>()>& build,
               const Names& expected = {}) {
        forms::Form& form = calculator_.load(name);
        const std::unique_ptr<QWidget> window = build();
        auto* binder = new Binder(form, *window, windows_);
        binder->refresh();
        expectNamedFocusableWidgets(*window, name);
        expectNames(*window, expected);
        EXPECT_FALSE(tabOrder(form).empty()) << name;
        EXPECT_EQ(focusChain(*window), tabOrder(form)) << name;
        binder->detach();
    }

    QTemporaryDir directory_;
    TestPlatform platform_;
    program::Program calculator_;
    Windows windows_{calculator_};
};

TEST_F(AccessibilityTest, MainWindowBeforeAndAfterAServiceIsPriced) {
    check("frmGl", buildFrmGl);
    computeExample();
    check("frmGl", buildFrmGl);
    // A plan service, with other phase captions and some phases hidden, and the read-only rate
    // box on view, which is no tab stop.
    calculator_.frmGl().ApplyEntry(*calculator::findEntry("mnuAPp"));
    EXPECT_TRUE(calculator_.frmGl().txtKurs->reachable());
    check("frmGl", buildFrmGl);
}

TEST_F(AccessibilityTest, EveryWindowNamesItsControls) {
    computeExample();
    // The deviations and the comparison of the service, filled as the program fills them.
    static_cast<deviations::FrmOdstup&>(calculator_.load("frmOdstup"))
        .Setup(*deviations::findDeviations(calculator_.state().Usluga));
    const auto inputs = comparison::readMainWindow(calculator_.frmGl());
    ASSERT_TRUE(inputs);
    static_cast<comparison::FrmUsporedba&>(calculator_.load("frmUsporedba"))
        .Setup(*inputs, forms::num(inputs->valueText));

    const std::tuple<const char*, std::function<std::unique_ptr<QWidget>()>, Names> windows[] = {
        {"frmGl",
         buildFrmGl,
         {{"optK1", "Stupanj složenosti I"}, {"chkF1", "1. Provjera zadatka"}}},
        {"frmCijena", buildFrmCijena, {}},
        {"frmKurs", buildFrmKurs, {}},
        {"frmStopa", buildFrmStopa, {}},
        {"frmAbout", buildFrmAbout, {}},
        {"frmPopust", buildFrmPopust, {{"txtPopust", "Popust na ukupnu cijenu usluge"}}},
        {"frmVrijednost",
         buildFrmVrijednost,
         {{"opt1(0)", "Najniži"},
          {"opt1(2)", "Najviši"},
          {"txtIzbor", "Moj izbor troškova / m2"},
          {"txtGp(0)", "310  Građevna jama"}}},
        {"frmIspis",
         buildFrmIspis,
         {{"opt(0)", "Ispiši ponudu"}, {"opt(2)", "Ispiši proračunsku vrijednost"}}},
        {"frmPonuda", buildFrmPonuda, {{"cmdPonuda", "Provjera ponude"}}},
        {"frmUred", buildFrmUred, {{"txtNaziv", "Naziv ureda:"}, {"txtOIB", "OIB:"}}},
        {"frmUsporedba", buildFrmUsporedba, {{"cmdKat(1)", "II"}}},
        {"frmOdstup",
         [this] { return buildFrmOdstup(calculator_.loaded("frmOdstup")); },
         {{"txt1", calculator_.loaded("frmOdstup")->find("lbl1")->caption().c_str()}}},
    };
    for (const auto& [name, build, expected] : windows)
        check(name, build, expected);
}

// The program's own windows beside the models': the text editor and the help window.
TEST_F(AccessibilityTest, EditorAndHelpWindowNameTheirControls) {
    const QString file = directory_.filePath(QStringLiteral("Ponuda.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("   Poslovna zgrada\r\n");
    out.close();
    TextEditor editor(file);
    editor.findChild<QWidget*>(QStringLiteral("txtTrazi"))->parentWidget()->show();
    expectNamedFocusableWidgets(editor, "editor");
    expectNames(editor, {{"txtTekst", "Tekst datoteke Ponuda.txt"}, {"txtTrazi", "Traži:"}});
    HelpWindow help;
    expectNamedFocusableWidgets(help, "help");
    expectNames(help, {{"txtStranica", "Stranica pomoći"}});
}

TEST_F(AccessibilityTest, MainWindowNamesFollowWhatTheWidgetsShow) {
    computeExample();
    forms::Form& form = calculator_.frmGl();
    const std::unique_ptr<QWidget> window = buildFrmGl();
    auto* binder = new Binder(form, *window, windows_);
    binder->refresh();
    const auto name = [&](const char* widget) {
        return accessibleName(*window->findChild<QWidget*>(QString::fromLatin1(widget)));
    };
    EXPECT_EQ(name("optK2"), QStringLiteral("Stupanj složenosti II"));
    EXPECT_EQ(name("chkF1"), QStringLiteral("1. Provjera zadatka"));
    // The boxes are named by their labels, without the mnemonic mark.
    EXPECT_EQ(name("txtPopust"), QStringLiteral("Popust %"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lbl6"))->text(),
              QStringLiteral("Pop&ust %"));
    // A phase caption of another service renames its tick.
    calculator_.frmGl().ApplyEntry(*calculator::findEntry("mnuGtlo"));
    binder->refresh();
    EXPECT_EQ(name("chkF1"), QString::fromStdString(calculator_.frmGl().lblP[1]->caption()));
    EXPECT_NE(name("chkF1"), QStringLiteral("1. Provjera zadatka"));
    binder->detach();
}

TEST(Mnemonics, CaptionsKeepTheirAmpersandsAndComeBackWhole) {
    EXPECT_EQ(withMnemonic(QStringLiteral("Popust %"), QStringLiteral("u")),
              QStringLiteral("Pop&ust %"));
    // The same case first, then any.
    EXPECT_EQ(withMnemonic(QStringLiteral("Vrijednost vrijedi"), QStringLiteral("v")),
              QStringLiteral("Vrijednost &vrijedi"));
    EXPECT_EQ(withMnemonic(QStringLiteral("Dodaj"), QStringLiteral("d")), QStringLiteral("Do&daj"));
    EXPECT_EQ(withMnemonic(QStringLiteral("Dodaj"), QStringLiteral("D")), QStringLiteral("&Dodaj"));
    // A caption with "&" shows it, and a letter it does not hold marks nothing.
    EXPECT_EQ(withMnemonic(QStringLiteral("A & B"), QStringLiteral("x")), QStringLiteral("A && B"));
    for (const QString& caption :
         {QStringLiteral("Popust %"), QStringLiteral("A & B &"), QStringLiteral("&&"), QString()}) {
        EXPECT_EQ(withoutMnemonic(withMnemonic(caption, QStringLiteral("B"))), caption)
            << caption.toStdString();
        EXPECT_EQ(withoutMnemonic(withMnemonic(caption, QString())), caption);
    }
}

} // namespace
} // namespace tarvel::ui
