#include "host/fltk/accessibility_bridge.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/fltk/accessibility_bus.h"
#include "host/fltk/atk_library.h"
#include "host/fltk/glib_loop.h"

namespace host::fltk {

namespace {

using accessibility::Entry;
using accessibility::Role;

// The action's name is for programs; a reader says the role.
constexpr const char* kClick = "click";
constexpr const char* kToolkit = "FLTK";
constexpr const char* kToolkitVersion = "1.3";

const AtkLibrary* atk = nullptr;

// Every instance here is an AtkObject, whichever of its interfaces ATK calls.
AtkObject* ObjectOf(void* instance) { return static_cast<AtkObject*>(instance); }
class Bridge;
Bridge* current = nullptr;

AtkRole RoleOf(Role role) {
  switch (role) {
    case Role::Link:
      return ATK_ROLE_LINK;
    case Role::List:
      return ATK_ROLE_LIST;
    default:
      return ATK_ROLE_PUSH_BUTTON;
  }
}

// What stays the same of an entry while its panel shows another title.
std::string KeyOf(const Entry& entry) {
  return entry.role == Role::List ? std::string("\n") : entry.name;
}

class Bridge final : public AccessibilityBridge {
 public:
  Bridge(Fl_Window& window, accessibility::Window& source);
  ~Bridge() override;

  void FocusMoved() override;
  void EntriesChanged() override;
  void ActiveChanged() override;

  // ATK's questions.
  AtkObject* application() const { return application_; }
  int ChildCount(AtkObject* object) const;
  AtkObject* Child(AtkObject* object, int index) const;
  int IndexInParent(AtkObject* object) const;
  AtkStateSet* States(AtkObject* object) const;
  bool Extents(AtkObject* object, AtkCoordType coordinates, Rect& screen) const;
  AtkObject* At(int x, int y, AtkCoordType coordinates) const;
  bool Focus(AtkObject* object);
  int ActionCount(AtkObject* object) const;
  bool Act(AtkObject* object);

 private:
  static void ActLater(void* self);
  std::optional<size_t> IndexOf(AtkObject* object) const;
  AtkObject* Made(const Entry& entry);
  AtkObject* FocusedObject() const;

  Fl_Window& window_;
  accessibility::Window& source_;
  AtkObject* application_;
  AtkObject* frame_;
  std::map<std::string, AtkObject*> made_;  // by KeyOf, kept for readers that hold them
  std::vector<Entry> entries_;
  std::vector<AtkObject*> shown_;  // entries_'s objects
  AtkObject* focused_ = nullptr;
  std::vector<std::string> actions_;  // asked for, done after the reader's call
  GlibLoop loop_;
};

// ---- ATK's calls, handed to the bridge ----

gint ChildCount(AtkObject* object) { return current ? current->ChildCount(object) : 0; }
AtkObject* Child(AtkObject* object, gint index) {
  return current ? current->Child(object, index) : nullptr;
}
gint IndexInParent(AtkObject* object) { return current ? current->IndexInParent(object) : -1; }
AtkStateSet* States(AtkObject* object) {
  if (current) return current->States(object);
  AtkStateSet* states = atk->atk_state_set_new();
  atk->atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
  return states;
}

void Extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
             AtkCoordType coordinates) {
  Rect rect;
  if (!current || !current->Extents(ObjectOf(component), coordinates, rect)) rect = {};
  if (x) *x = rect.left;
  if (y) *y = rect.top;
  if (width) *width = rect.right - rect.left;
  if (height) *height = rect.bottom - rect.top;
}
gboolean Contains(AtkComponent* component, gint x, gint y, AtkCoordType coordinates) {
  Rect rect;
  return current && current->Extents(ObjectOf(component), coordinates, rect) && x >= rect.left &&
         x < rect.right && y >= rect.top && y < rect.bottom;
}
AtkObject* At(AtkComponent*, gint x, gint y, AtkCoordType coordinates) {
  return current ? current->At(x, y, coordinates) : nullptr;
}
gboolean GrabFocus(AtkComponent* component) {
  return current && current->Focus(ObjectOf(component));
}
AtkLayer FrameLayer(AtkComponent*) { return ATK_LAYER_WINDOW; }

gint ActionCount(AtkAction* action) { return current ? current->ActionCount(ObjectOf(action)) : 0; }
gboolean DoAction(AtkAction* action, gint index) {
  return index == 0 && current && current->Act(ObjectOf(action));
}
const gchar* ActionName(AtkAction* action, gint index) {
  return index == 0 && ActionCount(action) > 0 ? kClick : nullptr;
}
const gchar* NoText(AtkAction*, gint) { return nullptr; }

AtkObject* Root() { return current ? current->application() : nullptr; }
const gchar* ToolkitName() { return kToolkit; }
const gchar* ToolkitVersion() { return kToolkitVersion; }

// The bridge hears of every object's signals through emission hooks on the
// signal that an event name ("Toolkit:Type:signal[:detail]") names.
struct Listener {
  guint signal;
  gulong hook;
  std::string event;
};
std::deque<Listener> listeners;  // each hook is handed its event's name

guint AddGlobalListener(GSignalEmissionHook listener, const gchar* event) {
  std::vector<std::string> parts;
  for (std::string_view rest = event; !rest.empty();) {
    const size_t colon = std::min(rest.find(':'), rest.size());
    parts.emplace_back(rest.substr(0, colon));
    rest.remove_prefix(std::min(colon + 1, rest.size()));
  }
  if (parts.size() < 3) return 0;
  const GType type = atk->g_type_from_name(parts[1].c_str());
  if (!type) return 0;
  // A type's signals are made with its class or interface.
  if (atk->g_type_fundamental(type) == G_TYPE_INTERFACE)
    atk->g_type_default_interface_ref(type);
  else
    atk->g_type_class_ref(type);
  const guint signal = atk->g_signal_lookup(parts[2].c_str(), type);
  if (!signal) return 0;
  const GQuark detail = parts.size() > 3 ? atk->g_quark_from_string(parts[3].c_str()) : 0;
  listeners.push_back({signal, 0, event});
  Listener& added = listeners.back();
  added.hook = atk->g_signal_add_emission_hook(signal, detail, listener,
                                               const_cast<char*>(added.event.c_str()), nullptr);
  return static_cast<guint>(listeners.size());
}

void RemoveGlobalListener(guint id) {
  if (id == 0 || id > listeners.size() || !listeners[id - 1].hook) return;
  atk->g_signal_remove_emission_hook(listeners[id - 1].signal, listeners[id - 1].hook);
  listeners[id - 1].hook = 0;
}

// ---- The types: the application, its frame and the entries ----

void ClassInit(gpointer type, gpointer) {
  auto* object = static_cast<AtkObjectClass*>(type);
  object->get_n_children = ChildCount;
  object->ref_child = Child;
  object->get_index_in_parent = IndexInParent;
  object->ref_state_set = States;
}

void ComponentInit(gpointer interface, gpointer) {
  auto* component = static_cast<AtkComponentIface*>(interface);
  component->get_extents = Extents;
  component->contains = Contains;
  component->ref_accessible_at_point = At;
  component->grab_focus = GrabFocus;
}

void FrameComponentInit(gpointer interface, gpointer data) {
  ComponentInit(interface, data);
  static_cast<AtkComponentIface*>(interface)->get_layer = FrameLayer;
}

void ActionInit(gpointer interface, gpointer) {
  auto* action = static_cast<AtkActionIface*>(interface);
  action->do_action = DoAction;
  action->get_n_actions = ActionCount;
  action->get_name = ActionName;
  action->get_localized_name = ActionName;
  action->get_description = NoText;
  action->get_keybinding = NoText;
}

void NoInit(gpointer, gpointer) {}

struct Types {
  GType application, frame, entry;
};

GType Register(const char* name, std::initializer_list<std::pair<GType, GInterfaceInitFunc>> with) {
  GTypeInfo info{};
  info.class_size = sizeof(AtkObjectClass);
  info.class_init = ClassInit;
  info.instance_size = sizeof(AtkObject);
  const GType type =
      atk->g_type_register_static(atk->atk_object_get_type(), name, &info, GTypeFlags{});
  for (const auto& [interface, init] : with) {
    const GInterfaceInfo implementation{init, nullptr, nullptr};
    atk->g_type_add_interface_static(type, interface, &implementation);
  }
  return type;
}

// Made once a process: GLib keeps a type for good.
const Types& TypesMade() {
  static const Types types{
      Register("ZorvantaApplication", {}),
      Register("ZorvantaFrame", {{atk->atk_component_get_type(), FrameComponentInit},
                                 {atk->atk_window_get_type(), NoInit}}),
      Register("ZorvantaEntry", {{atk->atk_component_get_type(), ComponentInit},
                                 {atk->atk_action_get_type(), ActionInit}}),
  };
  return types;
}

AtkObject* NewObject(GType type, AtkRole role, const std::string& name, AtkObject* parent) {
  auto* object = static_cast<AtkObject*>(atk->g_object_new(type, nullptr));
  atk->atk_object_set_role(object, role);
  atk->atk_object_set_name(object, name.c_str());
  if (parent) atk->atk_object_set_parent(object, parent);
  return object;
}

// ---- The bridge ----

Bridge::Bridge(Fl_Window& window, accessibility::Window& source)
    : window_(window),
      source_(source),
      application_(
          NewObject(TypesMade().application, ATK_ROLE_APPLICATION, source.Title(), nullptr)),
      frame_(NewObject(TypesMade().frame, ATK_ROLE_FRAME, source.Title(), application_)),
      loop_(*atk) {
  current = this;
  EntriesChanged();
  focused_ = FocusedObject();
}

Bridge::~Bridge() {
  Fl::remove_timeout(ActLater, this);
  current = nullptr;
}

std::optional<size_t> Bridge::IndexOf(AtkObject* object) const {
  const auto found = std::find(shown_.begin(), shown_.end(), object);
  if (found == shown_.end()) return std::nullopt;
  return static_cast<size_t>(found - shown_.begin());
}

AtkObject* Bridge::Made(const Entry& entry) {
  AtkObject*& object = made_[KeyOf(entry)];
  if (!object) object = NewObject(TypesMade().entry, RoleOf(entry.role), entry.name, frame_);
  if (entry.name != (object->name ? object->name : ""))
    atk->atk_object_set_name(object, entry.name.c_str());
  if (entry.value != (object->description ? object->description : ""))
    atk->atk_object_set_description(object, entry.value.c_str());  // a link's address
  return object;
}

AtkObject* Bridge::FocusedObject() const {
  const std::optional<size_t> entry = source_.FocusedEntry();
  return entry && *entry < shown_.size() ? shown_[*entry] : frame_;
}

void Bridge::EntriesChanged() {
  entries_ = source_.Entries();
  std::vector<AtkObject*> shown;
  for (const Entry& entry : entries_) shown.push_back(Made(entry));
  const std::vector<AtkObject*> before = std::exchange(shown_, shown);
  for (size_t i = 0; i < before.size(); ++i)
    if (std::find(shown.begin(), shown.end(), before[i]) == shown.end())
      atk->g_signal_emit_by_name(frame_, "children-changed::remove", static_cast<guint>(i),
                                 before[i]);
  for (size_t i = 0; i < shown.size(); ++i)
    if (std::find(before.begin(), before.end(), shown[i]) == before.end())
      atk->g_signal_emit_by_name(frame_, "children-changed::add", static_cast<guint>(i), shown[i]);
}

void Bridge::FocusMoved() {
  entries_ = source_.Entries();
  AtkObject* now = FocusedObject();
  if (now == focused_) return;
  if (focused_) atk->atk_object_notify_state_change(focused_, ATK_STATE_FOCUSED, FALSE);
  focused_ = now;
  if (!source_.Active()) return;
  atk->atk_object_notify_state_change(now, ATK_STATE_FOCUSED, TRUE);
  atk->atk_focus_tracker_notify(now);
}

void Bridge::ActiveChanged() {
  const bool active = source_.Active();
  atk->atk_object_notify_state_change(frame_, ATK_STATE_ACTIVE, active);
  atk->g_signal_emit_by_name(frame_, active ? "activate" : "deactivate");
  if (active && focused_) {
    atk->atk_object_notify_state_change(focused_, ATK_STATE_FOCUSED, TRUE);
    atk->atk_focus_tracker_notify(focused_);
  }
}

int Bridge::ChildCount(AtkObject* object) const {
  if (object == application_) return 1;
  return object == frame_ ? static_cast<int>(shown_.size()) : 0;
}

AtkObject* Bridge::Child(AtkObject* object, int index) const {
  AtkObject* child = nullptr;
  if (object == application_ && index == 0) child = frame_;
  if (object == frame_ && index >= 0 && static_cast<size_t>(index) < shown_.size())
    child = shown_[static_cast<size_t>(index)];
  return child ? static_cast<AtkObject*>((atk->g_object_ref)(child)) : nullptr;
}

int Bridge::IndexInParent(AtkObject* object) const {
  if (object == frame_) return 0;
  const std::optional<size_t> index = IndexOf(object);
  return index ? static_cast<int>(*index) : -1;
}

AtkStateSet* Bridge::States(AtkObject* object) const {
  AtkStateSet* states = atk->atk_state_set_new();
  auto add = [&](AtkStateType state) { atk->atk_state_set_add_state(states, state); };
  const std::optional<size_t> index = IndexOf(object);
  if (object != application_ && object != frame_ && !index) {
    add(ATK_STATE_DEFUNCT);  // an entry no longer shown
    return states;
  }
  for (AtkStateType state :
       {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE, ATK_STATE_SHOWING})
    add(state);
  if (object == frame_ && source_.Active()) add(ATK_STATE_ACTIVE);
  if (!index) return states;
  const Entry& entry = entries_[*index];
  if (entry.focusable) add(ATK_STATE_FOCUSABLE);
  if (object == focused_ && source_.Active()) add(ATK_STATE_FOCUSED);
  return states;
}

bool Bridge::Extents(AtkObject* object, AtkCoordType coordinates, Rect& rect) const {
  const std::optional<size_t> index = IndexOf(object);
  if (index) {
    rect = entries_[*index].rect;
  } else if (object == frame_) {
    rect = {0, 0, window_.w(), window_.h()};
  } else {
    return false;
  }
  if (coordinates == ATK_XY_SCREEN) {
    rect.left += window_.x(), rect.right += window_.x();
    rect.top += window_.y(), rect.bottom += window_.y();
  }
  return true;
}

AtkObject* Bridge::At(int x, int y, AtkCoordType coordinates) const {
  AtkObject* found = nullptr;  // the later entry lies on top
  for (AtkObject* object : shown_) {
    Rect rect;
    if (Extents(object, coordinates, rect) && x >= rect.left && x < rect.right && y >= rect.top &&
        y < rect.bottom)
      found = object;
  }
  return found ? static_cast<AtkObject*>((atk->g_object_ref)(found)) : nullptr;
}

bool Bridge::Focus(AtkObject* object) {
  const std::optional<size_t> index = IndexOf(object);
  if (!index || !entries_[*index].focusable) return false;
  source_.Focus(*index);
  return true;
}

int Bridge::ActionCount(AtkObject* object) const {
  const std::optional<size_t> index = IndexOf(object);
  return index && entries_[*index].role != Role::List ? 1 : 0;
}

// The reader waits for its call to return; the click, which may show a
// message box, comes after it from FLTK's loop.
bool Bridge::Act(AtkObject* object) {
  if (!ActionCount(object)) return false;
  actions_.push_back(KeyOf(entries_[*IndexOf(object)]));
  Fl::add_timeout(0.0, ActLater, this);
  return true;
}

void Bridge::ActLater(void* self) {
  auto* bridge = static_cast<Bridge*>(self);
  for (const std::string& key : std::exchange(bridge->actions_, {})) {
    const std::vector<Entry> entries = bridge->source_.Entries();
    for (size_t i = 0; i < entries.size(); ++i)
      if (KeyOf(entries[i]) == key) bridge->source_.DoDefaultAction(i);
  }
}

// ATK's one utility object answers with this program's root and listeners.
void OverrideUtility() {
  auto* utility = static_cast<AtkUtilClass*>(atk->g_type_class_ref(atk->atk_util_get_type()));
  utility->get_root = Root;
  utility->get_toolkit_name = ToolkitName;
  utility->get_toolkit_version = ToolkitVersion;
  utility->add_global_event_listener = AddGlobalListener;
  utility->remove_global_event_listener = RemoveGlobalListener;
}

}  // namespace

std::unique_ptr<AccessibilityBridge> AccessibilityBridge::Start(Fl_Window& window,
                                                                accessibility::Window& source) {
  static bool bridged = false;  // the bus knows the program once
  if (!bridged) {
    if (!AccessibilityBusRuns() || !(atk = OpenAtk())) return nullptr;
    OverrideUtility();
  }
  auto bridge = std::make_unique<Bridge>(window, source);
  if (!bridged && atk->atk_bridge_adaptor_init(nullptr, nullptr) != 0) return nullptr;
  bridged = true;
  return bridge;
}

}  // namespace host::fltk
