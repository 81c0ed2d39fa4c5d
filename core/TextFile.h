#pragma once
// Text files read and written line by line, as the index run copies its
// template: lines end in CR, LF or CRLF when read and in CRLF when written.
// Both go through a block buffer; every step throws EInOutError, and a step
// that throws can simply be called again (the retry question does that):
// nothing read or written is lost or doubled.
#include <string>
#include <string_view>

#include "platform/base/Files.h"

namespace core {

class TextReader {
 public:
  void Open(const std::string& path);
  // True when no line is left. May read from the file.
  bool Eof();
  // The next line without its line end; "" at the end of the file.
  std::string ReadLine();
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }

 private:
  // Makes at least one unread byte available; false at the end of the file.
  bool Fill();

  platform::TFile file_;
  std::string buffer_;
  std::size_t pos_ = 0;
  std::string line_;       // the part of a line read before a step failed
  bool skipLf_ = false;    // the last line ended in CR: a following LF belongs to it
};

// The file written replaces path whole or not at all (platform::TReplacement):
// until Commit, path stays as it was, and a writer destroyed uncommitted
// deletes what it wrote.
class TextWriter {
 public:
  // Begins the new file of path.
  void Rewrite(const std::string& path);
  // Writes the line and CRLF. Called again after it threw, with the same
  // line, it goes on where it stopped.
  void WriteLine(std::string_view line);
  // Writes what is buffered and closes the new file.
  void Close();
  // Puts the new file in path's place, closing it first if need be.
  void Commit();
  const std::string& Path() const { return file_.Path(); }

 private:
  void Flush();

  platform::TReplacement file_;
  std::string buffer_;
  std::size_t written_ = 0;  // bytes of buffer_ already in the file
  bool lineBuffered_ = false;
};

}  // namespace core
