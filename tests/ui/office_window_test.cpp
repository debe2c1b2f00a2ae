// SPDX-License-Identifier: GPL-3.0-or-later
// The office dialog and the main window's command "Dokument" on real widgets, offscreen.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "calculator/frm_gl.h"
#include "calculator/frm_ured.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/office_window.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

TEST(OfficeWindow, EveryControlHasItsWidgetWithTheModelsCaption) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    const std::unique_ptr<QWidget> window = buildFrmUred();
    const forms::Form& model = calculator.load("frmUred");
    EXPECT_EQ(window->objectName(), QStringLiteral("frmUred"));
    EXPECT_EQ(window->windowTitle().toStdString(), model.caption());
    for (const std::string& m : nameMismatches(model, *window))
        ADD_FAILURE() << m;
    for (const forms::Control* c : model.controls()) {
        QObject* w = window->findChild<QObject*>(QString::fromStdString(c->name()));
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_EQ(withoutMnemonic(label->text()).toStdString(), c->caption());
            EXPECT_NE(label->buddy(), nullptr) << c->name();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            EXPECT_EQ(button->text().toStdString(), c->caption());
        }
    }
}

// The main window whose platform notes the documents instead of previewing them.
class DocumentPlatform : public TestPlatform {
public:
    using TestPlatform::TestPlatform;
    std::optional<std::string> printClientDocument(const forms::ClientDocument& document,
                                                   forms::PrintTarget target) override {
        documents.push_back(document);
        targets.push_back(target);
        return std::nullopt;
    }
    std::vector<forms::ClientDocument> documents;
    std::vector<forms::PrintTarget> targets;
};

TEST(DocumentCommand, F7AndTheToolbarPreviewTheCalculationUnderTheLetterhead) {
    QTemporaryDir directory;
    DocumentPlatform documents(directory.path().toStdString());
    program::Program calc(documents);
    Windows windows(calc);
    registerCalculatorWindows(windows);
    documents.setWindows(&windows);
    documents.settings().set("UredNaziv", "Ured Horvat d.o.o.");
    documents.settings().set("UredAdresa", "Ilica 1, 10000 Zagreb");
    documents.settings().set("ZadnjaStopa", "0,25");
    calc.start();
    windows.sync();
    QWidget* main = windows.window("frmGl");

    auto* bar = main->findChild<QToolBar*>(QStringLiteral("tlb1"));
    QAction* command = windows.binder("frmGl")->toolbarAction("tlb1", "Dokument");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->toolTip(),
              QStringLiteral("Dokument za klijenta: pregled, ispis ili PDF (F7)"));
    EXPECT_FALSE(command->icon().isNull());
    EXPECT_EQ(bar->actions().size(), static_cast<qsizetype>(calc.frmGl().tlb1->buttons().size()));

    calc.frmGl().userClick(*calc.frmGl().find("mnuAvisoko"));
    calc.frmGl().userType(*calc.frmGl().txtInvest, "370000");
    calc.frmGl().userClick(*calc.frmGl().optK[2]);
    calc.frmGl().userClickToolbar(*calc.frmGl().tlb1, "Max");
    windows.sync();
    QTest::keyClick(main->findChild<QWidget*>(QStringLiteral("txtNaziv")), Qt::Key_F7);
    command->trigger();
    ASSERT_EQ(documents.documents.size(), 2u);
    const forms::ClientDocument& d = documents.documents[0];
    EXPECT_EQ(documents.targets[0], forms::PrintTarget::Preview);
    EXPECT_EQ(d.title, "Izračun cijene usluge");
    EXPECT_EQ(d.office.naziv, "Ured Horvat d.o.o.");
    EXPECT_TRUE(d.placeAndDate.starts_with("Zagreb, ")) << d.placeAndDate;
    EXPECT_EQ(d.rows.back().cells.back().text, "20.257,50 kn"); // 16.206,00 and 25 % tax
    EXPECT_TRUE(documents.messages.empty());
}

} // namespace
} // namespace tarvel::ui
