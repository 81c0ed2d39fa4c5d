#include "net/LineSocket.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace net {

void TCustomLineSocket::SetLineMode(bool on) {
  if (on == lineMode_) return;
  lineMode_ = on;
  if (!buffer_.empty() || lineLength_ > 0) PostMessageA(Handle(), WM_TRIGGER_DATA_AVAILABLE, 0, 0);
}

bool TCustomLineSocket::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TRIGGER_DATA_AVAILABLE) return TCustomSocksSocket::WndProc(msg, wParam, lParam);
  if (lineMode_) {
    ScanLines(0);
    return true;
  }
  // A handler that stops reading ends the delivery; the bytes stay buffered.
  while (!buffer_.empty()) {
    const size_t before = buffer_.size();
    if (!TriggerDataAvailable(0)) break;
    if (buffer_.size() >= before) break;
  }
  return true;
}

int TCustomLineSocket::GetRcvdCount() {
  if (lineMode_) return static_cast<int>(lineLength_);
  // Bytes kept from line mode come first.
  if (!buffer_.empty()) return static_cast<int>(buffer_.size());
  return TCustomSocksSocket::GetRcvdCount();
}

int TCustomLineSocket::DoRecv(void* buffer, int length, int flags) {
  size_t available = 0;
  if (lineMode_ && lineLength_ > 0)
    available = lineLength_;
  else if (!lineMode_ && !buffer_.empty())
    available = buffer_.size();
  else
    return TCustomSocksSocket::DoRecv(buffer, length, flags);
  if (length <= 0) return 0;
  const size_t n = std::min(available, static_cast<size_t>(length));
  std::memcpy(buffer, buffer_.data(), n);
  buffer_.erase(0, n);
  if (lineLength_ > 0) lineLength_ -= std::min(lineLength_, n);
  CountRead();
  return static_cast<int>(n);
}

void TCustomLineSocket::Echo(const std::string& text) {
  try {
    SendText(text);
  } catch (...) {
  }
}

void TCustomLineSocket::EditLine(const char* data, int length) {
  std::string echo;
  for (int i = 0; i < length; ++i) {
    const char c = data[i];
    if (c == '\b') {
      if (!buffer_.empty()) {
        buffer_.pop_back();
        if (lineEcho_) echo += "\b \b";
      }
    } else if (c == '\t') {
      do {
        buffer_ += ' ';
        if (lineEcho_) echo += ' ';
      } while (buffer_.size() % 8 != 0);
    } else {
      buffer_ += c;
      if (lineEcho_) echo += c;
    }
  }
  if (!echo.empty()) Echo(echo);
}

bool TCustomLineSocket::TriggerDataAvailable(std::uint16_t error) {
  if (!lineMode_ || lineEnd_.empty() || SocksState() != 0) return TCustomSocksSocket::TriggerDataAvailable(error);
  const size_t oldLength = buffer_.size();
  int waiting = 0;
  try {
    waiting = TCustomSocksSocket::GetRcvdCount();
  } catch (...) {
    waiting = 0;
  }
  if (waiting > 0) {
    std::vector<char> data(static_cast<size_t>(waiting));
    const int n = TCustomSocksSocket::DoRecv(data.data(), waiting, 0);
    if (n > 0) {
      if (lineEdit_) {
        EditLine(data.data(), n);
      } else {
        buffer_.append(data.data(), static_cast<size_t>(n));
        if (lineEcho_) Echo(std::string(data.data(), static_cast<size_t>(n)));
      }
    }
  }
  // A line end split over two reads is found by starting a little back.
  ScanLines(oldLength > lineEnd_.size() ? oldLength - lineEnd_.size() : 0);
  return true;
}

void TCustomLineSocket::ScanLines(size_t searchFrom) {
  while (lineMode_ && !buffer_.empty()) {
    const size_t pos = buffer_.find(lineEnd_, std::min(searchFrom, buffer_.size()));
    if (pos == std::string::npos) {
      // An endless line would grow the buffer without bound.
      if (buffer_.size() <= lineLimit_) return;
      if (OnLineTooLong) {
        auto handler = OnLineTooLong;
        handler();
      }
      DeliverLine(buffer_.size());
    } else {
      DeliverLine(pos + lineEnd_.size());
    }
    searchFrom = 0;
  }
}

void TCustomLineSocket::DeliverLine(size_t length) {
  lineLength_ = std::min(length, buffer_.size());
  while (lineMode_ && lineLength_ > 0) {
    const size_t before = lineLength_;
    const bool handled = TCustomSocksSocket::TriggerDataAvailable(0);
    // Without a handler, or with one that reads nothing, the line is dropped
    // rather than offered again and again.
    if (!handled || lineLength_ == before) {
      buffer_.erase(0, lineLength_);
      lineLength_ = 0;
    }
  }
  // Line mode switched off inside the handler: the rest is ordinary data.
  lineLength_ = 0;
}

void TCustomLineSocket::TriggerSessionClosed(std::uint16_t error) {
  if (lineMode_ && !buffer_.empty()) DeliverLine(buffer_.size());
  buffer_.clear();
  buffer_.shrink_to_fit();
  lineLength_ = 0;
  TCustomSocksSocket::TriggerSessionClosed(error);
}

}  // namespace net
