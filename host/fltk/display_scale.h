// How much larger than its own pixels the menu is shown on a high-density
// screen. The program keeps its 640x480 client area and its twips; only what
// reaches the screen, and the pointer coming back from it, is scaled here.
#pragma once

namespace host::fltk {

class DisplayScale {
 public:
  explicit DisplayScale(int factor = 1) : factor_(factor < 1 ? 1 : factor) {}

  int factor() const { return factor_; }
  // The program's pixels on the screen, and back (whole program pixels).
  int ToScreen(int pixels) const { return pixels * factor_; }
  int ToProgram(int screenPixels) const { return screenPixels / factor_; }
  // A distance on the screen in the program's twips: fractions are kept, so
  // that a drag moves the window exactly as far as the pointer.
  float TwipsOf(int screenPixels) const;
  // A place on the screen in the program's pixels, fractions kept.
  float ProgramPixelsOf(int screenPixels) const {
    return static_cast<float>(screenPixels) / static_cast<float>(factor_);
  }
  // The program's twips as screen pixels, rounded as the run time rounds.
  int ScreenPixelsOf(float twips) const;

 private:
  int factor_;
};

// The scale the desktop asks for: GDK_SCALE when it is a whole number from 1,
// else the Xft.dpi resource over 96, rounded to the nearest whole number,
// else 1. Either may be null.
int DesktopScale(const char* gdkScale, const char* xftDpi);

// The largest scale up to `wanted` at which a window of width x height fits
// on a screen of screenWidth x screenHeight; 1 when not even that does.
int FittingScale(int wanted, int width, int height, int screenWidth, int screenHeight);

// The scale for a window of width x height program pixels on the open display,
// from the environment, the display's resources and the first screen's size.
DisplayScale ScaleForWindow(int width, int height);

}  // namespace host::fltk
