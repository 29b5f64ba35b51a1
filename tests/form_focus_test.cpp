// The keyboard's way through the menu and what a screen reader's bridge reads
// of it: the real menu on the recording host, driven by keys as a host
// reports them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "app/form1_design.h"
#include "tests/fake_host.h"

namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
namespace key = host::key;

class Listener : public host::accessibility::Listener {
 public:
  void FocusMoved() override { heard.push_back("focus"); }
  void EntriesChanged() override { heard.push_back("entries"); }
  void ActiveChanged() override { heard.push_back("active"); }
  std::vector<std::string> heard;
};

class FormFocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* media : {"Audio Music", "Audio Midi", "Audio Humor", "Video"})
      fs::create_directories(folder / media);
    for (const char* name : {" a.mp3", " b.mp3", "c.mp3"})  // a letter may be a space
      std::ofstream(folder / "Audio Music" / name) << "x";
    const std::u8string path = folder.u8string();
    runtime.appPath = std::string(path.begin(), path.end());
    window.setEvents(&menu);
    input.setListener(&listener);
  }
  void TearDown() override { fs::remove_all(folder); }

  void Press(int16_t code, int16_t shift = 0, int times = 1) {
    for (int i = 0; i < times; ++i) {
      input.KeyDown(code, shift);
      input.KeyUp(code);
    }
  }
  // The entry with the focus, by its control's name and index.
  std::string Focused() const {
    const host::FocusRules& focus = input.focus();
    if (!focus.focused()) return "the window";
    const host::EntryDesign& entry = focus.entry(*focus.focused());
    return std::string(entry.control) + (entry.index ? std::to_string(*entry.index) : "");
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> opened;
    for (const std::string& line : log)
      if (line.starts_with("ShellExecute")) opened.push_back(line.substr(line.rfind(' ')));
    return opened;
  }
  bool PanelShown() const { return window.layout().Shown(window.layout().Find("FrameList", {})); }

  fake::Log log;
  fake::Runtime runtime{log};
  host::FormDesign design = app::Form1Design();
  fake::HostWindow window{log, design};
  app::Form1 menu{window};
  host::FormInput& input = window.input();
  Listener listener;
  fs::path folder =
      fs::temp_directory_path() /
      ("zorvanta-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(FormFocusTest, TabAndTheArrowsGoInReadingOrderAndEnterOrSpaceClickOncePerPress) {
  Press(key::kTab, 0, 3);
  EXPECT_EQ(Focused(), "PartsButtons2");
  input.KeyDown(key::kEnter, 0);
  input.KeyDown(key::kEnter, 0);  // held: the system repeats it
  input.KeyUp(key::kEnter);
  EXPECT_THAT(Opened(), ElementsAre(" 3.avi,,,1)"));
  Press(key::kRight);
  Press(key::kDown);
  Press(key::kUp);
  EXPECT_EQ(Focused(), "PartsButtons3");
  Press(key::kSpace);
  Press(key::kSpace, host::shift::kAlt);  // the window's system menu
  Press(key::kEnter, host::shift::kCtrl);
  EXPECT_THAT(Opened(), ElementsAre(" 3.avi,,,1)", " 4.avi,,,1)"));

  Press(key::kTab, host::shift::kShift, 4);
  EXPECT_EQ(Focused(), "CloseButton");  // round the first entry
  Press(key::kTab, host::shift::kAlt);  // the system's, not ours
  Press(key::kTab, host::shift::kCtrl);
  EXPECT_EQ(Focused(), "CloseButton");
  Press(key::kLeft);
  EXPECT_EQ(Focused(), "QuorrelButtons");
  log.clear();
  Press(key::kEnter);
  EXPECT_THAT(log, Contains("ShellExecute(0,open,https://quorrel.example/,,,1)"));
  EXPECT_THAT(log, Not(Contains("End()")));
}

TEST_F(FormFocusTest, ThePanelsListFollowsItsEntryAndEscGivesTheFocusBack) {
  Press(key::kTab, 0, 7);
  ASSERT_EQ(Focused(), "ListsButtons0");
  log.clear();
  input.KeyDown(key::kSpace, 0);
  input.Typed(" ");  // the same press as a character: no letter for the list
  input.KeyUp(key::kSpace);
  EXPECT_TRUE(PanelShown());
  EXPECT_EQ(Focused(), "List1");
  EXPECT_THAT(log, Contains("Keyboard(List1)"));
  EXPECT_EQ(window.selected, -1);
  Press(key::kDown);  // the list's own key
  EXPECT_EQ(window.selected, 0);
  EXPECT_EQ(Focused(), "List1");

  Press(key::kTab);
  EXPECT_EQ(Focused(), "ListsButtons1");
  Press(key::kRight);  // off the list the arrows move the focus
  EXPECT_EQ(Focused(), "ListsButtons2");
  log.clear();
  Press(key::kTab, host::shift::kShift, 2);
  EXPECT_EQ(Focused(), "List1");
  EXPECT_THAT(log, Contains("Keyboard(List1)"));
  log.clear();
  Press(key::kEscape);
  EXPECT_FALSE(PanelShown());
  EXPECT_EQ(Focused(), "ListsButtons0");
  EXPECT_THAT(log, Contains("Keyboard(Form1)"));
  EXPECT_THAT(log, Not(Contains("End()")));  // no key ends the program
}

TEST_F(FormFocusTest, TheRingShowsRoundTheFocusedHotAreaOnlyOnceTheKeyboardWasUsed) {
  const host::PixelRect first = window.layout()[window.layout().Find("PartsButtons", 0)].rect;
  input.Press(host::button::kLeft, 0, first.left + 1, first.top + 1, 1000);
  input.Release(host::button::kLeft, 0, first.left + 1, first.top + 1, 0);
  EXPECT_EQ(Focused(), "PartsButtons0");  // the keyboard goes on from a click
  EXPECT_EQ(input.FocusRingArea(), std::nullopt);
  EXPECT_THAT(log, Not(Contains("ShowImage")));  // the picture as it was
  Press(key::kShift);
  EXPECT_EQ(input.FocusRingArea(), first);
  EXPECT_THAT(log, Contains("ShowImage"));
  Press(key::kTab, 0, 7);  // onto the list, shown by the entry before
  Press(key::kEnter);
  EXPECT_EQ(Focused(), "List1");
  EXPECT_EQ(input.FocusRingArea(), std::nullopt);  // the list shows its own selection
}

TEST_F(FormFocusTest, AScreenReaderReadsTheEntriesInReadingOrderAndDrivesThem) {
  std::vector<host::accessibility::Entry> entries = window.Entries();
  ASSERT_EQ(entries.size(), 12u);
  EXPECT_EQ(entries[0].name, "первая серия");
  EXPECT_EQ(entries[10].role, host::accessibility::Role::Link);
  EXPECT_EQ(entries[10].value, "https://quorrel.example/");
  EXPECT_EQ(entries[11].name, "Закрыть");
  EXPECT_EQ(window.FocusedEntry(), std::nullopt);
  window.Focus(11);
  EXPECT_EQ(window.FocusedEntry(), 11u);
  EXPECT_TRUE(window.Entries()[11].focused);
  window.DoDefaultAction(7);  // "музыка midi"
  entries = window.Entries();
  ASSERT_EQ(entries.size(), 13u);
  EXPECT_EQ(entries[8].role, host::accessibility::Role::List);
  EXPECT_EQ(entries[8].name, "Музыка Midi");  // the panel's title
  EXPECT_EQ(window.FocusedEntry(), 8u);
  window.DoDefaultAction(0);
  EXPECT_THAT(Opened(), ElementsAre(" 1.avi,,,1)"));
  // Each button hides the panel first.
  EXPECT_THAT(listener.heard,
              ElementsAre("focus", "focus", "entries", "entries", "focus", "focus", "entries"));
}

}  // namespace
