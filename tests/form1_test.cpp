// The menu window's handlers against the recording host: what each event
// makes the program do, call for call.
#include "app/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/form1_design.h"
#include "tests/fake_host.h"
#include "toolkit/decoration.h"
#include "toolkit/drag.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Property;
using ::testing::Throws;

constexpr const char* kHide = "FrameList.Visible=False";
constexpr const char* kShow = "FrameList.Visible=True";

std::string Opened(const std::string& file) { return "ShellExecute(0,open," + file + ",,,1)"; }

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::IsDragging = false;
    window.list1.folders["/disc\\Audio Music"] = {"a.mp3", "b 2.mp3"};
    window.list1.folders["/disc\\Audio Midi"] = {"tune.mid"};
    window.list1.folders["/disc\\Audio Humor"] = {};
    window.list1.folders["/disc\\Video"] = {"клип 1.avi"};
  }
  void TearDown() override { toolkit::IsDragging = false; }

  fake::Log log;
  fake::Runtime runtime{log};
  fake::Window window{log};
  app::Form1 form{window};
};

TEST_F(Form1Test, ButtonsMakeTheirCallsInOrder) {
  const std::string episode = "/disc\\Zorvanta - серия ";
  const std::string trailer = Opened("/disc\\Zorvanta - анонс фильма 2005.avi");
  const struct {
    const char* control;
    std::optional<int16_t> index;
    fake::Log calls;
  } cases[] = {
      {"PartsButtons", 0, {kHide, "App.Path?", Opened(episode + "1.avi")}},
      {"PartsButtons", 4, {kHide, "App.Path?", Opened(episode + "5.avi")}},
      {"AnonsButtons", 5, {kHide, "App.Path?", trailer}},
      {"AnonsButtons", -1, {kHide, "App.Path?", trailer}},
      {"QuorrelButtons", {}, {Opened("https://quorrel.example/")}},  // the panel stays
      {"CloseButton", {}, {kHide, "End()"}},
      {"Label2", {}, {kHide}},
  };
  for (const auto& c : cases) {
    log.clear();
    form.Click(c.control, c.index);
    EXPECT_THAT(log, ElementsAreArray(c.calls)) << c.control;
  }
  runtime.appPath = "E:\\";  // at a drive root the separator doubles, as built
  form.Click("PartsButtons", 2);
  EXPECT_EQ(log.back(), Opened("E:\\\\Zorvanta - серия 3.avi"));
}

TEST_F(Form1Test, EpisodeNumberBeyondSixteenBitsRaisesOverflowAfterHiding) {
  EXPECT_THAT(
      [&] { form.Click("PartsButtons", 32767); },
      Throws<host::RuntimeError>(Property(&host::RuntimeError::number, host::err::kOverflow)));
  EXPECT_THAT(log, ElementsAre(kHide));
}

TEST_F(Form1Test, EachListShowsItsFolderUnderItsTitle) {
  const std::pair<const char*, const char*> lists[] = {{"Audio Music", "Музыка MP3"},
                                                       {"Audio Midi", "Музыка Midi"},
                                                       {"Audio Humor", "Аудио приколы"},
                                                       {"Video", "Видео клипы"}};
  for (int16_t index = 0; index < 4; ++index) {
    log.clear();
    form.Click("ListsButtons", index);
    const std::string folder = std::string("/disc\\") + lists[index].first;
    EXPECT_THAT(log, ElementsAre(kHide, std::string("Label1.Caption=") + lists[index].second,
                                 "App.Path?", "List1.Path=" + folder, kShow));
  }
}

TEST_F(Form1Test, AMissingFolderTellsTheUserAndKeepsTheOldListing) {
  form.Click("ListsButtons", 0);  // shows Audio Music
  window.list1.folders.erase("/disc\\Video");
  log.clear();
  form.Click("ListsButtons", 3);
  EXPECT_THAT(log, ElementsAre(kHide, "Label1.Caption=Видео клипы", "App.Path?",
                               "List1.Path=/disc\\Video", "MsgBox(Файл не найден)"));
  EXPECT_EQ(window.list1.path, "/disc\\Audio Music");
  EXPECT_THAT(window.list1.entries, ElementsAre("a.mp3", "b 2.mp3"));
}

TEST_F(Form1Test, FailingToShowThePanelIsTrappedButFailingToSetTheTitleIsNot) {
  window.frameList.failOnShow = true;
  form.Click("ListsButtons", 0);
  EXPECT_EQ(log.back(), "MsgBox(Файл не найден)");
  EXPECT_FALSE(window.frameList.visible);

  log.clear();
  window.label1.failOnCaption = true;
  EXPECT_THROW(form.Click("ListsButtons", 1), host::RuntimeError);
  EXPECT_THAT(log, ElementsAre(kHide, "Label1.Caption=Музыка Midi"));
}

TEST_F(Form1Test, AListIndexOutsideTheTableOnlyHidesThePanel) {
  form.Click("ListsButtons", -1);
  form.Click("ListsButtons", 4);
  EXPECT_THAT(log, ElementsAre(kHide, kHide));
}

TEST_F(Form1Test, ADoubleClickOpensTheSelectedFileOnly) {
  form.Click("ListsButtons", 0);
  log.clear();
  form.DblClick("List1");
  EXPECT_THAT(log, ElementsAre("List1.FileName?"));

  window.list1.selected = "b 2.mp3";
  log.clear();
  form.DblClick("List1");
  EXPECT_THAT(log,
              ElementsAre("List1.FileName?", "List1.Path?", Opened("/disc\\Audio Music\\b 2.mp3")));
  EXPECT_TRUE(window.frameList.visible);
}

// The disc tools check a disc by this list: it must name exactly what the
// hot areas open, whatever is clicked.
TEST_F(Form1Test, TheDiscEntriesAreWhatTheHotAreasOpen) {
  const std::string head = "ShellExecute(0,open,/disc\\", tail = ",,,1)", folder = "/disc\\";
  std::vector<std::string> opened;
  for (const host::ControlDesign& control : app::Form1Controls()) {
    if (!control.index) continue;
    log.clear();
    form.Click(control.name, control.index);
    const std::string& last = log.back();
    if (last.starts_with(head)) {
      opened.push_back(last.substr(head.size(), last.size() - head.size() - tail.size()));
    } else if (last == kShow) {
      opened.push_back(window.list1.path.substr(folder.size()) + "/");
    }
  }
  std::vector<std::string> listed;
  for (const app::DiscEntry& entry : app::DiscEntries()) {
    listed.push_back(entry.name + (entry.folder ? "/" : ""));
  }
  EXPECT_THAT(listed, ::testing::UnorderedElementsAreArray(opened));
}

// Every hot area, and the list, is met once in reading order, by a name of its
// own or its label's; the rest of the window is not.
TEST(Form1Design, EachHotAreaAndTheListIsOneNamedEntry) {
  using host::accessibility::Role;
  std::vector<std::string> entries, names, hotAreas;
  for (const host::EntryDesign& entry : app::Form1Entries()) {
    entries.push_back(std::string(entry.control) + std::to_string(entry.index.value_or(-1)));
    names.push_back(std::string(entry.labelledBy.empty() ? entry.name : entry.labelledBy));
    EXPECT_EQ(entry.role == Role::Link, !entry.value.empty()) << entry.control;
  }
  for (const host::ControlDesign& control : app::Form1Controls())
    if ((control.type == host::ControlType::Label && control.container.empty()) ||
        control.type == host::ControlType::FileListBox)
      hotAreas.push_back(std::string(control.name) + std::to_string(control.index.value_or(-1)));
  EXPECT_THAT(entries, ::testing::UnorderedElementsAreArray(hotAreas));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  EXPECT_EQ(entries.front(), "PartsButtons0");
  EXPECT_EQ(entries.back(), "CloseButton-1");
}

TEST_F(Form1Test, EscHidesThePanelAndOtherKeysAndControlsDoNothing) {
  for (int16_t key : {13, 65, 0, 27 + 256}) form.KeyDown(key, 0);
  form.Click("Label1", std::nullopt);
  form.Click("List1", std::nullopt);
  form.Click("CloseButton", 0);  // a single control never arrives with an index
  form.DblClick("FrameList");
  EXPECT_THAT(log, IsEmpty());
  form.KeyDown(27, 0);
  form.KeyDown(27, 1);  // whatever the shift state
  EXPECT_THAT(log, ElementsAre(kHide, kHide));
}

TEST_F(Form1Test, ALeftPressHidesThePanelThenDragsTheWindowInTwips) {
  form.MouseDown(2, 0, 1500, 750);  // another button only hides
  EXPECT_FALSE(toolkit::IsDragging);
  form.MouseDown(1, 0, 1500, 750);
  EXPECT_THAT(log, ElementsAre(kHide, kHide, "Form1.MousePointer=15"));
  log.clear();
  form.MouseMove(1, 0, 1650, 675);
  form.MouseUp(1, 0, 1650, 675);
  EXPECT_THAT(log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?",
                               "Form1.Move(3150,1425)", "Form1.MousePointer=0"));
  log.clear();
  form.MouseMove(0, 0, 2000, 2000);
  EXPECT_THAT(log, IsEmpty());
}

TEST_F(Form1Test, LoadDecoratesTheWindowOnceAndDoesNothingElse) {
  form.Load();
  const fake::Log loaded = fake::Done(log);
  log.clear();
  toolkit::DecorateWindow(window, 5, 0x2020D0, true, false, true, 100);
  EXPECT_EQ(loaded, fake::Done(log));
}

}  // namespace
