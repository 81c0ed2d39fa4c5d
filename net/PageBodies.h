#pragma once
// The pages a site walk has already fetched, kept for the index run of the
// same batch, so that no page crosses the network twice. Bodies stay in
// memory up to a budget; beyond it they go to a scratch file, and where that
// cannot be written they are not kept at all: the run then fetches them
// again, as it would without this store.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>

namespace net {

class TPageBodies {
 public:
  // spillPath: the scratch file for what exceeds memoryBudget (created on
  // first use, deleted with the store); empty: nothing beyond the budget is
  // kept.
  TPageBodies(size_t memoryBudget, std::string spillPath);
  ~TPageBodies();
  TPageBodies(const TPageBodies&) = delete;
  TPageBodies& operator=(const TPageBodies&) = delete;

  // Keeps the body and the reply's content type under the URL, replacing an
  // earlier one.
  void Put(const std::string& url, std::string body, std::string contentType);
  // Hands the page over and forgets it; false when it is not kept (or its
  // scratch copy cannot be read back).
  bool Take(const std::string& url, std::string& body, std::string& contentType);

  size_t BytesInMemory() const { return inMemory_; }
  std::uint64_t BytesSpilled() const { return spillEnd_; }

 private:
  struct Entry {
    std::string body;  // empty when spilled
    std::string contentType;
    bool spilled = false;
    std::uint64_t offset = 0;
    size_t length = 0;
  };

  bool Spill(Entry& entry, const std::string& body);
  void Forget(std::unordered_map<std::string, Entry>::iterator it);

  std::unordered_map<std::string, Entry> entries_;
  size_t budget_;
  size_t inMemory_ = 0;
  std::string spillPath_;
  std::FILE* spill_ = nullptr;
  bool spillBroken_ = false;
  std::uint64_t spillEnd_ = 0;
};

}  // namespace net
