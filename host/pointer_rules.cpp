#include "host/pointer_rules.h"

namespace host {

Cursor CursorOver(const ControlDesign* control, int32_t formPointer) {
  if (!control) return formPointer == pointer::kSizeAll ? Cursor::kSizeAll : Cursor::kArrow;
  const bool custom = control->mousePointer == pointer::kCustom && !control->mouseIcon.empty();
  return custom ? Cursor::kHand : Cursor::kArrow;
}

}  // namespace host
