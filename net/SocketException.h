#pragma once
// The socket component's error: its message, and the WinSock code when the
// error came from WinSock (0 for the component's own checks).
#include <stdexcept>
#include <string>

namespace net {

class ESocketException : public std::runtime_error {
 public:
  explicit ESocketException(const std::string& message, int code = 0)
      : std::runtime_error(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

}  // namespace net
