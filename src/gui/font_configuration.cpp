#include "gui/font_configuration.h"

#ifdef GLYPHGRID_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace glyphgrid {

FontConfigurationLoad::FontConfigurationLoad() {
#ifdef GLYPHGRID_FONTCONFIG
  // FcInit is safe to call from any thread; Qt's own later call returns at once.
  thread_ = std::jthread([] { FcInit(); });
#endif
}

void FontConfigurationLoad::Wait() {
  if (thread_.joinable()) {
    thread_.join();
  }
}

}  // namespace glyphgrid
