#include "net/SockBuf.h"

#include <algorithm>
#include <cstring>

namespace net {

TBuffer::TBuffer(int size) { SetSize(size); }

void TBuffer::SetSize(int size) {
  if (size <= 0) size = kDefaultSize;
  if (size == size_ && data_) return;
  auto block = std::make_unique<char[]>(static_cast<size_t>(size));
  if (writeCount_ != readCount_) {
    // Shrinking must not write past the new block: keep what fits.
    writeCount_ = std::min(writeCount_, size);
    readCount_ = std::min(readCount_, writeCount_);
    std::memcpy(block.get(), data_.get(), static_cast<size_t>(writeCount_));
  } else {
    writeCount_ = readCount_ = 0;
  }
  data_ = std::move(block);
  size_ = size;
}

int TBuffer::Write(const void* data, int length) {
  const int free = size_ - writeCount_;
  if (free <= 0 || length <= 0) return 0;
  const int n = std::min(free, length);
  std::memcpy(data_.get() + writeCount_, data, static_cast<size_t>(n));
  writeCount_ += n;
  return n;
}

const char* TBuffer::Peek(int& length) const {
  length = writeCount_ - readCount_;
  if (length > 0) return data_.get() + readCount_;
  length = 0;
  return nullptr;
}

int TBuffer::Remove(int n) {
  const int pending = writeCount_ - readCount_;
  const int removed = std::clamp(n, 0, pending);
  readCount_ += removed;
  if (readCount_ == writeCount_) readCount_ = writeCount_ = 0;
  return removed;
}

}  // namespace net
