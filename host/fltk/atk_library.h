// The desktop's accessibility toolkit (ATK), its bridge to the accessibility
// bus and the GLib they stand on, opened at run time: the program needs none
// of them to start, and a desktop without a screen reader never loads them.
// Only their headers are used at build time; every call goes through here.
#pragma once

// The focus tracker is deprecated but is what the bridge still listens to.
#define ATK_DISABLE_DEPRECATION_WARNINGS
#include <atk/atk.h>

// Not in ATK's own headers: the bridge's one entry point.
extern "C" int atk_bridge_adaptor_init(int* argc, char** argv[]);

namespace host::fltk {

// The library calls the bridge needs, each looked up when the bus is there.
// clang-format off
#define ZORVANTA_ATK_FUNCTIONS(F) \
  F(g_main_context_default) \
  F(g_main_context_acquire) \
  F(g_main_context_release) \
  F(g_main_context_prepare) \
  F(g_main_context_query) \
  F(g_main_context_check) \
  F(g_main_context_dispatch) \
  F(g_quark_from_string) \
  F(g_type_register_static) \
  F(g_type_add_interface_static) \
  F(g_type_class_ref) \
  F(g_type_class_peek_parent) \
  F(g_type_default_interface_ref) \
  F(g_type_from_name) \
  F(g_type_fundamental) \
  F(g_signal_lookup) \
  F(g_signal_add_emission_hook) \
  F(g_signal_remove_emission_hook) \
  F(g_object_new) \
  F(g_object_ref) \
  F(g_signal_emit_by_name) \
  F(atk_object_get_type) \
  F(atk_util_get_type) \
  F(atk_component_get_type) \
  F(atk_action_get_type) \
  F(atk_window_get_type) \
  F(atk_state_set_new) \
  F(atk_state_set_add_state) \
  F(atk_object_set_name) \
  F(atk_object_set_description) \
  F(atk_object_set_role) \
  F(atk_object_set_parent) \
  F(atk_object_notify_state_change) \
  F(atk_focus_tracker_notify) \
  F(atk_bridge_adaptor_init)
// clang-format on

struct AtkLibrary {
#define ZORVANTA_ATK_POINTER(name) decltype(&::name) name = nullptr;
  ZORVANTA_ATK_FUNCTIONS(ZORVANTA_ATK_POINTER)
#undef ZORVANTA_ATK_POINTER
};

// The libraries, opened on the first call; null when the desktop lacks them.
const AtkLibrary* OpenAtk();

}  // namespace host::fltk
