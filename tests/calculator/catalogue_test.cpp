// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>

#include "calculator/catalogue.h"
#include "engine/tariffs.h"

using namespace tarvel::calculator;
namespace engine = tarvel::engine;

// The catalogue is data typed by hand: these invariants catch a slipped digit or name.
TEST(Catalogue, EveryEntryIsPricedByItsFamily) {
    EXPECT_EQ(catalogue().size(), 32u);
    for (const CatalogueEntry& e : catalogue()) {
        SCOPED_TRACE(std::string(e.menuItem));
        EXPECT_EQ(engine::isPlan(e.code), e.family == Family::Plan);
        EXPECT_EQ(engine::isSupervision(e.code), e.family == Family::Supervision);
        EXPECT_EQ(engine::hasFeeTable(e.code), e.family == Family::Building);
        EXPECT_EQ(e.categories == Categories::None, e.family != Family::Building);
        const int total = std::accumulate(e.shares.begin(), e.shares.end(), 0);
        EXPECT_EQ(total, e.family == Family::Supervision ? 0 : 100);
        if (e.family == Family::Plan) {
            EXPECT_EQ(e.shares[5] + e.shares[6] + e.shares[7], 0);
        }
    }
}

TEST(Catalogue, EveryServiceIsAMenuItemOfTheMenuBar) {
    std::set<std::string> names;
    for (const MenuDefinition& m : menuBar()) {
        EXPECT_TRUE(names.insert(std::string(m.name)).second) << m.name;
        if (!m.parent.empty()) {
            EXPECT_TRUE(names.count(std::string(m.parent))) << m.name << " before its menu";
        }
    }
    for (const CatalogueEntry& e : catalogue()) {
        const auto it = std::find_if(menuBar().begin(), menuBar().end(),
                                     [&](const MenuDefinition& m) { return m.name == e.menuItem; });
        ASSERT_NE(it, menuBar().end()) << e.menuItem;
        EXPECT_EQ(it->caption, e.caption);
        EXPECT_EQ(findEntry(e.menuItem), &e);
    }
}
