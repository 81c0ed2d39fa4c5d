#pragma once
// Where the index run gets the text of a page from. Corvanta fetches the page
// over HTTP and treats a failed fetch as an empty page, silently; Pellinova
// reads a local file and asks the retry question. Tests and the benchmark hand
// pages over from memory.
#include <string>
#include <unordered_map>
#include <utility>

namespace core {

// The most of one page that a run reads: what the HTTP client takes of a
// fetched body. A local file beyond it is read that far; the rest is ignored.
inline constexpr long long kPageSizeLimit = 64LL * 1024 * 1024;

class PageSource {
 public:
  virtual ~PageSource() = default;

  // The whole text of the page at `position` in the project, whose address
  // (URL, or path relative to the source folder) is `address`. A page that
  // cannot be had is returned empty. A source that asks the user may set
  // abort when told to give up; the run then ends before the page is parsed.
  virtual std::string ReadPage(int position, const std::string& address, bool& abort) = 0;
  // The text of a page the run is done with. A source may read the next page
  // into its buffer: memory the process has touched once costs far less than
  // fresh memory, under Wine above all.
  virtual void Recycle(std::string /*text*/) {}
  // Whether a page comes at once (a local file), so that the progress window
  // need not name each page while it is read.
  virtual bool QuickToRead() const { return false; }
};

// Pages held in memory, by address; an unknown address is an empty page, as a
// failed fetch is.
class MemoryPageSource : public PageSource {
 public:
  void Put(const std::string& address, std::string text) { pages_[address] = std::move(text); }

  std::string ReadPage(int, const std::string& address, bool&) override {
    const auto it = pages_.find(address);
    return it == pages_.end() ? std::string() : it->second;
  }

 private:
  std::unordered_map<std::string, std::string> pages_;
};

}  // namespace core
