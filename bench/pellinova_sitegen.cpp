// Writes a synthetic site for the benchmark of Pellinova's batch run: pages of
// about 8 KB of German-like HTML each, from a fixed seed, a hundred to a
// folder, with a few stop words, entities, numbers, tags and META data.
//
//   pellinova_sitegen FOLDER PAGES
//
// The pages go to FOLDER\bereichNN\seiteNNNNN.htm; the total of their bytes
// is printed.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/SyntheticSite.h"

namespace {

constexpr std::uint64_t kSeed = 0x5EED2024;
constexpr int kPagesPerFolder = 100;

bool WritePage(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(h);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pellinova_sitegen FOLDER PAGES\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int pages = std::atoi(argv[2]);
  sitegen::Random random(kSeed);
  const std::vector<std::string> vocabulary = sitegen::Vocabulary(random, 30000);
  CreateDirectoryA(folder.c_str(), nullptr);
  std::uint64_t total = 0;
  for (int i = 0; i < pages; ++i) {
    const std::string sub = folder + "\\bereich" + std::to_string(i / kPagesPerFolder);
    if (i % kPagesPerFolder == 0) CreateDirectoryA(sub.c_str(), nullptr);
    const std::string page = sitegen::Page(random, vocabulary);
    if (!WritePage(sub + "\\seite" + std::to_string(i) + ".htm", page)) {
      std::fprintf(stderr, "cannot write page %d\n", i);
      return 1;
    }
    total += page.size();
  }
  std::printf("%d pages, %llu bytes\n", pages, static_cast<unsigned long long>(total));
  return 0;
}
