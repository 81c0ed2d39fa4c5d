#include "net/PageBodies.h"

#include <utility>

namespace net {

namespace {

bool SeekTo(std::FILE* file, std::uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

}  // namespace

TPageBodies::TPageBodies(size_t memoryBudget, std::string spillPath)
    : budget_(memoryBudget), spillPath_(std::move(spillPath)) {}

TPageBodies::~TPageBodies() {
  if (!spill_) return;
  std::fclose(spill_);
  std::remove(spillPath_.c_str());
}

void TPageBodies::Put(const std::string& url, std::string body, std::string contentType) {
  const auto old = entries_.find(url);
  if (old != entries_.end()) Forget(old);
  Entry entry;
  entry.contentType = std::move(contentType);
  if (inMemory_ + body.size() <= budget_) {
    inMemory_ += body.size();
    entry.body = std::move(body);
  } else if (!Spill(entry, body)) {
    return;
  }
  entries_.emplace(url, std::move(entry));
}

bool TPageBodies::Take(const std::string& url, std::string& body, std::string& contentType) {
  const auto it = entries_.find(url);
  if (it == entries_.end()) return false;
  Entry& entry = it->second;
  bool ok = true;
  if (entry.spilled) {
    body.assign(entry.length, '\0');
    ok = SeekTo(spill_, entry.offset) && std::fread(body.data(), 1, entry.length, spill_) == entry.length;
    if (!ok) body.clear();
  } else {
    inMemory_ -= entry.body.size();
    body = std::move(entry.body);
  }
  if (ok) contentType = std::move(entry.contentType);
  entries_.erase(it);
  return ok;
}

// The scratch file only grows: what was taken is not reused, a run's pages
// are read back once each.
bool TPageBodies::Spill(Entry& entry, const std::string& body) {
  if (spillPath_.empty() || spillBroken_) return false;
  if (!spill_) {
    spill_ = std::fopen(spillPath_.c_str(), "w+b");
    if (!spill_) {
      spillBroken_ = true;
      return false;
    }
  }
  if (!SeekTo(spill_, spillEnd_) || std::fwrite(body.data(), 1, body.size(), spill_) != body.size()) {
    // A full disk: the part written is never read, and nothing more goes
    // there; the pages not kept are fetched again.
    spillBroken_ = true;
    return false;
  }
  entry.spilled = true;
  entry.offset = spillEnd_;
  entry.length = body.size();
  spillEnd_ += body.size();
  return true;
}

void TPageBodies::Forget(std::unordered_map<std::string, Entry>::iterator it) {
  if (!it->second.spilled) inMemory_ -= it->second.body.size();
  entries_.erase(it);
}

}  // namespace net
