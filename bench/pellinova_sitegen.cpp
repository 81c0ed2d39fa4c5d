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

namespace {

constexpr std::uint64_t kSeed = 0x5EED2024;
constexpr std::size_t kPageBytes = 8 * 1024;
constexpr int kPagesPerFolder = 100;

// splitmix64: the same site on every machine.
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

const char* const kSyllables[] = {
    "ge", "be", "ver", "zer", "an", "auf", "aus", "ein", "haus", "stadt", "land", "wald", "berg", "bahn",
    "stra", "\xDF" "e", "hof", "m\xFC" "hl", "bau", "werk", "zeit", "ung", "keit", "heit", "schaft", "lich",
    "isch", "en", "er", "el", "sch\xF6n", "gr\xFC" "n", "fl\xE4" "ch", "wein", "brot", "feld", "see", "fluss",
    "markt", "platz", "tor", "turm", "kirch", "schul", "rat", "post", "amt", "kraft", "wag", "fahr", "weg",
    "ziel", "spiel", "lehr", "lern", "b\xFC" "ch", "schrift", "t\xE4" "g", "ufer", "boot", "ruder", "segel",
};
// Words of the shipped templates' stop-word lists, as real pages have them.
const char* const kStopWords[] = {"der", "die", "das", "und", "oder", "aber", "nicht", "mit", "von", "auf",
                                  "ist", "sind", "ein", "eine", "dem", "den", "des", "im", "in", "zu"};
const char* const kEntityWords[] = {"M&uuml;ller", "Stra&szlig;e", "K&auml;se", "&Ouml;l", "Gr&ouml;&szlig;e"};

std::vector<std::string> MakeVocabulary(Random& random, std::size_t size) {
  std::vector<std::string> words;
  words.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    std::string word;
    const std::size_t parts = 2 + random.Below(3);
    for (std::size_t p = 0; p < parts; ++p) word += kSyllables[random.Below(std::size(kSyllables))];
    if (random.Below(10) < 4) word[0] = static_cast<char>(word[0] - 32);  // nouns are capitalised
    words.push_back(std::move(word));
  }
  return words;
}

// A few words are frequent, most are rare.
const std::string& Word(Random& random, const std::vector<std::string>& vocabulary) {
  const double u = random.Unit();
  return vocabulary[static_cast<std::size_t>(u * u * u * static_cast<double>(vocabulary.size()))];
}

void AppendWords(std::string& page, Random& random, const std::vector<std::string>& vocabulary, int count,
                 const char* separator) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) page += separator;
    page += Word(random, vocabulary);
  }
}

std::string MakePage(Random& random, const std::vector<std::string>& vocabulary) {
  std::string page = "<html><head><title>";
  AppendWords(page, random, vocabulary, 3 + static_cast<int>(random.Below(4)), " ");
  page += "</title>\r\n<meta name=\"description\" content=\"";
  AppendWords(page, random, vocabulary, 10 + static_cast<int>(random.Below(10)), " ");
  page += ".\">\r\n<meta name=\"keywords\" content=\"";
  AppendWords(page, random, vocabulary, 5, ", ");
  page += "\">\r\n</head><body>\r\n<h1>";
  AppendWords(page, random, vocabulary, 4, " ");
  page += "</h1>\r\n<p>";
  while (page.size() < kPageBytes - 200) {
    const std::size_t kind = random.Below(100);
    if (kind < 30) page += kStopWords[random.Below(std::size(kStopWords))];
    else if (kind < 32) page += kEntityWords[random.Below(std::size(kEntityWords))];
    else if (kind < 33) page += std::to_string(1900 + random.Below(130));
    else if (kind < 34) page += "<b>" + Word(random, vocabulary) + "</b>";
    else page += Word(random, vocabulary);
    const std::size_t punctuation = random.Below(40);
    page += punctuation == 0 ? ".</p>\r\n<p>" : punctuation == 1 ? ", " : punctuation == 2 ? ".\r\n" : " ";
  }
  page += "</p>\r\n<img src=\"bild.gif\" alt=\"";
  AppendWords(page, random, vocabulary, 3, " ");
  page += "\">\r\n</body></html>\r\n";
  return page;
}

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
  Random random(kSeed);
  const std::vector<std::string> vocabulary = MakeVocabulary(random, 30000);
  CreateDirectoryA(folder.c_str(), nullptr);
  std::uint64_t total = 0;
  for (int i = 0; i < pages; ++i) {
    const std::string sub = folder + "\\bereich" + std::to_string(i / kPagesPerFolder);
    if (i % kPagesPerFolder == 0) CreateDirectoryA(sub.c_str(), nullptr);
    const std::string page = MakePage(random, vocabulary);
    if (!WritePage(sub + "\\seite" + std::to_string(i) + ".htm", page)) {
      std::fprintf(stderr, "cannot write page %d\n", i);
      return 1;
    }
    total += page.size();
  }
  std::printf("%d pages, %llu bytes\n", pages, static_cast<unsigned long long>(total));
  return 0;
}
