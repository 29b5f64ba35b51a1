#include "host/placement.h"

namespace host {

Place CentredPlace(const Rect& screen, int32_t width, int32_t height) {
  const int32_t screenWidth = screen.right - screen.left;
  const int32_t screenHeight = screen.bottom - screen.top;
  return {width <= screenWidth ? screen.left + (screenWidth - width) / 2 : screen.right - width,
          height <= screenHeight ? screen.top + (screenHeight - height) / 2 : screen.top};
}

}  // namespace host
