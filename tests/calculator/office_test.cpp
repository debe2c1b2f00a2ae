// SPDX-License-Identifier: GPL-3.0-or-later
// The office that sends the documents: its OIB checked as Croatian OIBs are, its place and the
// date, and its dialog.
#include <gtest/gtest.h>

#include <string>

#include "calculator/calculator.h"
#include "calculator/frm_ured.h"
#include "calculator/office.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::calculator {
namespace {

TEST(Office, OibCheckDigitIsIso7064Mod11_10) {
    const struct {
        const char* oib;
        bool valid;
    } cases[] = {
        {"12345678903", true},
        {"69435151530", true},
        {"94577403194", true},
        {"00000000001", true}, // the check digit of a sum that ends in 10 is 0 ...
        {"11111111119", true}, // ... and of one that ends in 1 is 9
        {"12345678901", false},
        {"69435151531", false},
        {"94577403190", false},
        {"1234567890", false},
        {"123456789034", false},
        {"1234567890a", false},
        {"1234 678903", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(oibValid(c.oib), c.valid) << c.oib;
}

TEST(Office, AWrongOibIsRefusedInWordsAndAnEmptyOneIsNot) {
    EXPECT_FALSE(oibProblem(""));
    EXPECT_FALSE(oibProblem("69435151530"));
    EXPECT_EQ(oibProblem("6943515153"),
              "OIB mora imati točno 11 znamenki, bez razmaka i drugih znakova.");
    EXPECT_EQ(oibProblem("69435151531"), "OIB 69435151531 nije ispravan: kontrolna znamenka ne "
                                         "odgovara ostalim znamenkama. Provjerite upisani broj.");
}

TEST(Office, ThePlaceFollowsThePostcodeAndTheDateIsWrittenInCroatian) {
    const struct {
        const char* adresa;
        const char* place;
    } cases[] = {
        {"Ilica 1, 10000 Zagreb", "Zagreb"},
        {"Riva 2, 21000 Split ", "Split"},
        {"Obala 3, Rijeka", "Rijeka"},
        {"10000 Zagreb", "Zagreb"},
        {"Ilica 1", ""},
        {"Ilica 1, 10000", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOf(c.adresa), c.place) << c.adresa;
    EXPECT_EQ(placeAndDate("Ilica 1, 10000 Zagreb", {2026, 3, 5}), "Zagreb, 5. ožujka 2026.");
    EXPECT_EQ(placeAndDate("", {2025, 12, 31}), "31. prosinca 2025.");
    EXPECT_EQ(croatianDate({2026, 1, 1}), "1. siječnja 2026.");
}

class OfficeDialogTest : public ::testing::Test {
protected:
    OfficeDialogTest() {
        calc.start();
        ured = &static_cast<FrmUred&>(calc.load("frmUred"));
        ured->show();
    }

    fakes::FakePlatform platform;
    program::Program calc{platform};
    FrmUred* ured = nullptr;
};

TEST_F(OfficeDialogTest, SavesTheDetailsTrimmedAndShowsThemAgain) {
    ured->userType(*ured->txtNaziv, " Ured Horvat d.o.o. ");
    ured->userPaste(*ured->txtAdresa, "Ilica 1, 10000 Zagreb");
    ured->userType(*ured->txtOIB, "69435151530");
    ured->userPaste(*ured->txtEposta, "ured@horvat.hr");
    ured->userClick(*ured->cmdSpremi);
    EXPECT_FALSE(calc.loaded("frmUred"));
    EXPECT_EQ(platform.stored["UredNaziv"], "Ured Horvat d.o.o.");
    EXPECT_EQ(platform.stored["UredOIB"], "69435151530");
    EXPECT_EQ(platform.stored["UredTelefon"], "");

    auto& again = static_cast<FrmUred&>(calc.load("frmUred"));
    EXPECT_EQ(again.txtAdresa->text(), "Ilica 1, 10000 Zagreb");
    EXPECT_EQ(again.txtEposta->text(), "ured@horvat.hr");
}

TEST_F(OfficeDialogTest, AWrongOibKeepsTheDialogOpenAndStoresNothing) {
    ured->userType(*ured->txtOIB, "6943x5151531");
    EXPECT_EQ(ured->txtOIB->text(), "69435151531"); // the letter was dropped with a beep
    EXPECT_EQ(platform.beeps, 1);
    ured->userClick(*ured->cmdSpremi);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, forms::MsgIcon::Critical);
    EXPECT_EQ(platform.messages[0].title, " Ne može");
    EXPECT_TRUE(calc.loaded("frmUred"));
    EXPECT_EQ(ured->focused(), ured->txtOIB);
    EXPECT_EQ(platform.stored.count("UredOIB"), 0u);

    ured->userClick(*ured->cmdOdustajem);
    EXPECT_FALSE(calc.loaded("frmUred"));
    EXPECT_EQ(platform.stored.count("UredNaziv"), 0u);
}

} // namespace
} // namespace tarvel::calculator
