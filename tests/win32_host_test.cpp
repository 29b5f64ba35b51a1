// The Windows host under Wine on a real X display: the controls' places,
// the rounded region, the persistent image on screen, the file list with
// Cyrillic names, where keys and clicks go and where the mouse was, what the
// shell is asked, paths and the missing file's message over the menu.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form1_design.h"
#include "host/paths.h"
#include "host/win32/internal.h"
#include "host/win32/unicode.h"

namespace {

namespace fs = std::filesystem;
using host::win32::Wide;
using ::testing::ElementsAre;

std::string Line(std::string_view head, auto... numbers) {
  std::string line(head);
  ((line += " " + std::to_string(static_cast<int>(numbers))), ...);
  return line;
}

class RecordingEvents : public host::FormEvents {
 public:
  void Load() override {}
  void KeyDown(int16_t key, int16_t shift) override { Add(Line("KeyDown", key, shift)); }
  void MouseDown(int16_t b, int16_t s, float x, float y) override {
    Add(Line("MouseDown", b, s, x, y));
  }
  // Moves with a button held: the pointer's own wanderings carry none.
  void MouseMove(int16_t b, int16_t s, float x, float y) override {
    if (b) Add(Line("MouseMove", b, s, x, y));
  }
  void MouseUp(int16_t b, int16_t s, float x, float y) override {
    Add(Line("MouseUp", b, s, x, y));
  }
  void Click(std::string_view c, std::optional<int16_t> i) override {
    Add(i ? Line("Click " + std::string(c), *i) : "Click " + std::string(c));
  }
  void DblClick(std::string_view c) override { Add("DblClick " + std::string(c)); }
  void Add(const std::string& line) { lines.push_back(line); }

  std::vector<std::string> lines;
};

// Lets the window handle what has come for it, as the event loop would.
void Pump(DWORD milliseconds = 300) {
  const DWORD until = GetTickCount() + milliseconds;
  MSG message;
  while (GetTickCount() < until) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

// A message box of this program, as it showed.
struct Message {
  HWND owner;
  bool ownerDisabled;
  std::wstring title, text;
};
std::vector<Message> messages;

// The message box open on this thread, whoever owns it, not yet closed.
BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  wchar_t kind[16] = {};
  GetClassNameW(window, kind, 16);
  if (std::wstring_view(kind) != L"#32770" || !IsWindowEnabled(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Notes each message box as it shows and closes it with its OK button, so
// that a box with a wrong owner or title fails its test at once.
void CALLBACK CloseMessages(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  Message seen{GetWindow(box, GW_OWNER), false, std::wstring(64, L'\0'), std::wstring(256, L'\0')};
  seen.ownerDisabled = seen.owner && !IsWindowEnabled(seen.owner);
  seen.title.resize(GetWindowTextW(box, seen.title.data(), 64));
  seen.text.resize(GetDlgItemTextW(box, 0xFFFF, seen.text.data(), 256));  // the box's text
  messages.push_back(seen);
  EnableWindow(box, FALSE);  // noted once
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Runs what may bring message boxes, noting and closing each.
template <typename Action>
void ClosingMessages(Action&& action) {
  messages.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMessages);
  action();
  KillTimer(nullptr, timer);
}

// What the shell was asked, in place of the system's ShellExecuteW.
std::vector<std::string> shellCalls;
HINSTANCE WINAPI RecordShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file,
                                    const wchar_t* parameters, const wchar_t* folder, int show) {
  auto text = [](const wchar_t* given) { return host::win32::Narrow(given ? given : L""); };
  shellCalls.push_back(Line(owner ? "owned" : "no owner", show) + " " + text(verb) + " [" +
                       text(file) + "] [" + text(parameters) + "] [" + text(folder) + "]");
  return reinterpret_cast<HINSTANCE>(33);  // above 32: done
}

class Win32HostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    application = new host::win32::Application;
    form = &application->CreateForm(app::Form1Design());
    app::Form1 program(*form);
    program.Load();  // decorates the window
    form->ShowCentred();
    Pump();
  }
  static void TearDownTestSuite() { delete application; }
  void SetUp() override {
    form->setEvents(&events);
    root = fs::temp_directory_path() / ("zorvanta-host-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override {
    form->setEvents(nullptr);
    fs::remove_all(root);
  }

  host::win32::FileListControl& list() {
    return static_cast<host::win32::FileListControl&>(form->fileListBox("List1"));
  }
  void Touch(std::string_view name) { std::ofstream(root / Wide(name)) << "x"; }
  // Where window pixel (x, y) lies on the screen.
  static POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
  }
  // A press and release of the left button at window pixel (x, y), with
  // Ctrl held if asked, then whatever keys are given, delivered through the
  // host's own loop.
  void ClickAndType(HWND window, int x, int y, std::vector<WPARAM> keys = {}, WPARAM held = 0) {
    const POINT screen = OnScreen(window, x, y);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | held, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, held, MAKELPARAM(x, y));
    for (WPARAM key : keys) PostMessageW(GetFocus() ? GetFocus() : window, WM_KEYDOWN, key, 0);
    PostQuitMessage(0);
    application->Loop();
  }

  static inline host::win32::Application* application = nullptr;
  static inline host::win32::FormWindow* form = nullptr;
  RecordingEvents events;
  fs::path root;
};

TEST_F(Win32HostTest, ControlsLieWhereTheDesignPutsThemAndTheWindowIsCentred) {
  EXPECT_EQ(form->Left(), (1280 - 640) / 2 * 15.0f);
  EXPECT_EQ(form->Top(), (1024 - 480) / 2 * 15.0f);
  EXPECT_EQ(form->label("PartsButtons", 2).Left(), 6810);
  EXPECT_EQ(form->label("PartsButtons", 2).Height(), 450);
  EXPECT_EQ(list().Left(), 60);
  EXPECT_EQ(list().Width(), 4335);
  RECT rect;  // the list's system window, in the window's pixels: inside the panel's border
  GetWindowRect(list().window(), &rect);
  MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 183 + 1 + 4);
  EXPECT_EQ(rect.top, 33 + 1 + 29);
  EXPECT_EQ(rect.right - rect.left, 289);
  EXPECT_EQ(rect.bottom - rect.top, 353);
  EXPECT_THROW(form->label("NoSuchLabel"), host::RuntimeError);
  host::win32::FormWindow unshown(app::Form1Design());  // a panel shown in a window not yet shown
  unshown.pictureBox("FrameList").setVisible(true);
  EXPECT_TRUE(unshown.pictureBox("FrameList").Visible());
}

TEST_F(Win32HostTest, TheRegionRoundsTheCornersAndTheImageShowsOnScreen) {
  // The program deletes its region straight after handing it over, as the
  // decoration does: the window must have been given a copy.
  host::Runtime& rt = host::runtime();
  const int32_t given = rt.CreateRoundRectRgn(0, 0, 640, 480, 20, 20);
  ASSERT_NE(rt.SetWindowRgn(form->hWnd(), given, true), 0);
  EXPECT_TRUE(rt.DeleteObject(given));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->window(), region), ERROR);  // still there after DeleteObject
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 2, 1));
  EXPECT_TRUE(PtInRegion(region, 10, 0));
  EXPECT_TRUE(PtInRegion(region, 638, 240));
  EXPECT_FALSE(PtInRegion(region, 639, 240));  // the system's round regions end one pixel early
  DeleteObject(region);

  EXPECT_EQ(form->surface().at(5, 240), (host::Rgb{232, 144, 144}));  // the innermost ring
  InvalidateRect(form->window(), nullptr, FALSE);
  Pump();
  HDC screen = GetDC(nullptr);
  for (auto [x, y] : {std::pair{5, 240}, {0, 240}, {320, 200}, {100, 300}}) {
    const POINT at = OnScreen(form->window(), x, y);
    const host::Rgb pixel = form->surface().at(x, y);
    EXPECT_EQ(GetPixel(screen, at.x, at.y), RGB(pixel.r, pixel.g, pixel.b)) << x << "," << y;
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(Win32HostTest, TheListShowsVisibleFilesInNaturalOrderWithCyrillicNamesWhole) {
  for (std::string_view name : {"клип 10.avi", "клип 2.avi", "B.mp3", "a.mp3", "Zeta", "скрытый"})
    Touch(name);
  SetFileAttributesW((root / Wide("скрытый")).c_str(), FILE_ATTRIBUTE_HIDDEN);
  fs::create_directories(root / "folder");
  list().setPath(host::win32::Narrow(root.wstring()) + "\\\\");
  const auto listed = ElementsAre("a.mp3", "B.mp3", "Zeta", "клип 2.avi", "клип 10.avi");
  EXPECT_THAT(list().entries(), listed);
  std::vector<std::string> shown;  // what the system's list box holds
  for (int row = 0; row < SendMessageW(list().window(), LB_GETCOUNT, 0, 0); ++row) {
    wchar_t text[64] = {};
    SendMessageW(list().window(), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    shown.push_back(host::win32::Narrow(text));
  }
  EXPECT_THAT(shown, listed);
  EXPECT_EQ(list().FileName(), "");

  for (const fs::path& bad : {root / "missing", root / "Zeta"}) {
    EXPECT_THROW(list().setPath(host::win32::Narrow(bad.wstring())), host::RuntimeError);
    EXPECT_THAT(list().entries(), listed);
  }
  // The test prefix's drive Q: holds nothing at all, not even ".": an empty
  // list, not a failure.
  EXPECT_NO_THROW(list().setPath("Q:\\"));
  EXPECT_EQ(list().Path(), "Q:\\");
  EXPECT_THAT(list().entries(), ::testing::IsEmpty());
}

TEST_F(Win32HostTest, ClicksReachLabelsAndTheBackgroundAndKeysReachTheWindowFirst) {
  Touch("first.wav");
  Touch("second.wav");
  list().setPath(host::win32::Narrow(root.wstring()));
  ClickAndType(form->window(), 560, 110);                  // the third episode
  ClickAndType(form->window(), 300, 450, {}, MK_CONTROL);  // the background, Ctrl held
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 2", "MouseDown 1 2 4500 6750",
                                        "MouseUp 1 2 4500 6750"));
  events.lines.clear();
  form->pictureBox("FrameList").setVisible(true);
  SetFocus(list().window());
  PostMessageW(list().window(), WM_KEYDOWN, VK_DOWN, 0);
  ClickAndType(list().window(), 50, 300, {VK_ESCAPE, 'A', VK_RETURN});  // below the rows
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 40 0", "KeyDown 27 0", "KeyDown 65 0",
                                        "KeyDown 13 0", "DblClick List1"));
  EXPECT_EQ(list().FileName(), "first.wav");
  form->pictureBox("FrameList").setVisible(false);
}

// A busy program handles mouse messages after the pointer has moved on: each
// reports where it happened.
TEST_F(Win32HostTest, EachMouseMessageReportsWhereItHappenedNotWhereThePointerIsNow) {
  const std::pair<UINT, POINT> path[] = {{WM_LBUTTONDOWN, {300, 450}},
                                         {WM_MOUSEMOVE, {310, 446}},
                                         {WM_MOUSEMOVE, {320, 442}},
                                         {WM_LBUTTONUP, {330, 438}}};
  for (auto [message, at] : path) {
    const POINT screen = OnScreen(form->window(), at.x, at.y);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(form->window(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                 MAKELPARAM(at.x, at.y));
  }
  const POINT elsewhere = OnScreen(form->window(), 100, 300);
  SetCursorPos(elsewhere.x, elsewhere.y);
  PostQuitMessage(0);
  application->Loop();
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 1 0 4500 6750", "MouseMove 1 0 4650 6690",
                                        "MouseMove 1 0 4800 6630", "MouseUp 1 0 4950 6570"));
}

// The program's own roads to the shell: the maker's name and a listed file,
// each opened with "open", shown normally, with no owner, parameters or folder.
TEST_F(Win32HostTest, TheMakersLinkAndAListedFileReachTheShellAsTheProgramAsks) {
  Touch("клип.avi");
  app::Form1 program(*form);
  form->setEvents(&program);
  application->setShellExecute(RecordShellExecute);
  shellCalls.clear();
  ClosingMessages([&] {
    ClickAndType(form->window(), 110, 437);  // the maker's name
    list().setPath(host::win32::Narrow(root.wstring()));
    form->pictureBox("FrameList").setVisible(true);
    SendMessageW(list().window(), LB_SETCURSEL, 0, 0);
    PostMessageW(list().window(), WM_KEYDOWN, VK_RETURN, 0);
    PostQuitMessage(0);
    application->Loop();
  });
  application->setShellExecute(nullptr);
  form->pictureBox("FrameList").setVisible(false);
  EXPECT_TRUE(messages.empty()) << host::win32::Narrow(messages[0].text);
  const std::string file = host::win32::Narrow((root / Wide("клип.avi")).wstring());
  EXPECT_THAT(shellCalls, ElementsAre("no owner 1 open [https://quorrel.example/] [] []",
                                      "no owner 1 open [" + file + "] [] []"));
}

TEST_F(Win32HostTest, PathsKeepWindowsRootsWholeAndAMissingFileOrAFolderIsToldNotOpened) {
  EXPECT_EQ(host::NativePath("E:\\"), "E:\\");
  EXPECT_EQ(host::NativePath("E:\\\\Audio Music"), "E:\\Audio Music");
  EXPECT_EQ(host::NativePath("C:/disc//Video/"), "C:\\disc\\Video");
  EXPECT_EQ(host::NativePath("\\\\server\\share\\"), "\\\\server\\share\\");
  EXPECT_EQ(host::NativePath("\\\\server\\share\\\\Video\\"), "\\\\server\\share\\Video");
  EXPECT_TRUE(host::IsWebAddress("https://quorrel.example/"));
  EXPECT_FALSE(host::IsWebAddress("C:\\disc\\https.avi"));
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  EXPECT_EQ(Wide(host::runtime().AppPath()), fs::path(program).parent_path().wstring());

  // A missing file and a folder named like one: told over the menu, which
  // waits for each, and never opened.
  fs::create_directories(root / "folder.avi");
  ClosingMessages([&] {
    for (const char* name : {"\\нет такого.avi", "\\folder.avi"}) {
      const std::string path = host::win32::Narrow(root.wstring()) + name;
      EXPECT_EQ(host::runtime().ShellExecute(0, "open", path, "", "", 1), SE_ERR_FNF);
    }
  });
  ASSERT_EQ(messages.size(), 2u);
  for (const Message& message : messages) {
    EXPECT_EQ(message.owner, form->window());
    EXPECT_TRUE(message.ownerDisabled);
    EXPECT_EQ(message.title, L"Zorvanta");
    EXPECT_EQ(message.text, L"Файл не найден");
  }
}

}  // namespace
