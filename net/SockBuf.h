#pragma once
// One block of a socket's send queue: bytes are written at the end and sent
// from the front; a block is reused once everything in it went out.
#include <memory>

namespace net {

class TBuffer {
 public:
  // A size of 0 or less takes the default block size.
  static constexpr int kDefaultSize = 1514;

  explicit TBuffer(int size);
  TBuffer(const TBuffer&) = delete;
  TBuffer& operator=(const TBuffer&) = delete;

  int Size() const { return size_; }
  // Resizes the block, keeping the stored bytes that still fit.
  void SetSize(int size);

  // Stores what fits of data; returns the count stored.
  int Write(const void* data, int length);
  // The first unsent byte and the count pending; nullptr and 0 when none.
  const char* Peek(int& length) const;
  // Drops up to n sent bytes from the front; returns the count dropped.
  int Remove(int n);

 private:
  std::unique_ptr<char[]> data_;
  int size_ = 0;
  int writeCount_ = 0;
  int readCount_ = 0;
};

}  // namespace net
