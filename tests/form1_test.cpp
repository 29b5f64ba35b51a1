// The menu window's handlers against the recording host: what each event
// makes the program do, call for call.
#include "app/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fake_host.h"
#include "toolkit/drag.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kHide = "FrameList.Visible=False";
constexpr const char* kShow = "FrameList.Visible=True";

std::string Opened(const std::string& file) { return "ShellExecute(0,open," + file + ",,,1)"; }

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::IsDragging = false;
    toolkit::DragX = toolkit::DragY = 0;
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

// ---- Documents ----

TEST_F(Form1Test, EachEpisodeHidesThePanelThenOpensItsFileBesideTheProgram) {
  for (int16_t index = 0; index <= 4; ++index) {
    log.clear();
    form.Click("PartsButtons", index);
    const std::string file = "/disc\\Zorvanta - серия " + std::to_string(index + 1) + ".avi";
    EXPECT_THAT(log, ElementsAre(kHide, "App.Path?", Opened(file)));
  }
}

TEST_F(Form1Test, AtADriveRootTheSeparatorIsDoubledAsBuilt) {
  runtime.appPath = "E:\\";
  form.Click("PartsButtons", 2);
  EXPECT_EQ(log.back(), Opened("E:\\\\Zorvanta - серия 3.avi"));
}

TEST_F(Form1Test, EpisodeNumberBeyondSixteenBitsRaisesOverflowAfterHiding) {
  try {
    form.PartsButtons_Click(32767);
    FAIL() << "no overflow";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kOverflow);
  }
  EXPECT_THAT(log, ElementsAre(kHide));
}

TEST_F(Form1Test, TrailerOpensTheSameFileWhateverTheIndex) {
  for (int16_t index : {5, 0, -1}) {
    log.clear();
    form.Click("AnonsButtons", index);
    EXPECT_THAT(log,
                ElementsAre(kHide, "App.Path?", Opened("/disc\\Zorvanta - анонс фильма 2005.avi")));
  }
}

TEST_F(Form1Test, WebLinkLeavesAShownPanelAlone) {
  window.frameList.visible = true;
  form.Click("QuorrelButtons", std::nullopt);
  EXPECT_THAT(log, ElementsAre(Opened("https://quorrel.example/")));
  EXPECT_TRUE(window.frameList.visible);
}

TEST_F(Form1Test, CloseHidesThePanelThenEndsTheProgram) {
  form.Click("CloseButton", std::nullopt);
  EXPECT_THAT(log, ElementsAre(kHide, "End()"));
}

// ---- The media list panel ----

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
    EXPECT_EQ(window.list1.path, folder);
  }
  EXPECT_THAT(window.list1.entries, ElementsAre("клип 1.avi"));
}

TEST_F(Form1Test, AnEmptyFolderStillShowsThePanelWithoutAMessage) {
  form.Click("ListsButtons", 2);
  EXPECT_TRUE(window.frameList.visible);
  EXPECT_THAT(window.list1.entries, IsEmpty());
  for (const std::string& line : log) EXPECT_EQ(line.find("MsgBox"), std::string::npos);
}

TEST_F(Form1Test, AMissingFolderTellsTheUserAndKeepsTheOldListing) {
  form.Click("ListsButtons", 0);  // shows Audio Music
  window.list1.folders.erase("/disc\\Video");
  log.clear();

  form.Click("ListsButtons", 3);

  EXPECT_THAT(log, ElementsAre(kHide, "Label1.Caption=Видео клипы", "App.Path?",
                               "List1.Path=/disc\\Video", "MsgBox(Файл не найден)"));
  EXPECT_FALSE(window.frameList.visible);
  EXPECT_EQ(window.label1.caption, "Видео клипы");
  EXPECT_EQ(window.list1.path, "/disc\\Audio Music");
  EXPECT_THAT(window.list1.entries, ElementsAre("a.mp3", "b 2.mp3"));

  // A later list whose folder exists shows as usual.
  form.Click("ListsButtons", 1);
  EXPECT_TRUE(window.frameList.visible);
  EXPECT_EQ(window.list1.path, "/disc\\Audio Midi");
}

TEST_F(Form1Test, FailingToShowThePanelIsTrappedLikeAMissingFolder) {
  window.frameList.failOnShow = true;
  form.Click("ListsButtons", 0);
  EXPECT_EQ(log.back(), "MsgBox(Файл не найден)");
  EXPECT_FALSE(window.frameList.visible);
}

TEST_F(Form1Test, AFailureSettingTheTitleIsNotTrapped) {
  window.label1.failOnCaption = true;
  EXPECT_THROW(form.Click("ListsButtons", 0), host::RuntimeError);
  EXPECT_THAT(log, ElementsAre(kHide, "Label1.Caption=Музыка MP3"));
}

TEST_F(Form1Test, TheSameListClickedAgainPassesThroughHidden) {
  form.Click("ListsButtons", 0);
  log.clear();
  form.Click("ListsButtons", 0);
  EXPECT_EQ(log.front(), kHide);
  EXPECT_EQ(log.back(), kShow);
}

TEST_F(Form1Test, AListIndexOutsideTheTableOnlyHidesThePanel) {
  for (int16_t index : {-1, 4, 32767}) {
    log.clear();
    form.Click("ListsButtons", index);
    EXPECT_THAT(log, ElementsAre(kHide));
  }
}

TEST_F(Form1Test, ADoubleClickOpensTheSelectedFileAndLeavesThePanelShown) {
  form.Click("ListsButtons", 0);
  window.list1.selected = "b 2.mp3";
  log.clear();
  form.DblClick("List1");
  EXPECT_THAT(log,
              ElementsAre("List1.FileName?", "List1.Path?", Opened("/disc\\Audio Music\\b 2.mp3")));
  EXPECT_TRUE(window.frameList.visible);
}

TEST_F(Form1Test, ADoubleClickWithNothingSelectedOpensNothing) {
  form.Click("ListsButtons", 0);
  log.clear();
  form.DblClick("List1");
  EXPECT_THAT(log, ElementsAre("List1.FileName?"));
}

TEST_F(Form1Test, TheCloseMarkOnlyHidesThePanel) {
  window.frameList.visible = true;
  form.Click("Label2", std::nullopt);
  EXPECT_THAT(log, ElementsAre(kHide));
}

// ---- Keys and the mouse on the background ----

TEST_F(Form1Test, EscHidesThePanelWhateverTheShiftState) {
  form.KeyDown(27, 0);
  form.KeyDown(27, 1);
  EXPECT_THAT(log, ElementsAre(kHide, kHide));
}

TEST_F(Form1Test, OtherKeysDoNothing) {
  for (int16_t key : {13, 32, 65, 112, 0, -27, 27 + 256}) form.KeyDown(key, 0);
  EXPECT_THAT(log, IsEmpty());
}

TEST_F(Form1Test, ALeftPressHidesThePanelThenStartsTheDrag) {
  window.frameList.visible = true;
  form.MouseDown(1, 0, 1500, 750);
  EXPECT_THAT(log, ElementsAre(kHide, "Form1.MousePointer=15"));
  EXPECT_TRUE(toolkit::IsDragging);
}

TEST_F(Form1Test, ARightOrMiddlePressOnlyHidesThePanel) {
  form.MouseDown(2, 0, 1500, 750);
  form.MouseDown(4, 0, 1500, 750);
  EXPECT_THAT(log, ElementsAre(kHide, kHide));
  EXPECT_FALSE(toolkit::IsDragging);
}

TEST_F(Form1Test, DraggingMovesTheWindowByThePointersPathInTwips) {
  form.MouseDown(1, 0, 1500, 750);
  log.clear();
  form.MouseMove(1, 0, 1650, 675);
  EXPECT_THAT(
      log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Move(3150,1425)"));
  log.clear();
  form.MouseUp(1, 0, 1650, 675);
  EXPECT_THAT(log, ElementsAre("Form1.MousePointer=0"));
  log.clear();
  form.MouseMove(0, 0, 2000, 2000);
  EXPECT_THAT(log, IsEmpty());
}

// ---- Load and the events with no handler ----

TEST_F(Form1Test, LoadDecoratesTheWindowOnceAndTouchesNothingElse) {
  form.Load();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "Form1.hWnd?");
  EXPECT_EQ(log.back(), "Form1.Refresh()");
  int rings = 0;
  for (const std::string& line : log) {
    EXPECT_EQ(line.find("FrameList"), std::string::npos);
    EXPECT_EQ(line.find("List1"), std::string::npos);
    if (line.rfind("RoundRect(", 0) == 0) ++rings;
  }
  EXPECT_EQ(rings, 7);  // five rings and two outlines
}

TEST_F(Form1Test, ControlsWithoutHandlersDoNothing) {
  form.Click("Label1", std::nullopt);
  form.Click("FrameList", std::nullopt);
  form.Click("List1", std::nullopt);
  form.Click("CloseButton", 0);  // a single control never arrives with an index
  form.DblClick("Label1");
  form.DblClick("FrameList");
  EXPECT_THAT(log, IsEmpty());
}

}  // namespace
