#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace glyphgrid {

// Loading the system's font configuration (dozens of XML files) and the font list is most of
// what the editor does before its first paint beyond what any Qt window does, and it needs no
// display. Started before QApplication, it runs on a thread of its own beside the connection to
// the display and the building of the windows; the toolkit then finds it done.
class FontConfigurationLoad {
 public:
  FontConfigurationLoad();

  // The QApplication exists: the thread may now fill the toolkit's font database.
  void ApplicationCreated();
  // Returns once both are loaded. Call before the first text is measured, so that the toolkit
  // does not load a second copy beside this one.
  void Wait();

 private:
  std::mutex mutex_;
  std::condition_variable_any application_created_;
  bool created_ = false;
  std::jthread thread_;
};

}  // namespace glyphgrid
