#pragma once

#include <X11/Xlib.h>

#include <string>
#include <variant>
#include <vector>

namespace glyphgrid {

// One start of a program, until its top window was mapped and painted all over.
struct StartupRun {
  double milliseconds;      // from starting the process to the last pixel of its first paint
  double peak_rss_bytes;    // the process's peak resident set size over its whole life
  double cpu_milliseconds;  // user and system time of all its threads until it was ended
  int width;                // the size of the window it mapped
  int height;
};

// Watches the X display for a program's first top-level window. Needs a display without a
// window manager (Xvfb): the program's window must be mapped as a child of the root window.
class PaintedWindowWatch {
 public:
  // Opens the display DISPLAY names; check Error() before use.
  PaintedWindowWatch();
  ~PaintedWindowWatch();
  PaintedWindowWatch(const PaintedWindowWatch&) = delete;
  PaintedWindowWatch& operator=(const PaintedWindowWatch&) = delete;

  // Empty when the display and its Damage and XFixes extensions are usable.
  const std::string& Error() const { return error_; }

  // Starts `command` (program first), waits until its first top-level window is mapped and every
  // pixel of it has been drawn, then ends the program with SIGTERM and collects it. A program that
  // exits first, or shows nothing within `timeout_seconds`, is an error.
  std::variant<StartupRun, std::string> Run(const std::vector<std::string>& command,
                                            double timeout_seconds);

 private:
  Display* display_ = nullptr;
  int damage_event_base_ = 0;
  std::string error_;
};

}  // namespace glyphgrid
