// The Windows accessibility bridge under Wine, read as a screen reader reads
// it: a window whose entries come from a stand-in for the window's rules, its
// client object fetched through WM_GETOBJECT. Wine 8 answers E_NOINTERFACE
// when another process asks for the object, so the reader here is the test
// itself.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/win32/accessibility_bridge.h"
#include "host/win32/unicode.h"
#include "tests/accessibility_stand_in.h"

namespace {

using stand_in::Made;
using stand_in::Role;
using ::testing::ElementsAre;

std::string Narrow(BSTR text) {
  std::string narrow = text ? host::win32::Narrow(text) : "";
  SysFreeString(text);
  return narrow;
}

VARIANT Child(LONG id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

void Pump() {
  MSG message;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

std::vector<LONG> focusEvents;
void CALLBACK OnFocus(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) focusEvents.push_back(child);
}

class Win32AccessibilityTest : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (bridge)
      if (const std::optional<LRESULT> answer = bridge->Answer(message, wParam, lParam))
        return *answer;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AccessibilityTest";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, L"AccessibilityTest", L"Zorvanta", WS_POPUP | WS_VISIBLE, 100, 50,
                             640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    bridge = std::make_unique<host::win32::AccessibilityBridge>(window, entries);
    Pump();
  }
  void TearDown() override {
    if (client) client->Release();
    bridge.reset();
    DestroyWindow(window);
  }
  // The client object, as a reader in this process fetches it.
  IAccessible* Client() {
    const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, OBJID_CLIENT);
    void* object = nullptr;
    EXPECT_EQ(ObjectFromLresult(answer, __uuidof(IAccessible), 0, &object), S_OK);
    return static_cast<IAccessible*>(object);
  }

  stand_in::Window entries;
  HWND window = nullptr;
  IAccessible* client = nullptr;
  static inline std::unique_ptr<host::win32::AccessibilityBridge> bridge;
};

TEST_F(Win32AccessibilityTest, TheClientAreaHasTheEntriesWithTheirNamesRolesAndPlaces) {
  client = Client();
  ASSERT_NE(client, nullptr);
  BSTR title = nullptr;
  ASSERT_EQ(client->get_accName(Child(CHILDID_SELF), &title), S_OK);
  EXPECT_EQ(Narrow(title), "Zorvanta");
  LONG count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 12);
  std::vector<std::string> described;
  for (LONG id = 1; id <= count; ++id) {
    BSTR name = nullptr, value = nullptr;
    VARIANT role, state;
    IDispatch* child = nullptr;
    EXPECT_EQ(client->get_accChild(Child(id), &child), S_FALSE);  // a simple element
    client->get_accName(Child(id), &name);
    client->get_accValue(Child(id), &value);
    client->get_accRole(Child(id), &role);
    client->get_accState(Child(id), &state);
    described.push_back(Narrow(name) + (role.lVal == ROLE_SYSTEM_LINK ? " link " : " button ") +
                        Narrow(value) + std::to_string(state.lVal));
  }
  const std::string button = " button " + std::to_string(STATE_SYSTEM_FOCUSABLE);
  EXPECT_THAT(described.front(), "первая серия" + button);
  EXPECT_THAT(std::vector(described.end() - 3, described.end()),
              ElementsAre("видео клипы" + button,
                          "Quorrel link https://quorrel.example/" +
                              std::to_string(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED),
                          "Закрыть" + button));
  LONG left, top, width, height;
  ASSERT_EQ(client->accLocation(&left, &top, &width, &height, Child(3)), S_OK);
  EXPECT_THAT((std::vector{left, top, width, height}), ElementsAre(100 + 454, 50 + 95, 164, 30));
  ASSERT_EQ(client->accLocation(&left, &top, &width, &height, Child(CHILDID_SELF)), S_OK);
  EXPECT_THAT((std::vector{left, top, width, height}), ElementsAre(100, 50, 640, 480));
  EXPECT_EQ(client->get_accName(Child(13), &title), E_INVALIDARG);
}

TEST_F(Win32AccessibilityTest, ReadersFindEntriesByPlaceAndGoThroughThemInReadingOrder) {
  client = Client();
  ASSERT_NE(client, nullptr);
  auto found = [&](HRESULT result, const VARIANT& at) {
    return result == S_OK && at.vt == VT_I4 ? at.lVal : -1;
  };
  VARIANT at;
  EXPECT_EQ(found(client->accHitTest(100 + 460, 50 + 100, &at), at), 3);
  EXPECT_EQ(found(client->accHitTest(100 + 320, 50 + 300, &at), at), CHILDID_SELF);
  EXPECT_EQ(client->accHitTest(90, 40, &at), S_FALSE);
  EXPECT_EQ(at.vt, VT_EMPTY);
  EXPECT_EQ(found(client->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &at), at), 1);
  EXPECT_EQ(found(client->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &at), at), 12);
  EXPECT_EQ(found(client->accNavigate(NAVDIR_NEXT, Child(6), &at), at), 7);
  EXPECT_EQ(found(client->accNavigate(NAVDIR_PREVIOUS, Child(6), &at), at), 5);
  EXPECT_EQ(client->accNavigate(NAVDIR_PREVIOUS, Child(1), &at), S_FALSE);
}

TEST_F(Win32AccessibilityTest, FocusIsToldAndTakenAndTheDefaultActionClicksAfterTheCall) {
  client = Client();
  ASSERT_NE(client, nullptr);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocus,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  focusEvents.clear();
  ASSERT_EQ(client->accSelect(SELFLAG_TAKEFOCUS, Child(3)), S_OK);
  EXPECT_EQ(entries.focused, 2u);
  bridge->FocusMoved();
  Pump();
  UnhookWinEvent(hook);
  EXPECT_THAT(focusEvents, ElementsAre(3));
  VARIANT focus, state;
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  EXPECT_EQ(focus.lVal, 3);
  client->get_accState(Child(3), &state);
  EXPECT_EQ(state.lVal, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);

  ASSERT_EQ(client->accDoDefaultAction(Child(1)), S_OK);
  EXPECT_THAT(entries.actions, ::testing::IsEmpty());  // not while the reader waits
  Pump();
  EXPECT_THAT(entries.actions, ElementsAre("первая серия"));
  BSTR action = nullptr;
  client->get_accDefaultAction(Child(12), &action);
  EXPECT_EQ(Narrow(action), "Нажать");
}

TEST_F(Win32AccessibilityTest, TheListIsTheSystemsListBoxAndAClosedWindowAnswersNoMore) {
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 188, 63, 289, 353, window,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  entries.entries.insert(entries.entries.begin() + 7,
                         Made("Музыка MP3", Role::List, {188, 63, 477, 416}));
  bridge->setListWindow(list);
  bridge->EntriesChanged();
  client = Client();
  ASSERT_NE(client, nullptr);
  LONG count = 0;
  client->get_accChildCount(&count);
  EXPECT_EQ(count, 13);
  IDispatch* child = nullptr;
  ASSERT_EQ(client->get_accChild(Child(8), &child), S_OK);
  IAccessible* listObject = nullptr;
  ASSERT_EQ(child->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&listObject)),
            S_OK);
  HWND owner = nullptr;  // Windows gives it the role of a list; Wine that of a client area
  EXPECT_EQ(WindowFromAccessibleObject(listObject, &owner), S_OK);
  EXPECT_EQ(owner, list);
  listObject->Release();
  child->Release();

  bridge.reset();  // the window's rules are gone; the reader still holds the object
  EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
}

}  // namespace
