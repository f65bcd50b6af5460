#pragma once

#include <termios.h>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace glyphgrid {

// A serial port (or a pseudo-terminal standing in for one) in raw 8N1 at a chosen baud. POSIX
// termios and poll rather than Qt's QSerialPort: glyphgrid-cli links no Qt, and loading QtCore
// would slow every run of the tool. Every wait is bounded by the caller's time-out.
class SerialPort {
 public:
  // Opens without becoming the controlling terminal and without waiting for a carrier; refuses
  // anything that is not a terminal device. Errors are the reason alone ("No such file or
  // directory", "it is not a serial device").
  static std::variant<SerialPort, std::string> Open(const std::string& path, int baud);

  SerialPort(SerialPort&& other) noexcept;
  SerialPort& operator=(SerialPort&&) = delete;
  SerialPort(const SerialPort&) = delete;
  ~SerialPort();

  // Everything written within `timeout_ms`, or why not.
  std::optional<std::string> Write(std::span<const std::uint8_t> bytes, int timeout_ms);
  // Until what was written has left the port, at most `timeout_ms`.
  std::optional<std::string> Drain(int timeout_ms);
  // What comes within `timeout_ms` (nothing when nothing came, or a signal cut the wait short),
  // or why the port failed (hung up, gone).
  std::variant<std::vector<std::uint8_t>, std::string> Read(int timeout_ms);

 private:
  explicit SerialPort(int fd) : fd_(fd) {}
  int fd_;
  // Put back on closing, so that a terminal opened by mistake is not left raw.
  std::optional<termios> original_;
};

}  // namespace glyphgrid
