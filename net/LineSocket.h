#pragma once
// Line mode: received data is buffered and handed to the data event one line
// at a time, with optional echo and simple line editing for terminal peers.
#include <string>

#include "net/SocksSocket.h"

namespace net {

// Delivers buffered data after a change of line mode.
inline constexpr UINT WM_TRIGGER_DATA_AVAILABLE = WM_USER + 20;

class TCustomLineSocket : public TCustomSocksSocket {
 public:
  // Past this many buffered bytes without a line end, OnLineTooLong fires and
  // the bytes are delivered as a line of their own.
  static constexpr size_t kDefaultLineLimit = 65536;

  bool LineMode() const { return lineMode_; }
  virtual void SetLineMode(bool on);
  const std::string& LineEnd() const { return lineEnd_; }
  void SetLineEnd(const std::string& value) { lineEnd_ = value; }
  bool LineEcho() const { return lineEcho_; }
  void SetLineEcho(bool on) { lineEcho_ = on; }
  bool LineEdit() const { return lineEdit_; }
  void SetLineEdit(bool on) { lineEdit_ = on; }
  size_t LineLimit() const { return lineLimit_; }
  void SetLineLimit(size_t bytes) { lineLimit_ = bytes; }

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  int GetRcvdCount() override;
  int DoRecv(void* buffer, int length, int flags) override;
  bool TriggerDataAvailable(std::uint16_t error) override;
  void TriggerSessionClosed(std::uint16_t error) override;
  virtual void EditLine(const char* data, int length);

 private:
  void ScanLines(size_t searchFrom);
  void DeliverLine(size_t length);
  void Echo(const std::string& text);

  // Received bytes not handed out yet; the line being delivered is its first
  // lineLength_ bytes.
  std::string buffer_;
  size_t lineLength_ = 0;
  std::string lineEnd_ = "\r\n";
  bool lineMode_ = false;
  bool lineEcho_ = false;
  bool lineEdit_ = false;
  size_t lineLimit_ = kDefaultLineLimit;
};

}  // namespace net
