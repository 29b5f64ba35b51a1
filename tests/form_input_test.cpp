// The shared input rules of a window, without a display: the menu's design
// on a recording host, fed with presses, releases, motion and keys as a host
// reports them; what the program hears and what the host is asked to do.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/form1_design.h"
#include "host/list_keys.h"
#include "tests/fake_host.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
constexpr int16_t kLeft = host::button::kLeft, kRight = host::button::kRight,
                  kMiddle = host::button::kMiddle;

class FormInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.setEvents(&events);
    input.setLimits({500, 2});
  }
  void TearDown() override { fs::remove_all(folder); }

  // A press and release of one button at (x, y), `ms` after the last.
  void Click(float x, float y, int16_t button = kLeft, uint32_t ms = 600) {
    input.Press(button, 0, x, y, time += ms);
    input.Release(button, 0, x, y, 0);
  }
  // The log since the last call, without the lines of the kinds named: by
  // default what the program heard alone.
  std::vector<std::string> Heard(std::vector<std::string> aside = {"Cursor", "Select",
                                                                   "Keyboard"}) {
    std::vector<std::string> heard;
    for (const std::string& line : log)
      if (std::none_of(aside.begin(), aside.end(),
                       [&](const std::string& kind) { return line.starts_with(kind); }))
        heard.push_back(line);
    log.clear();
    return heard;
  }
  // The panel shown with a list of `names`, the log emptied.
  void ShowList(std::vector<std::string> names) {
    fs::create_directories(folder);
    for (const std::string& name : names)  // UTF-8 names, on every system
      std::ofstream(folder / fs::path(std::u8string(name.begin(), name.end()))) << "x";
    const std::u8string path = folder.u8string();
    window.fileListBox("List1").setPath(std::string(path.begin(), path.end()));
    window.pictureBox("FrameList").setVisible(true);
    log.clear();
  }

  fake::Log log;
  fake::Runtime runtime{log};
  fake::Events events{log};
  host::FormDesign design = app::Form1Design();
  fake::HostWindow window{log, design};
  host::FormInput& input = window.input();
  uint32_t time = 1000;
  // One folder per test: the tests may run side by side.
  fs::path folder =
      fs::temp_directory_path() /
      ("zorvanta-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(FormInputTest, AClickIsALeftPressAndReleaseOverTheSameLabel) {
  Click(536, 110);
  Click(536, 110, kRight);
  input.Press(kLeft, 0, 536, 110, time += 600);  // pressed on a hot area, released off it
  input.Release(kLeft, 0, 560, 15, 0);
  input.Press(kLeft, 0, 560, 15, time += 600);  // and the other way round
  input.Release(kLeft, 0, 536, 110, 0);
  EXPECT_THAT(Heard(), ElementsAre("Click PartsButtons 2", "MouseDown 1 0 8400 225",
                                   "MouseUp 1 0 8040 1650"));
}

// The second press of a pair is a double click, and its release no click: a
// double click on an episode opens it once.
TEST_F(FormInputTest, ADoubleClickOnALabelClicksOnceAndAThirdPressStartsANewPair) {
  Click(536, 110);
  Click(537, 111, kLeft, 100);
  Click(536, 110, kLeft, 100);
  EXPECT_THAT(Heard(),
              ElementsAre("Click PartsButtons 2", "DblClick PartsButtons", "Click PartsButtons 2"));
  Click(536, 110, kLeft, 600);  // too late for a pair
  Click(536, 110, kLeft, 501);
  Click(540, 110, kLeft, 100);  // too far
  Click(536, 78, kLeft, 100);   // another entry
  Click(536, 78, kRight, 100);  // another button
  Click(536, 78, kLeft, 100);
  EXPECT_THAT(Heard(),
              ElementsAre("Click PartsButtons 2", "Click PartsButtons 2", "Click PartsButtons 2",
                          "Click PartsButtons 1", "Click PartsButtons 1"));
}

// The background's events carry every held button; the window moves only
// when the pointer does.
TEST_F(FormInputTest, APressBelongsWhereItBeganUntilAllButtonsAreUp) {
  input.Press(kLeft, 0, 300, 450, time);
  input.Motion(kLeft, 0, 310, 450);
  input.Press(kRight, 0, 536, 110, time += 10);  // over a hot area: still the background's
  input.Motion(kLeft | kRight, 0, 536, 111);
  input.Release(kRight, 0, 536, 111, kLeft);
  input.Motion(kLeft, 0, 536, 111);  // the same place again: no motion
  input.Motion(kLeft, 4, 537, 111);
  input.Release(kLeft, 0, 537, 111, 0);
  EXPECT_THAT(Heard(), ElementsAre("MouseDown 1 0 4500 6750", "MouseMove 1 0 4650 6750",
                                   "MouseDown 2 0 8040 1650", "MouseMove 3 0 8040 1665",
                                   "MouseUp 2 0 8040 1665", "MouseMove 1 4 8055 1665",
                                   "MouseUp 1 0 8055 1665"));
  input.Motion(0, 0, 536, 110);  // over the hot area now: its own
  input.Press(kLeft, 0, 300, 450, time += 600);
  input.Motion(0, 0, 301, 450);  // a release the window never saw
  input.Motion(0, 0, 536, 111);
  input.Press(kRight, 0, 300, 450, time += 600);
  input.Cancel();  // a message box took the mouse
  input.Release(kRight, 0, 300, 450, 0);
  EXPECT_THAT(Heard(), ElementsAre("MouseDown 1 0 4500 6750", "MouseMove 0 0 4515 6750",
                                   "MouseDown 2 0 4500 6750"));
}

TEST_F(FormInputTest, TheHandShowsOverHotAreasAndTheWindowsPointerOverItsBackground) {
  window.setEvents(nullptr);
  input.Motion(0, 0, 536, 110);
  input.Motion(0, 0, 300, 450);
  input.Press(kLeft, 0, 300, 450, time);
  window.setMousePointer(host::pointer::kSizeAll);  // as a drag begins
  input.Motion(kLeft, 0, 536, 110);                 // dragged across a hot area
  window.setMousePointer(host::pointer::kDefault);
  input.Release(kLeft, 0, 536, 110, 0);
  window.pictureBox("FrameList").setVisible(true);
  input.Motion(0, 0, 300, 45);  // the panel's title
  input.Motion(0, 0, 468, 44);  // its "x"
  EXPECT_THAT(log, ElementsAre("Cursor=Hand", "Cursor=Arrow", "Cursor=SizeAll", "Cursor=Arrow",
                               "Cursor=Hand", "Show(FrameList,True)", "Keyboard(List1)",
                               "Cursor=Arrow", "Cursor=Hand"));
}

// Only a left press on a row chooses it, and two make a double click.
TEST_F(FormInputTest, TheListOpensOnADoubleClickOnARowWithTheLeftButton) {
  ShowList({"a.wav", "b.wav", "c.wav"});
  Click(240, 71);
  Click(240, 71, kLeft, 100);
  Click(240, 71, kLeft, 100);  // a triple click opens once
  EXPECT_THAT(Heard({"Cursor"}), ElementsAre("Keyboard(List1)", "Select(List1,0)",
                                             "Keyboard(List1)", "Select(List1,0)", "DblClick List1",
                                             "Keyboard(List1)", "Select(List1,0)"));
  for (int16_t button : {kRight, kRight, kMiddle, kMiddle}) Click(240, 87, button, 100);
  Click(470, 71, kLeft, 600);  // the scroll bar
  Click(470, 71, kLeft, 100);
  EXPECT_THAT(Heard(), ElementsAre("PassPress(List1)", "PassPress(List1)"));
  EXPECT_EQ(window.selected, 0);
  input.Press(kLeft, 0, 240, 71, time += 600);  // dragged along the rows
  input.Motion(kLeft, 0, 240, 103);
  input.Release(kLeft, 0, 240, 103, 0);
  EXPECT_EQ(window.selected, 2);
  EXPECT_EQ(window.fileListBox("List1").FileName(), "c.wav");
}

// The window hears every key first; Enter opens the list's file once per
// press, and only while the list is shown and has the keyboard.
TEST_F(FormInputTest, KeysReachTheWindowFirstAndEnterOpensOncePerPressFromAShownList) {
  ShowList({"a.wav", "b.wav"});
  input.KeyDown(host::key::kDown, 0);
  input.KeyDown(host::key::kEnter, 0);
  input.KeyDown(host::key::kEnter, 0);  // held: the system repeats it
  input.KeyUp(host::key::kEnter);
  input.KeyDown(host::key::kEnter, 1);
  input.KeyboardLost();  // released elsewhere
  input.KeyDown(host::key::kEnter, 0);
  EXPECT_THAT(log, ElementsAre("KeyDown 40 0", "Select(List1,0)", "KeyDown 13 0", "DblClick List1",
                               "KeyDown 13 0", "KeyDown 13 1", "DblClick List1", "KeyDown 13 0",
                               "DblClick List1"));
  log.clear();
  input.KeyUp(host::key::kEnter);
  window.pictureBox("FrameList").setVisible(false);  // Esc, the "x", an episode
  input.KeyDown(host::key::kEnter, 0);
  input.KeyDown(host::key::kDown, 0);
  input.Typed("b");
  EXPECT_THAT(
      Heard({"ShowImage"}),  // the ring, as the arrow moves the focus
      ElementsAre("Show(FrameList,False)", "Keyboard(Form1)", "KeyDown 13 0", "KeyDown 40 0"));
  EXPECT_EQ(window.selected, 0);
}

TEST_F(FormInputTest, TheListsKeysMoveTheSelectionAndALetterFindsTheNextName) {
  ShowList({"Арбуз.wav", "баня.wav", "Бор.wav", "ёж.wav", "Ель.wav", "x.wav"});
  ASSERT_THAT(window.rows,
              ElementsAre("x.wav", "Арбуз.wav", "баня.wav", "Бор.wav", "ёж.wav", "Ель.wav"));
  std::vector<int> rows;
  for (const char* typed : {"Б", "б", "б", "Е", "Ё", "X", "q", "\x1b"}) {
    input.Typed(typed);
    rows.push_back(window.selected);
  }
  EXPECT_THAT(rows, ElementsAre(2, 3, 2, 5, 4, 0, 0, 0));
  rows.clear();
  for (int16_t key : {host::key::kHome, host::key::kPageDown, host::key::kPageDown, host::key::kUp,
                      host::key::kPageUp, host::key::kEnd, host::key::kDown}) {
    input.KeyDown(key, 0);
    rows.push_back(window.selected);
  }
  EXPECT_THAT(rows, ElementsAre(0, 4, 5, 4, 0, 5, 5));
}

TEST(ListKeys, KeysAndLettersChooseRowsWithinTheList) {
  using host::RowAfterKey;
  EXPECT_EQ(RowAfterKey(host::key::kDown, -1, 3, 10), 0);
  EXPECT_EQ(RowAfterKey(host::key::kUp, -1, 3, 10), 0);
  EXPECT_EQ(RowAfterKey(host::key::kPageDown, -1, 30, 10), 9);
  EXPECT_EQ(RowAfterKey(host::key::kPageUp, 4, 30, 10), 0);
  EXPECT_EQ(RowAfterKey(host::key::kPageDown, 25, 30, 0), 26);  // a page of at least one row
  EXPECT_EQ(RowAfterKey(host::key::kHome, -1, 0, 10), -1);      // an empty list
  EXPECT_EQ(RowAfterKey(host::key::kEscape, 2, 3, 10), -1);
  const std::vector<std::string> names = {"Ä.wav", "a.wav", "\xff.wav"};
  EXPECT_EQ(host::RowStartingWith("A", -1, names), 1);
  EXPECT_EQ(host::RowStartingWith("ä", 1, names), 0);
  EXPECT_EQ(host::RowStartingWith("\xff", 0, names), 2);
  EXPECT_EQ(host::RowStartingWith("", 0, names), 0);
}

}  // namespace
