#pragma once
// The synthetic site of the benchmarks: German-like pages in code page 1252
// from a fixed seed, the same on every machine, with the stop words,
// entities, numbers, tags, links and META data that real pages bring.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sitegen {

// splitmix64: small, fast, and the same sequence everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

 private:
  std::uint64_t state_;
};

// size words of two to four syllables; about four in ten are capitalised.
std::vector<std::string> Vocabulary(Random& random, std::size_t size);
// Words of the shipped templates' stop-word lists, as pages have them.
const std::vector<std::string>& StopWords();

// count words of the vocabulary (a few frequent, most rare), separated.
std::string Words(Random& random, const std::vector<std::string>& vocabulary, int count,
                  const char* separator = " ");

struct PageShape {
  std::size_t bytes = 8 * 1024;  // about this long
  int number = -1;               // written into a comment when not negative
  // Links at the top of the page, in this order (a site walker's road).
  std::vector<std::string> navigation = {};
  // Where a link inside the text leads; none inside the text without it.
  std::function<std::string(Random&)> textLink = {};
};

// A page: title, META description and keywords, a heading, paragraphs of
// words with stop words, entities, numbers, bold words and links, and an
// image with an alternative text.
std::string Page(Random& random, const std::vector<std::string>& vocabulary, const PageShape& shape = {});

}  // namespace sitegen
