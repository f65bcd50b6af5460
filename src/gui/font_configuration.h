#pragma once

#include <thread>

namespace glyphgrid {

// Loading the system's font configuration (dozens of XML files) is the largest part of the
// editor's start-up, and it needs no display. Started before QApplication, it runs beside the
// connection to the display and the platform plugin; the toolkit later finds it loaded.
class FontConfigurationLoad {
 public:
  FontConfigurationLoad();

  // Returns once the configuration is loaded. Call before the first text is measured, so that
  // the toolkit does not load a second copy beside this one.
  void Wait();

 private:
  std::jthread thread_;
};

}  // namespace glyphgrid
