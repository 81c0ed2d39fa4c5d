#pragma once
// The streams the HTTP client reads a POST body from and writes a received
// document to.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace net {

class TStream {
 public:
  virtual ~TStream() = default;
  // Returns the count read (0 at the end) / written.
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  virtual std::int64_t Size() const = 0;
  // The size the writer announces before writing: a stream may make room
  // for it at once instead of growing, and copying, block by block.
  virtual void ExpectSize(std::int64_t) {}
};

// A stream in memory; reading starts at the front.
class TMemoryStream : public TStream {
 public:
  int Read(void* buffer, int count) override {
    const size_t n = std::min(data_.size() - pos_, static_cast<size_t>(std::max(count, 0)));
    std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return static_cast<int>(n);
  }
  int Write(const void* buffer, int count) override {
    if (count <= 0) return 0;
    data_.append(static_cast<const char*>(buffer), static_cast<size_t>(count));
    return count;
  }
  std::int64_t Size() const override { return static_cast<std::int64_t>(data_.size()); }
  void ExpectSize(std::int64_t size) override {
    if (size > 0) data_.reserve(data_.size() + static_cast<size_t>(size));
  }

  const std::string& Data() const { return data_; }
  // Hands the contents over without a copy; the stream is empty afterwards.
  std::string TakeData() {
    pos_ = 0;
    return std::exchange(data_, {});
  }
  void SetData(std::string data) {
    data_ = std::move(data);
    pos_ = 0;
  }

 private:
  std::string data_;
  size_t pos_ = 0;
};

}  // namespace net
