#include "cli/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace glyphgrid {

namespace {

// Each of SerialBauds (board_send.h) as termios names it; B0 for any other.
speed_t SpeedOf(int baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    case 460800:
      return B460800;
    case 500000:
      return B500000;
    case 921600:
      return B921600;
    case 1000000:
      return B1000000;
    default:
      return B0;
  }
}

std::string Reason(int error) {
  return std::strerror(error);
}

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<long long>(0, left.count()));
}

// What poll says about a port that is gone: the far side hung up or the device was removed.
std::optional<std::string> Failure(short revents) {
  if (revents & POLLNVAL) {
    return "the port is closed";
  }
  if (revents & (POLLHUP | POLLERR)) {
    return "the port hung up (unplugged?)";
  }
  return std::nullopt;
}

}  // namespace

std::variant<SerialPort, std::string> SerialPort::Open(const std::string& path, int baud) {
  const speed_t speed = SpeedOf(baud);
  if (speed == B0) {
    return "no such baud rate: " + std::to_string(baud);
  }
  // Only a character device can be a serial port; anything else is refused before it is opened.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    return Reason(errno);
  }
  if (!S_ISCHR(status.st_mode)) {
    return std::string("it is not a serial device");
  }
  // O_NONBLOCK: opening a device that waits for a carrier must not hang.
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return Reason(errno);
  }
  SerialPort port(fd);
  if (!isatty(fd)) {
    return std::string("it is not a serial device");
  }
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) {
    return Reason(errno);
  }
  port.original_ = settings;
  cfmakeraw(&settings);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  cfsetispeed(&settings, speed);
  cfsetospeed(&settings, speed);
  if (tcsetattr(fd, TCSANOW, &settings) != 0) {
    return Reason(errno);
  }
  // What the board said before we opened it is no answer to anything we send.
  tcflush(fd, TCIFLUSH);
  return port;
}

SerialPort::SerialPort(SerialPort&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), original_(std::exchange(other.original_, std::nullopt)) {}

SerialPort::~SerialPort() {
  if (fd_ >= 0 && original_) {
    tcsetattr(fd_, TCSANOW, &*original_);
  }
  if (fd_ >= 0) {
    close(fd_);
  }
}

std::optional<std::string> SerialPort::Write(std::span<const std::uint8_t> bytes, int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!bytes.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(written));
      continue;
    }
    if (written < 0 && errno != EAGAIN && errno != EINTR) {
      return Reason(errno);
    }
    pollfd ready{fd_, POLLOUT, 0};
    const int left = RemainingMs(deadline);
    if (left == 0) {
      return "it took no bytes for " + std::to_string(timeout_ms) + " ms";
    }
    if (poll(&ready, 1, left) > 0) {
      if (std::optional<std::string> failure = Failure(ready.revents)) {
        return failure;
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> SerialPort::Drain(int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0) {
      return Reason(errno);
    }
    if (queued == 0) {
      return std::nullopt;
    }
    if (RemainingMs(deadline) == 0) {
      return "it sent nothing for " + std::to_string(timeout_ms) + " ms";
    }
    usleep(1000);
  }
}

std::variant<std::vector<std::uint8_t>, std::string> SerialPort::Read(int timeout_ms) {
  pollfd ready{fd_, POLLIN, 0};
  const int count = poll(&ready, 1, timeout_ms);
  if (count < 0) {
    if (errno == EINTR) {
      return std::vector<std::uint8_t>();
    }
    return Reason(errno);
  }
  if (count == 0) {
    return std::vector<std::uint8_t>();
  }
  if (!(ready.revents & POLLIN)) {
    return Failure(ready.revents).value_or("the port failed");
  }
  std::vector<std::uint8_t> bytes(256);
  const ssize_t got = read(fd_, bytes.data(), bytes.size());
  if (got < 0) {
    if (errno == EAGAIN || errno == EINTR) {
      return std::vector<std::uint8_t>();
    }
    return Reason(errno);
  }
  if (got == 0) {
    return std::string("the port hung up (unplugged?)");
  }
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

}  // namespace glyphgrid
