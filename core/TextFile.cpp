#include "core/TextFile.h"

namespace core {

namespace {
constexpr std::size_t kBlock = 64 * 1024;
}

// --- TextReader --------------------------------------------------------------

void TextReader::Open(const std::string& path) {
  file_.OpenRead(path);
  buffer_.clear();
  pos_ = 0;
  line_.clear();
  skipLf_ = false;
}

bool TextReader::Fill() {
  for (;;) {
    if (pos_ == buffer_.size()) {
      buffer_.resize(kBlock);
      const std::size_t n = file_.Read(buffer_.data(), buffer_.size());
      buffer_.resize(n);
      pos_ = 0;
      if (n == 0) return false;
    }
    if (skipLf_) {
      skipLf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    return true;
  }
}

bool TextReader::Eof() { return line_.empty() && !Fill(); }

std::string TextReader::ReadLine() {
  while (Fill()) {
    const std::size_t end = buffer_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) {
      line_.append(buffer_, pos_, std::string::npos);
      pos_ = buffer_.size();
      continue;
    }
    line_.append(buffer_, pos_, end - pos_);
    skipLf_ = buffer_[end] == '\r';
    pos_ = end + 1;
    break;
  }
  std::string line;
  line.swap(line_);
  return line;
}

void TextReader::Close() { file_.Close(); }

// --- TextWriter --------------------------------------------------------------

void TextWriter::Rewrite(const std::string& path) {
  file_.Begin(path);
  buffer_.clear();
  written_ = 0;
  lineBuffered_ = false;
}

void TextWriter::WriteLine(std::string_view line) {
  if (!lineBuffered_) {
    buffer_.append(line);
    buffer_.append("\r\n");
    lineBuffered_ = true;
  }
  if (buffer_.size() >= kBlock) Flush();
  lineBuffered_ = false;
}

void TextWriter::Flush() {
  while (written_ < buffer_.size()) {
    const std::size_t n = file_.File().Write(buffer_.data() + written_, buffer_.size() - written_);
    written_ += n;
    // A short write means the disk is full; what did reach the file stays
    // written, and a retry writes only the rest.
    if (n == 0 || written_ < buffer_.size()) throw platform::EInOutError(platform::kErrorDiskFull);
  }
  buffer_.clear();
  written_ = 0;
}

void TextWriter::Close() {
  if (!file_.File().IsOpen()) return;
  Flush();
  file_.Close();
}

void TextWriter::Commit() {
  Close();
  file_.Commit();
}

}  // namespace core
