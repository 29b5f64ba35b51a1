#include "host/win32/accessibility_bridge.h"

#include <oleacc.h>

#include <string>
#include <vector>

#include "host/win32/system_library.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

using accessibility::Entry;
using accessibility::Role;

// What a reader is told of an entry's default action: the program speaks
// Russian, as the system would name these actions on a Russian Windows.
constexpr std::string_view kPress = "Нажать";
constexpr std::string_view kJump = "Перейти";

// A reader's call waits for its answer: the action, which may show a
// message box, runs after it from the window's own queue.
UINT DefaultActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"ZorvantaDefaultAction");
  return message;
}

BSTR Text(std::string_view text) {
  static const auto allocate =
      SystemFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
  return allocate ? allocate(Wide(text).c_str()) : nullptr;
}

HRESULT Answer(BSTR* out, std::string_view text) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = Text(text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetNumber(VARIANT* out, LONG value) {
  out->vt = VT_I4;
  out->lVal = value;
}

void SetEmpty(VARIANT* out) { out->vt = VT_EMPTY; }

IDispatch* SystemObject(HWND window, LONG object) {
  static const auto fromWindow = SystemFunction<decltype(AccessibleObjectFromWindow)>(
      L"oleacc.dll", "AccessibleObjectFromWindow");
  void* found = nullptr;
  if (!fromWindow ||
      FAILED(fromWindow(window, static_cast<DWORD>(object), __uuidof(IDispatch), &found)))
    return nullptr;
  return static_cast<IDispatch*>(found);
}

LONG RoleOf(Role role) {
  switch (role) {
    case Role::Link:
      return ROLE_SYSTEM_LINK;
    case Role::List:
      return ROLE_SYSTEM_LIST;
    default:
      return ROLE_SYSTEM_PUSHBUTTON;
  }
}

}  // namespace

// The client area's accessible object; its children are the entries,
// numbered from 1 in reading order (0 is the object itself).
class AccessibleClient final : public IAccessible {
 public:
  AccessibleClient(HWND window, HWND list, accessibility::Window* source)
      : window_(window), list_(list), source_(source) {}

  // The window is going: later calls fail as they do on a lost connection.
  void Disconnect() { source_ = nullptr; }
  void setList(HWND list) { list_ = list; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible))
      return E_NOINTERFACE;
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers use the interface's own calls.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_INVALIDARG;
    *parent = source_ ? SystemObject(window_, OBJID_WINDOW) : nullptr;
    return *parent ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_INVALIDARG;
    if (!source_) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<LONG>(source_->Entries().size());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry) return E_INVALIDARG;
    // The list box is the system's, with an accessible object of its own.
    if (entry->role == Role::List && list_) *out = SystemObject(list_, OBJID_CLIENT);
    return *out ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (IsSelf(child)) return source_ ? Answer(name, source_->Title()) : CO_E_OBJNOTCONNECTED;
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    return entry ? Answer(name, entry->name) : E_INVALIDARG;
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (IsSelf(child)) return Answer(value, {});
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    return entry ? Answer(value, entry->value) : E_INVALIDARG;
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
    return Answer(description, {});
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_INVALIDARG;
    SetEmpty(role);
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry && !IsSelf(child)) return E_INVALIDARG;
    SetNumber(role, entry ? RoleOf(entry->role) : ROLE_SYSTEM_CLIENT);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_INVALIDARG;
    SetEmpty(state);
    if (!source_) return CO_E_OBJNOTCONNECTED;
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry && !IsSelf(child)) return E_INVALIDARG;
    const bool focused = source_->Active() && (entry ? entry->focused : !source_->FocusedEntry());
    LONG flags = !entry || entry->focusable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (focused) flags |= STATE_SYSTEM_FOCUSED;
    if (entry && entry->role == Role::Link) flags |= STATE_SYSTEM_LINKED;
    SetNumber(state, flags);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Answer(help, {}); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
    return Answer(shortcut, {});
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_INVALIDARG;
    SetEmpty(focus);
    if (!source_) return CO_E_OBJNOTCONNECTED;
    if (!source_->Active()) return S_FALSE;
    const std::optional<size_t> entry = source_->FocusedEntry();
    if (entry && list_ && GetFocus() == list_) {
      focus->pdispVal = SystemObject(list_, OBJID_CLIENT);
      if (focus->pdispVal) {
        focus->vt = VT_DISPATCH;
        return S_OK;
      }
    }
    SetNumber(focus, entry ? static_cast<LONG>(*entry + 1) : CHILDID_SELF);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_INVALIDARG;
    SetEmpty(selection);
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (IsSelf(child)) return Answer(action, {});
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry) return E_INVALIDARG;
    if (entry->role == Role::List) return Answer(action, {});
    return Answer(action, entry->role == Role::Link ? kJump : kPress);
  }

  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry || flags != SELFLAG_TAKEFOCUS) return E_INVALIDARG;
    source_->Focus(static_cast<size_t>(entry - entries.data()));
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_INVALIDARG;
    if (!source_) return CO_E_OBJNOTCONNECTED;
    RECT rect;
    if (IsSelf(child)) {
      GetClientRect(window_, &rect);
    } else {
      const std::vector<Entry> entries = Entries();
      const Entry* entry = EntryOf(entries, child);
      if (!entry) return E_INVALIDARG;
      rect = RECT{entry->rect.left, entry->rect.top, entry->rect.right, entry->rect.bottom};
    }
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    *left = rect.left, *top = rect.top;
    *width = rect.right - rect.left, *height = rect.bottom - rect.top;
    return S_OK;
  }

  // Next and previous go in reading order, as the keyboard does.
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_INVALIDARG;
    SetEmpty(end);
    const std::vector<Entry> entries = Entries();
    const LONG count = static_cast<LONG>(entries.size());
    LONG found = 0;
    if (IsSelf(start)) {
      if (direction == NAVDIR_FIRSTCHILD) found = 1;
      if (direction == NAVDIR_LASTCHILD) found = count;
    } else {
      const Entry* entry = EntryOf(entries, start);
      if (!entry) return E_INVALIDARG;
      const LONG at = static_cast<LONG>(entry - entries.data()) + 1;
      if (direction == NAVDIR_NEXT) found = at + 1;
      if (direction == NAVDIR_PREVIOUS) found = at - 1;
    }
    if (found < 1 || found > count) return S_FALSE;
    SetNumber(end, found);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (!hit) return E_INVALIDARG;
    SetEmpty(hit);
    if (!source_) return CO_E_OBJNOTCONNECTED;
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client;
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    const std::vector<Entry> entries = Entries();
    LONG found = CHILDID_SELF;
    for (size_t i = 0; i < entries.size(); ++i) {
      const Rect& r = entries[i].rect;
      if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
        found = static_cast<LONG>(i + 1);  // the later entry lies on top
    }
    SetNumber(hit, found);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const std::vector<Entry> entries = Entries();
    const Entry* entry = EntryOf(entries, child);
    if (!entry || entry->role == Role::List) return E_INVALIDARG;
    PostMessageW(window_, DefaultActionMessage(), static_cast<WPARAM>(entry - entries.data()), 0);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleClient() = default;

  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  std::vector<Entry> Entries() const { return source_ ? source_->Entries() : std::vector<Entry>{}; }
  // The entry a child number names, if any.
  static const Entry* EntryOf(const std::vector<Entry>& entries, const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<LONG>(entries.size()))
      return nullptr;
    return &entries[static_cast<size_t>(child.lVal - 1)];
  }

  LONG references_ = 1;
  HWND window_;
  HWND list_;
  accessibility::Window* source_;
};

AccessibilityBridge::AccessibilityBridge(HWND window, accessibility::Window& source)
    : window_(window), source_(source) {}

AccessibilityBridge::~AccessibilityBridge() {
  if (!client_) return;
  client_->Disconnect();
  client_->Release();
}

std::optional<LRESULT> AccessibilityBridge::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == DefaultActionMessage()) {
    const size_t entry = static_cast<size_t>(wParam);
    if (entry < source_.Entries().size()) source_.DoDefaultAction(entry);
    return 0;
  }
  if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  static const auto fromObject =
      SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  // Handing the object over takes COM in this thread.
  static const auto initialize =
      SystemFunction<decltype(CoInitialize)>(L"ole32.dll", "CoInitialize");
  static const bool ready = fromObject && initialize && SUCCEEDED(initialize(nullptr));
  if (!ready) return std::nullopt;
  if (!client_) client_ = new AccessibleClient(window_, list_, &source_);
  client_->setList(list_);
  return fromObject(__uuidof(IAccessible), wParam, client_);
}

void AccessibilityBridge::FocusMoved() {
  const std::optional<size_t> entry = source_.FocusedEntry();
  // The list box tells of its own focus.
  if (!source_.Active() || (list_ && GetFocus() == list_)) return;
  NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT,
                 entry ? static_cast<LONG>(*entry + 1) : CHILDID_SELF);
}

void AccessibilityBridge::EntriesChanged() {
  NotifyWinEvent(EVENT_OBJECT_REORDER, window_, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibilityBridge::ActiveChanged() { FocusMoved(); }

}  // namespace host::win32
