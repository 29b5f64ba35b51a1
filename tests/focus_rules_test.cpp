// Where the keyboard goes among the menu's entries, without a display.
#include "host/focus_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_design.h"

namespace {

using ::testing::ElementsAre;

class FocusRulesTest : public ::testing::Test {
 protected:
  size_t Entry(std::string_view control, std::optional<int16_t> index = std::nullopt) {
    return *rules.EntryOf(control, index);
  }
  std::string Focused() const {
    if (!rules.focused()) return "the window";
    const host::EntryDesign& entry = rules.entry(*rules.focused());
    return std::string(entry.control) + std::to_string(entry.index.value_or(-1));
  }
  std::vector<std::string> Walk(bool forward, int steps, bool panelShown) {
    std::vector<std::string> met;
    for (int i = 0; i < steps; ++i) {
      rules.Step(forward, panelShown);
      met.push_back(Focused());
    }
    return met;
  }

  host::FocusRules rules{app::Form1Entries()};
};

TEST_F(FocusRulesTest, TabGoesInReadingOrderRoundTheEndsAndShiftTabBack) {
  EXPECT_EQ(rules.Order(false).size(), 12u);
  EXPECT_THAT(Walk(true, 3, false), ElementsAre("PartsButtons0", "PartsButtons1", "PartsButtons2"));
  const std::vector<std::string> all = Walk(true, 10, false);
  EXPECT_THAT(std::vector(all.begin() + 2, all.end()),
              ElementsAre("AnonsButtons5", "ListsButtons0", "ListsButtons1", "ListsButtons2",
                          "ListsButtons3", "QuorrelButtons-1", "CloseButton-1", "PartsButtons0"));
  EXPECT_THAT(Walk(false, 2, false), ElementsAre("CloseButton-1", "QuorrelButtons-1"));
  host::FocusRules fresh{app::Form1Entries()};
  fresh.Step(false, false);
  EXPECT_EQ(fresh.focused(), Entry("CloseButton"));
}

TEST_F(FocusRulesTest, TheListFollowsTheEntryThatShowedItAndGivesTheFocusBackToIt) {
  rules.FocusOn(Entry("ListsButtons", 1));
  rules.Clicking(Entry("ListsButtons", 1));
  rules.PanelShown();
  rules.Clicking(std::nullopt);
  EXPECT_TRUE(rules.OnList());
  EXPECT_THAT(Walk(true, 2, true), ElementsAre("ListsButtons2", "ListsButtons3"));
  EXPECT_THAT(Walk(false, 3, true), ElementsAre("ListsButtons2", "List1-1", "ListsButtons1"));
  rules.Step(true, true);
  rules.PanelHidden();
  EXPECT_EQ(Focused(), "ListsButtons1");
  rules.FocusOn(Entry("PartsButtons", 0));
  rules.PanelHidden();  // the focus elsewhere stays
  EXPECT_EQ(Focused(), "PartsButtons0");

  host::FocusRules unopened{app::Form1Entries()};  // shown, as the table has it
  const std::vector<size_t> order = unopened.Order(true);
  EXPECT_EQ(order[10], Entry("List1"));
  EXPECT_EQ(order[9], Entry("ListsButtons", 3));
}

TEST(FocusRing, ABrightDoubleLineBetweenDarkOnesAroundTheHotArea) {
  const std::vector<host::RingBox> ring = host::FocusRing({10, 20, 30, 40});
  ASSERT_EQ(ring.size(), 16u);                             // four lines of four sides
  EXPECT_EQ(ring[0].rect, (host::Rect{8, 18, 32, 19}));    // the outer line's top
  EXPECT_EQ(ring[15].rect, (host::Rect{28, 22, 29, 38}));  // the inner line's right
  EXPECT_EQ(ring[0].colour, ring[12].colour);
  EXPECT_EQ(ring[4].colour, ring[8].colour);
  EXPECT_NE(ring[0].colour, ring[4].colour);
}

}  // namespace
