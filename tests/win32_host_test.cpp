// The Windows host under Wine on a real X display, driven by the system's
// own messages through its window procedures: the controls' system windows
// where the layout puts them, the region (a copy) and image on screen, the
// list box with Cyrillic names, clicks and keys as the shared rules decide
// them and where the mouse was, what the shell is asked, paths, the missing
// file's message over the menu, one menu per folder, and what a damaged
// picture does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form1_design.h"
#include "host/delivery.h"
#include "host/paths.h"
#include "host/win32/application.h"
#include "host/win32/desktop.h"
#include "host/win32/form_window.h"
#include "host/win32/opener.h"
#include "host/win32/unicode.h"
#include "tests/fake_host.h"

namespace {

namespace fs = std::filesystem;
using host::win32::Wide;
using ::testing::ElementsAre;

std::string Line(std::string_view head, auto... numbers) {
  std::string line(head);
  ((line += " " + std::to_string(std::lround(numbers))), ...);
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
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
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

int exitStatus = -1;
void RecordExit(int status) { exitStatus = status; }

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
    host::ReplaceExit(RecordExit);
    form->setEvents(&events);
    root = fs::temp_directory_path() / ("zorvanta-host-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override {
    form->setEvents(nullptr);
    form->pictureBox("FrameList").setVisible(false);
    fs::remove_all(root);
  }

  HWND Panel() const { return form->widget(form->layout().Named("FrameList", std::nullopt)); }
  HWND List() const { return form->widget(form->layout().Named("List1", std::nullopt)); }
  void Touch(std::string_view name) { std::ofstream(root / Wide(name)) << "x"; }
  // The panel shown with the files named, its list focused by the rules.
  void ShowList(std::vector<std::string_view> names) {
    for (std::string_view name : names) Touch(name);
    form->fileListBox("List1").setPath(host::win32::Narrow(root.wstring()));
    form->pictureBox("FrameList").setVisible(true);
    Pump(100);
    events.lines.clear();
  }
  // Where window pixel (x, y) of the form lies in `window`.
  static LPARAM In(HWND window, int x, int y) {
    POINT point{x, y};
    MapWindowPoints(form->window(), window, &point, 1);
    return MAKELPARAM(point.x, point.y);
  }
  // Puts the pointer on form pixel (x, y).
  static void PointAt(int x, int y) {
    POINT pointer{x, y};
    ClientToScreen(form->window(), &pointer);
    SetCursorPos(pointer.x, pointer.y);
  }
  // Posts mouse messages, each at form pixel (x, y) of its window, the
  // pointer put where the first happens, and runs the host's loop.
  void Post(std::vector<std::tuple<HWND, UINT, WPARAM, int, int>> messages) {
    PointAt(std::get<3>(messages[0]), std::get<4>(messages[0]));
    for (const auto& [window, message, wParam, x, y] : messages)
      PostMessageW(window, message, wParam, In(window, x, y));
    PostQuitMessage(0);
    application->Loop();
  }
  void Keys(std::vector<std::pair<UINT, WPARAM>> keys) {
    for (auto [message, key] : keys) PostMessageW(GetFocus(), message, key, 0);
    PostQuitMessage(0);
    application->Loop();
  }

  static inline host::win32::Application* application = nullptr;
  static inline host::win32::FormWindow* form = nullptr;
  RecordingEvents events;
  fs::path root;
};

TEST_F(Win32HostTest, TheWindowIsCentredAndThePanelsWindowsLieWhereTheLayoutPutsThem) {
  EXPECT_EQ(form->Left(), (1280 - 640) / 2 * 15.0f);
  EXPECT_EQ(form->Top(), (1024 - 480) / 2 * 15.0f);
  form->pictureBox("FrameList").setVisible(true);
  for (auto [window, place] :
       {std::pair{Panel(), RECT{183, 33, 482, 421}}, std::pair{List(), RECT{188, 63, 477, 416}}}) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(Line("", rect.left, rect.top, rect.right, rect.bottom),
              Line("", place.left, place.top, place.right, place.bottom));
    EXPECT_TRUE(IsWindowVisible(window));
  }
  EXPECT_THROW(form->label("NoSuchLabel"), host::RuntimeError);
  EXPECT_THROW(form->Move(1e12f, 0), host::RuntimeError);  // beyond any screen: overflow
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

  EXPECT_EQ(form->canvas().image().at(5, 240), (host::Rgb{232, 144, 144}));  // the innermost ring
  InvalidateRect(form->window(), nullptr, FALSE);
  Pump();
  HDC screen = GetDC(nullptr);
  for (auto [x, y] : {std::pair{5, 240}, {0, 240}, {320, 200}, {100, 300}}) {
    POINT at{x, y};
    ClientToScreen(form->window(), &at);
    const host::Rgb pixel = form->canvas().image().at(x, y);
    EXPECT_EQ(GetPixel(screen, at.x, at.y), RGB(pixel.r, pixel.g, pixel.b)) << x << "," << y;
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(Win32HostTest, TheListBoxShowsVisibleFilesWithCyrillicNamesWhole) {
  for (std::string_view name : {"клип 10.avi", "клип 2.avi", "Ёж.mp3", "a.mp3", "скрытый"})
    Touch(name);
  SetFileAttributesW((root / Wide("скрытый")).c_str(), FILE_ATTRIBUTE_HIDDEN);
  fs::create_directories(root / "folder");
  host::FileListBox& list = form->fileListBox("List1");
  list.setPath(host::win32::Narrow(root.wstring()) + "\\\\");
  std::vector<std::string> shown;  // what the system's list box holds
  for (int row = 0; row < SendMessageW(List(), LB_GETCOUNT, 0, 0); ++row) {
    wchar_t text[64] = {};
    SendMessageW(List(), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    shown.push_back(host::win32::Narrow(text));
  }
  EXPECT_THAT(shown, ElementsAre("a.mp3", "Ёж.mp3", "клип 2.avi", "клип 10.avi"));
  EXPECT_EQ(list.FileName(), "");
  EXPECT_THROW(list.setPath(host::win32::Narrow((root / "missing").wstring())), host::RuntimeError);
  EXPECT_EQ(SendMessageW(List(), LB_GETCOUNT, 0, 0), 4);
  // The test prefix's drive Q: holds nothing at all, not even ".": an empty
  // list, not a failure.
  EXPECT_NO_THROW(list.setPath("Q:\\"));
  EXPECT_EQ(list.Path(), "Q:\\");
  EXPECT_EQ(SendMessageW(List(), LB_GETCOUNT, 0, 0), 0);
}

// The system's own messages through the host: a double click on an entry
// opens it once; the background hears every button and moves only with
// the pointer.
TEST_F(Win32HostTest, ClicksDoubleClicksAndTheBackgroundsEventsFollowTheSharedRules) {
  HWND w = form->window();
  Post({{w, WM_LBUTTONDOWN, MK_LBUTTON, 560, 110},
        {w, WM_LBUTTONUP, 0, 560, 110},
        {w, WM_LBUTTONDOWN, MK_LBUTTON, 560, 110},
        {w, WM_LBUTTONUP, 0, 560, 110}});
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 2", "DblClick PartsButtons"));
  events.lines.clear();
  Post({{w, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 300, 450},
        {w, WM_MOUSEMOVE, MK_LBUTTON, 310, 450},
        {w, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 310, 450},
        {w, WM_RBUTTONUP, MK_LBUTTON, 310, 450},
        {w, WM_MOUSEMOVE, MK_LBUTTON, 310, 450},  // the system's own, the pointer still
        {w, WM_LBUTTONUP, 0, 310, 450}});
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 1 2 4500 6750", "MouseMove 1 0 4650 6750",
                                        "MouseDown 2 0 4650 6750", "MouseUp 2 0 4650 6750",
                                        "MouseUp 1 0 4650 6750"));
  EXPECT_EQ(GetCapture(), nullptr);
}

// The list box's own mouse and keys give way to the shared rules.
TEST_F(Win32HostTest, TheShownListHasTheKeyboardAndOpensOncePerPressOrDoubleClick) {
  ShowList({"арбуз.wav", "Баня.wav", "вода.wav"});
  EXPECT_EQ(GetFocus(), List());
  Keys({{WM_KEYDOWN, VK_DOWN},
        {WM_KEYDOWN, VK_RETURN},
        {WM_KEYDOWN, VK_RETURN},
        {WM_KEYUP, VK_RETURN},
        {WM_KEYDOWN, VK_END},
        {WM_CHAR, L'б'},
        {WM_KEYDOWN, VK_RETURN},
        {WM_KEYUP, VK_RETURN}});
  EXPECT_THAT(events.lines,
              ElementsAre("KeyDown 40 0", "KeyDown 13 0", "DblClick List1", "KeyDown 13 0",
                          "KeyDown 35 0", "KeyDown 13 0", "DblClick List1"));
  EXPECT_EQ(form->fileListBox("List1").FileName(), "Баня.wav");
  events.lines.clear();
  HWND l = List();
  Post({{l, WM_RBUTTONDOWN, MK_RBUTTON, 240, 70},
        {l, WM_RBUTTONUP, 0, 240, 70},
        {l, WM_RBUTTONDBLCLK, MK_RBUTTON, 240, 70},
        {l, WM_RBUTTONUP, 0, 240, 70}});
  EXPECT_EQ(form->fileListBox("List1").FileName(), "Баня.wav");
  Post({{l, WM_LBUTTONDOWN, MK_LBUTTON, 240, 70},
        {l, WM_LBUTTONUP, 0, 240, 70},
        {l, WM_LBUTTONDBLCLK, MK_LBUTTON, 240, 70},
        {l, WM_LBUTTONUP, 0, 240, 70},
        {l, WM_LBUTTONDOWN, MK_LBUTTON, 240, 70},
        {l, WM_LBUTTONUP, 0, 240, 70}});
  EXPECT_THAT(events.lines, ElementsAre("DblClick List1"));
  EXPECT_EQ(form->fileListBox("List1").FileName(), "арбуз.wav");

  form->pictureBox("FrameList").setVisible(false);  // the panel hidden: its list hears no key
  EXPECT_EQ(GetFocus(), form->window());
  events.lines.clear();
  PostMessageW(l, WM_KEYDOWN, VK_RETURN, 0);  // even sent to the list box itself
  Keys({{WM_KEYDOWN, VK_HOME}, {WM_KEYUP, VK_HOME}, {WM_KEYUP, VK_RETURN}});  // none left held
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 13 0", "KeyDown 36 0"));
  EXPECT_EQ(form->fileListBox("List1").FileName(), "арбуз.wav");
}

// What lies where, and which pointer shows there, is the shared layout's:
// a press the list box gets over a hot area is the list's.
TEST_F(Win32HostTest, ThePointerAndThePressFollowTheSharedLayout) {
  ShowList({"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"});
  HWND w = form->window(), l = List();
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  Post({{w, WM_MOUSEMOVE, 0, 560, 110}});  // the third episode
  EXPECT_NE(GetCursor(), arrow);
  Post({{l, WM_MOUSEMOVE, 0, 460, 110}});  // the list, over the same hot area
  EXPECT_EQ(GetCursor(), arrow);
  Post({{l, WM_LBUTTONDOWN, MK_LBUTTON, 460, 110}, {l, WM_LBUTTONUP, 0, 460, 110}});
  EXPECT_THAT(events.lines, ::testing::IsEmpty());
  EXPECT_NE(form->fileListBox("List1").FileName(), "");
}

// A busy program handles mouse messages after the pointer has moved on: each
// reports where it happened.
TEST_F(Win32HostTest, EachMouseMessageReportsWhereItHappenedNotWhereThePointerIsNow) {
  HWND w = form->window();
  const std::tuple<UINT, WPARAM, int, int> path[] = {{WM_LBUTTONDOWN, MK_LBUTTON, 300, 450},
                                                     {WM_MOUSEMOVE, MK_LBUTTON, 310, 446},
                                                     {WM_MOUSEMOVE, MK_LBUTTON, 320, 442},
                                                     {WM_LBUTTONUP, 0, 330, 438}};
  for (auto [message, buttons, x, y] : path) {
    PointAt(x, y);
    PostMessageW(w, message, buttons, In(w, x, y));
  }
  PointAt(100, 300);  // elsewhere before any is handled
  PostQuitMessage(0);
  application->Loop();
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 1 0 4500 6750", "MouseMove 1 0 4650 6690",
                                        "MouseMove 1 0 4800 6630", "MouseUp 1 0 4950 6570"));
}

// The program's own roads to the shell: the maker's name and a listed file,
// each opened with "open", shown normally, with no owner, parameters or folder.
TEST_F(Win32HostTest, TheMakersLinkAndAListedFileReachTheShellAsTheProgramAsks) {
  app::Form1 program(*form);
  form->setEvents(&program);
  host::win32::SetShellExecute(RecordShellExecute);
  shellCalls.clear();
  HWND w = form->window();
  ClosingMessages([&] {
    Post({{w, WM_LBUTTONDOWN, MK_LBUTTON, 110, 437}, {w, WM_LBUTTONUP, 0, 110, 437}});  // the maker
    ShowList({"клип.avi"});
    SendMessageW(List(), LB_SETCURSEL, 0, 0);
    Keys({{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}});
  });
  host::win32::SetShellExecute(nullptr);
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
      EXPECT_EQ(host::runtime().ShellExecute(0, "open", path, "", "", 1), 2);  // SE_ERR_FNF
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

TEST_F(Win32HostTest, OneMenuPerFolderAndADamagedPictureEndsTheProgramAfterItsMessage) {
  const std::string folder = host::win32::Narrow(root.wstring());
  EXPECT_FALSE(host::win32::RaiseRunningMenu(folder));  // this start claims it
  EXPECT_TRUE(host::win32::RaiseRunningMenu(folder));   // a second start finds it
  EXPECT_FALSE(host::win32::RaiseRunningMenu(folder + "\\other"));

  const fake::DamagedHand broken(app::Form1Design());
  ClosingMessages([&] { host::Deliver([&] { application->CreateForm(broken.design); }); });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].owner, form->window());
  EXPECT_EQ(messages[0].text.substr(0, 22), L"Ошибка выполнения 481:");
  EXPECT_EQ(exitStatus, 1);
}

// The menu's own window as a screen reader in this process reads it (Wine 8
// hands no accessible object to another process): the entries of the
// design's table, Tab heard as focus moving, the ring on the screen, and the
// default action clicking through the shared rules.
std::vector<LONG> focusEvents;
void CALLBACK OnFocus(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) focusEvents.push_back(child);
}

TEST_F(Win32HostTest, AScreenReaderReadsTheEntriesHearsTabAndClicksByTheDefaultAction) {
  const LRESULT answer = SendMessageW(form->window(), WM_GETOBJECT, 0, OBJID_CLIENT);
  void* object = nullptr;
  ASSERT_EQ(ObjectFromLresult(answer, __uuidof(IAccessible), 0, &object), S_OK);
  auto* client = static_cast<IAccessible*>(object);
  auto child = [](LONG id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
  };
  LONG count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  std::vector<std::string> described;
  for (LONG id = 1; id <= count; ++id) {
    BSTR name = nullptr;
    VARIANT role;
    client->get_accName(child(id), &name);
    client->get_accRole(child(id), &role);
    described.push_back(host::win32::Narrow(name) + (role.lVal == ROLE_SYSTEM_LINK ? " link" : ""));
    SysFreeString(name);
  }
  EXPECT_THAT(described,
              ElementsAre("первая серия", "вторая серия", "третья серия", "четвертая серия",
                          "пятая серия", "анонс фильма", "музыка mp3", "музыка midi",
                          "аудио приколы", "видео клипы", "Quorrel link", "Закрыть"));
  POINT origin{0, 0};
  ClientToScreen(form->window(), &origin);
  LONG left, top, width, height;
  ASSERT_EQ(client->accLocation(&left, &top, &width, &height, child(1)), S_OK);
  EXPECT_THAT((std::vector{left, top, width, height}),
              ElementsAre(origin.x + 454, origin.y + 32, 164, 30));

  SetForegroundWindow(form->window());
  SetFocus(form->window());
  Pump(100);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocus,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  focusEvents.clear();
  Keys({{WM_KEYDOWN, VK_TAB}, {WM_KEYUP, VK_TAB}, {WM_KEYDOWN, VK_TAB}, {WM_KEYUP, VK_TAB}});
  Pump(100);
  UnhookWinEvent(hook);
  EXPECT_THAT(focusEvents, ElementsAre(1, 2));
  HDC dc = GetDC(form->window());
  EXPECT_EQ(GetPixel(dc, 451 - 1, 63 + 15), RGB(255, 214, 0));  // the ring, left of the second
  ReleaseDC(form->window(), dc);

  events.lines.clear();
  ASSERT_EQ(client->accDoDefaultAction(child(1)), S_OK);
  Pump(100);
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 0"));
  client->Release();
}

// ---- On a desktop that asks for a larger scale ----

// The same window where the prefix's LogPixels ask for more than 96 dots per
// inch, EXPECTED_SCALE naming the scale it should get there.
class Win32ScaledHost : public Win32HostTest {
 protected:
  void SetUp() override {
    Win32HostTest::SetUp();
    ASSERT_EQ(form->scale(), scale) << "the scale the desktop gives";
  }
  static host::DisplayScale Expected() {
    const char* named = std::getenv("EXPECTED_SCALE");
    const double factor = named ? std::atof(named) : 0;
    return host::DisplayScale::Quarters(static_cast<int>(std::lround(factor * 4)));
  }
  // The screen pixel of the program's pixel p, at `at`.
  static int S(int p, host::DisplayScale at = Expected()) {
    return static_cast<int>(at.ToScreen(p));
  }
  static std::string Box(const RECT& r) { return Line("", r.left, r.top, r.right, r.bottom); }
  // Where a window lies in the form, in screen pixels.
  static RECT InForm(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  // The window's size, the list's place, the outline, and that the screen
  // shows the canvas beside the panel, at `at`.
  static void ExpectShownAt(host::DisplayScale at) {
    RECT shown;
    GetWindowRect(form->window(), &shown);
    EXPECT_EQ(Line("", shown.right - shown.left, shown.bottom - shown.top),
              Line("", S(640, at), S(480, at)));
    EXPECT_EQ(form->canvas().Shown().width(), S(640, at));
    EXPECT_EQ(Box(InForm(List())), Line("", S(188, at), S(63, at), S(477, at), S(416, at)));
    // The rounded outline at the same scale: corners cut, the right edge the
    // system's own, one pixel short.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->window(), region), ERROR);
    EXPECT_EQ(Line("", PtInRegion(region, 1, 1), PtInRegion(region, S(640, at) - 2, S(240, at)),
                   PtInRegion(region, S(640, at) - 1, S(240, at))),
              Line("", 0, 1, 0));
    DeleteObject(region);
    RedrawWindow(form->window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    Pump();
    HDC screen = GetDC(nullptr);
    const host::Surface canvas = form->canvas().Shown();
    for (auto [x, y] : {std::pair{5, 240}, {560, 110}, {100, 300}, {320, 450}, {634, 474}}) {
      POINT point{S(x, at), S(y, at)};
      const host::Rgb pixel = canvas.at(point.x, point.y);
      ClientToScreen(form->window(), &point);
      EXPECT_EQ(GetPixel(screen, point.x, point.y), RGB(pixel.r, pixel.g, pixel.b))
          << x << "," << y;
    }
    ReleaseDC(nullptr, screen);
  }
  static int RowHeight() { return static_cast<int>(SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0)); }
  static HWND List() { return form->widget(form->layout().Named("List1", std::nullopt)); }

  const host::DisplayScale scale = Expected();
};

TEST_F(Win32ScaledHost, TheWindowIsScaledAndCentredWhileTheProgramSeesItsOwnPixelsAndTwips) {
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT shown;
  GetWindowRect(form->window(), &shown);
  const int width = area.right - area.left, height = area.bottom - area.top;
  EXPECT_EQ(Box(shown), Line("", area.left + (width - S(640)) / 2, area.top + (height - S(480)) / 2,
                             area.left + (width + S(640)) / 2, area.top + (height + S(480)) / 2));
  host::Rect client;
  ASSERT_TRUE(host::runtime().GetClientRect(form->hWnd(), client));
  EXPECT_EQ(Line("", client.right, client.bottom, form->Width(), form->Height()),
            Line("", 640, 480, 9600, 7200));
  EXPECT_EQ(form->Left(), scale.TwipsOf(shown.left));
  form->pictureBox("FrameList").setVisible(true);
  EXPECT_EQ(Box(InForm(Panel())), Line("", S(183), S(33), S(482), S(421)));
  ExpectShownAt(scale);
}

TEST_F(Win32ScaledHost, EachHotAreaReachesItsHandlerAndAPressGivesTheProgramsTwips) {
  HWND w = form->window();
  int hotAreas = 0;
  for (const host::ControlDesign& control : form->design().controls) {
    if (control.type != host::ControlType::Label || !control.container.empty()) continue;
    ++hotAreas;
    events.lines.clear();
    const host::PixelRect& rect =
        form->layout()[form->layout().Find(control.name, control.index)].rect;
    const int x = (S(rect.left) + S(rect.right())) / 2, y = (S(rect.top) + S(rect.bottom())) / 2;
    Post({{w, WM_LBUTTONDOWN, MK_LBUTTON, x, y}, {w, WM_LBUTTONUP, 0, x, y}});
    const std::string name = "Click " + std::string(control.name);
    EXPECT_THAT(events.lines, ElementsAre(control.index ? Line(name, *control.index) : name));
  }
  EXPECT_EQ(hotAreas, 12);
  // On the background, the twips of the pixel pressed, an odd one among them.
  for (const auto [x, y] : {std::pair{S(300), S(450)}, {S(300) + 1, S(450) - 1}}) {
    events.lines.clear();
    Post({{w, WM_RBUTTONDOWN, MK_RBUTTON, x, y}, {w, WM_RBUTTONUP, 0, x, y}});
    EXPECT_THAT(events.lines, ElementsAre(Line("MouseDown 2 0", scale.TwipsOf(x), scale.TwipsOf(y)),
                                          Line("MouseUp 2 0", scale.TwipsOf(x), scale.TwipsOf(y))));
  }
}

TEST_F(Win32ScaledHost, TheListsTextIsTallerInProportionAndItsRowsAreWhereThePressIs) {
  const int scaled = RowHeight();
  int plain = 0;
  {
    const host::win32::FormWindow reference(app::Form1Design(), host::DisplayScale());
    plain = static_cast<int>(SendMessageW(
        reference.widget(reference.layout().Named("List1", std::nullopt)), LB_GETITEMHEIGHT, 0, 0));
  }
  ASSERT_GT(plain, 8);
  EXPECT_NEAR(scaled, plain * scale.factor(), scale.factor() + 1) << plain;
  ShowList({"a.wav", "b.wav", "c.wav"});
  // A press on the third row's middle selects it: the press comes to the
  // rules in the program's pixels and back to the list in the screen's.
  const RECT list = InForm(List());
  const int x = list.left + 10, y = list.top + RowHeight() * 5 / 2;
  Post({{List(), WM_LBUTTONDOWN, MK_LBUTTON, x, y}, {List(), WM_LBUTTONUP, 0, x, y}});
  EXPECT_EQ(SendMessageW(List(), LB_GETCURSEL, 0, 0), 2);
}

// Dragged to a screen of another density: the system tells the window its
// new DPI, here as it would, by a message.
TEST_F(Win32ScaledHost, ADpiChangeResizesTheWindowAroundItsMiddleAndDrawsItAgain) {
  form->pictureBox("FrameList").setVisible(true);
  auto middle = [] {
    RECT shown;
    GetWindowRect(form->window(), &shown);
    return Line("", (shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2);
  };
  const std::string before = middle();
  const int rows = RowHeight();
  for (const auto [dpi, at] : {std::pair{96, host::DisplayScale()},
                               {static_cast<int>(std::lround(scale.factor() * 96)), scale}}) {
    RECT suggested{0, 0, S(640, at), S(480, at)};
    SendMessageW(form->window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form->scale(), at) << dpi;
    EXPECT_EQ(middle(), before) << dpi;
    ExpectShownAt(at);
  }
  EXPECT_EQ(RowHeight(), rows);
}

}  // namespace
