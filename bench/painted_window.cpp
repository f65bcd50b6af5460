#include "painted_window.h"

#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

extern char** environ;

namespace glyphgrid {

namespace {

using Clock = std::chrono::steady_clock;

// A top-level window of the program being started, and the part of it drawn so far.
struct WatchedWindow {
  Damage damage;
  XserverRegion painted;
  int width;
  int height;
  bool mapped = false;
};

// The program's windows may vanish at any moment (it can die); errors about them are expected and
// must not end the benchmark, which is what Xlib's default handler does.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

class Launch {
 public:
  Launch(Display* display, int damage_event_base)
      : display_(display), damage_event_base_(damage_event_base) {}

  ~Launch() {
    for (auto& [window, watched] : windows_) {
      XFixesDestroyRegion(display_, watched.painted);
    }
    XSync(display_, True);
  }

  // True once a mapped window of the program has been painted all over.
  bool Handle(const XEvent& event) {
    const Window root = DefaultRootWindow(display_);
    if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
        !event.xcreatewindow.override_redirect) {
      const XCreateWindowEvent& created = event.xcreatewindow;
      windows_[created.window] = {XDamageCreate(display_, created.window, XDamageReportNonEmpty),
                                  XFixesCreateRegion(display_, nullptr, 0), created.width,
                                  created.height};
      return false;
    }
    if (event.type == ConfigureNotify) {
      if (const auto found = windows_.find(event.xconfigure.window); found != windows_.end()) {
        found->second.width = event.xconfigure.width;
        found->second.height = event.xconfigure.height;
        return Covered(found->second);
      }
      return false;
    }
    if (event.type == MapNotify) {
      if (const auto found = windows_.find(event.xmap.window); found != windows_.end()) {
        found->second.mapped = true;
        return Covered(found->second);
      }
      return false;
    }
    if (event.type == damage_event_base_ + XDamageNotify) {
      const auto& damaged = reinterpret_cast<const XDamageNotifyEvent&>(event);
      for (auto& [window, watched] : windows_) {
        if (watched.damage == damaged.damage) {
          const XserverRegion parts = XFixesCreateRegion(display_, nullptr, 0);
          XDamageSubtract(display_, watched.damage, None, parts);
          XFixesUnionRegion(display_, watched.painted, watched.painted, parts);
          XFixesDestroyRegion(display_, parts);
          return Covered(watched);
        }
      }
    }
    return false;
  }

  // The window painted all over, once Handle said so.
  int Width() const { return painted_->width; }
  int Height() const { return painted_->height; }

 private:
  bool Covered(const WatchedWindow& watched) {
    if (!watched.mapped) {
      return false;
    }
    XRectangle whole = {0, 0, static_cast<unsigned short>(watched.width),
                        static_cast<unsigned short>(watched.height)};
    const XserverRegion missing = XFixesCreateRegion(display_, &whole, 1);
    XFixesSubtractRegion(display_, missing, missing, watched.painted);
    int count = 0;
    XRectangle bounds;
    XRectangle* rectangles = XFixesFetchRegionAndBounds(display_, missing, &count, &bounds);
    if (rectangles) {
      XFree(rectangles);
    }
    XFixesDestroyRegion(display_, missing);
    if (count != 0) {
      return false;
    }
    painted_ = &watched;
    return true;
  }

  Display* display_;
  int damage_event_base_;
  std::map<Window, WatchedWindow> windows_;
  const WatchedWindow* painted_ = nullptr;
};

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// The end of what the program wrote to its standard error, which it was sent to.
std::string ErrorTail(std::FILE* log) {
  std::string text(4096, '\0');
  std::fseek(log, 0, SEEK_END);
  const long size = std::ftell(log);
  std::fseek(log, std::max(0L, size - static_cast<long>(text.size())), SEEK_SET);
  text.resize(std::fread(text.data(), 1, text.size(), log));
  return text.empty() ? "" : "; its standard error ends:\n" + text;
}

double Milliseconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// Ends the program (if it still runs) and returns what it used.
rusage Collect(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  return usage;
}

}  // namespace

PaintedWindowWatch::PaintedWindowWatch() : display_(XOpenDisplay(nullptr)) {
  if (!display_) {
    error_ = "cannot open the X display (is DISPLAY set?)";
    return;
  }
  int error_base = 0;
  int major = 0;
  int minor = 0;
  if (!XDamageQueryExtension(display_, &damage_event_base_, &error_base) ||
      !XFixesQueryExtension(display_, &major, &minor) ||
      !XFixesQueryVersion(display_, &major, &minor) || major < 2) {
    error_ = "the X server lacks the Damage or XFixes 2 extension";
    return;
  }
  XSetErrorHandler(IgnoreXError);
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, True);
}

PaintedWindowWatch::~PaintedWindowWatch() {
  if (display_) {
    XCloseDisplay(display_);
  }
}

std::variant<StartupRun, std::string> PaintedWindowWatch::Run(
    const std::vector<std::string>& command, double timeout_seconds) {
  std::vector<char*> arguments;
  for (const std::string& argument : command) {
    arguments.push_back(const_cast<char*>(argument.c_str()));
  }
  arguments.push_back(nullptr);

  // Qt's warnings would drown the table; they are shown only when a start fails.
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> log(std::tmpfile(), &std::fclose);
  if (!log) {
    return std::string("cannot create a temporary file: ") + std::strerror(errno);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(log.get()), STDERR_FILENO);

  Launch launch(display_, damage_event_base_);
  XSync(display_, True);
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, arguments[0], &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    return "cannot start " + command[0] + ": " + std::strerror(error);
  }

  const Clock::time_point deadline = start + std::chrono::duration_cast<Clock::duration>(
                                                 std::chrono::duration<double>(timeout_seconds));
  for (;;) {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      if (launch.Handle(event)) {
        const double milliseconds = Milliseconds(Clock::now() - start);
        const rusage usage = Collect(pid);
        return StartupRun{milliseconds, static_cast<double>(usage.ru_maxrss) * 1024.0,
                          Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
                          launch.Width(), launch.Height()};
      }
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      return command[0] + " exited before painting a window" + ErrorTail(log.get());
    }
    if (Clock::now() > deadline) {
      Collect(pid);
      return command[0] + " painted no window within " +
             std::to_string(static_cast<int>(timeout_seconds)) + " s" + ErrorTail(log.get());
    }
    pollfd connection = {ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, 20);
  }
}

}  // namespace glyphgrid
