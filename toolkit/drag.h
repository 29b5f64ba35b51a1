// Moving a window without a title bar by dragging it with the left button.
#pragma once

#include <cstdint>
#include <optional>

#include "host/host.h"

namespace toolkit {

// One drag at a time, shared by every window.
extern bool IsDragging;
extern int32_t DragX;  // the anchor, in the window's scale units
extern int32_t DragY;

void DragBegin(int16_t button, int16_t shift, float x, float y, host::Window& target);

// Follows the pointer while a left-button drag is in progress. scaleMode
// left out reads the window's own; container, when given, bounds the move.
void DragMove(int16_t button, int16_t shift, float x, float y, host::Window& target,
              std::optional<int16_t> scaleMode, bool useMove,
              const host::Extent* container = nullptr);

void DragEnd(int16_t button, int16_t shift, float x, float y, host::Window& target);

}  // namespace toolkit
