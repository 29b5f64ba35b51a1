// How much larger than its own pixels the menu is shown on a high-density
// screen, and the rule that picks it, for both hosts. The program keeps its
// 640x480 pixels and 15 twips a pixel; only what reaches the screen, and the
// pointer coming back from it, is scaled.
//
// A scale is a whole number of quarters. A screen pixel belongs to the
// program pixel its top-left corner lies in, the one a press there names
// (the press's place on the screen over the scale), so that each program
// pixel is the scale's whole part or one more screen pixels wide, as evenly
// as they go. The program's 640x480 are whole screen pixels at every quarter.
#pragma once

#include <cstdint>

#include "host/host.h"

namespace host {

constexpr int kStandardDpi = 96;  // the desktop's dots per inch at scale 1

class DisplayScale {
 public:
  static constexpr int kOne = 4;        // quarters in a scale of 1
  static constexpr int kLargest = 256;  // 64 times: beyond any screen, short of overflow

  constexpr DisplayScale() = default;
  static constexpr DisplayScale Quarters(int quarters) { return DisplayScale(quarters); }

  int quarters() const { return quarters_; }
  double factor() const { return static_cast<double>(quarters_) / kOne; }
  bool operator==(const DisplayScale&) const = default;

  // The first screen pixel at or past program coordinate `pixel` (a pixel's
  // left or top edge); a program length starting at 0 is as many screen
  // pixels as this gives for its end. In 64 bits: any 32-bit coordinate fits.
  int64_t ToScreen(int64_t pixel) const;
  // The program pixel that screen pixel `screenPixel` belongs to.
  int ToProgram(int screenPixel) const;
  // A place on the screen in the program's pixels, fractions kept: where a
  // press lands among the controls and the list's rows.
  float ProgramPixelsOf(int screenPixels) const;
  // Back: the screen pixel such a place lies in.
  int ScreenPixelAt(float programPixels) const;
  // A length in screen pixels, rounded to whole pixels: fonts, pens, cursors.
  int Scaled(double length) const;
  // A distance on the screen in the program's twips: fractions are kept, so
  // that a drag moves the window exactly as far as the pointer.
  float TwipsOf(int screenPixels) const;
  // The program's twips as screen pixels, rounded as the run time rounds;
  // beyond what a pixel count holds is the run time's overflow error.
  int ScreenPixelsOf(float twips) const;

 private:
  explicit constexpr DisplayScale(int quarters)
      : quarters_(quarters < kOne       ? kOne
                  : quarters > kLargest ? kLargest
                                        : quarters) {}

  int quarters_ = kOne;
};

// The scale a desktop of `dpi` dots per inch asks for: dpi over 96 to the
// nearest quarter, never below 1.
DisplayScale ScaleForDpi(double dpi);

// The scale a Linux desktop asks for: GDK_SCALE when it is a whole number
// from 1, else the Xft.dpi resource as ScaleForDpi takes it, else 1. Either
// may be null.
DisplayScale DesktopScale(const char* gdkScale, const char* xftDpi);

// The largest scale up to `wanted`, in quarters, at which a window of
// width x height program pixels fits an area of areaWidth x areaHeight; 1
// when not even that does.
DisplayScale FittingScale(DisplayScale wanted, int width, int height, int areaWidth,
                          int areaHeight);

// A font of `points` in whole screen pixels, at 96 dots per inch times the
// scale.
int FontPixels(double points, DisplayScale scale = {});

// A window of width x height screen pixels with its middle on the middle of
// `around`: the work area at start, the window's old place when its scale
// changes.
Rect Centred(int width, int height, const Rect& around);

}  // namespace host
