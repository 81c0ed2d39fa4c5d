#include "tests/support/SyntheticSite.h"

namespace sitegen {

namespace {

const char* const kSyllables[] = {
    "ge", "be", "ver", "zer", "an", "auf", "aus", "ein", "haus", "stadt", "land", "wald", "berg", "bahn",
    "stra", "\xDF" "e", "hof", "m\xFC" "hl", "bau", "werk", "zeit", "ung", "keit", "heit", "schaft", "lich",
    "isch", "en", "er", "el", "sch\xF6n", "gr\xFC" "n", "fl\xE4" "ch", "k\xFC" "ch", "bl\xFC" "t", "wein",
    "brot", "feld", "see", "fluss", "markt", "platz", "tor", "turm", "kirch", "schul", "rat", "post", "amt",
    "kraft", "wag", "fahr", "weg", "ziel", "spiel", "lehr", "lern", "b\xFC" "ch", "w\xF6rt", "schrift", "t\xE4" "g",
};
const char* const kEntityWords[] = {"M&uuml;ller", "Stra&szlig;e", "K&auml;se", "&Ouml;l", "Gr&ouml;&szlig;e"};

const std::string& Word(Random& random, const std::vector<std::string>& vocabulary) {
  const double u = random.Unit();
  return vocabulary[static_cast<std::size_t>(u * u * u * static_cast<double>(vocabulary.size()))];
}

}  // namespace

std::vector<std::string> Vocabulary(Random& random, std::size_t size) {
  std::vector<std::string> words;
  words.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    std::string word;
    const std::size_t parts = 2 + random.Below(3);
    for (std::size_t p = 0; p < parts; ++p) word += kSyllables[random.Below(std::size(kSyllables))];
    if (random.Below(10) < 4 && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 32);
    words.push_back(std::move(word));
  }
  return words;
}

const std::vector<std::string>& StopWords() {
  static const std::vector<std::string> words = {
      "der", "die", "das", "und", "oder", "aber", "nicht", "mit", "von", "f\xFCr", "auf", "aus", "bei", "nach",
      "ist", "sind", "war", "wird", "werden", "ein", "eine", "einer", "eines", "dem", "den", "des", "im", "in",
      "zu", "zum", "zur", "als", "auch", "noch", "nur", "sich", "sie", "wir", "ihr", "ich", "es", "er", "man",
      "wie", "was", "wer", "wo", "wenn", "dass", "so", "sehr", "hier", "dort", "alle", "viele", "mehr",
  };
  return words;
}

std::string Words(Random& random, const std::vector<std::string>& vocabulary, int count, const char* separator) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += separator;
    text += Word(random, vocabulary);
  }
  return text;
}

std::string Page(Random& random, const std::vector<std::string>& vocabulary, const PageShape& shape) {
  const std::vector<std::string>& stopWords = StopWords();
  std::string page = "<html><head><title>" + Words(random, vocabulary, 3 + static_cast<int>(random.Below(4)));
  page += "</title>\r\n<meta name=\"description\" content=\"";
  page += Words(random, vocabulary, 10 + static_cast<int>(random.Below(10)));
  page += ".\">\r\n<meta name=\"keywords\" content=\"" + Words(random, vocabulary, 5, ", ");
  page += "\">\r\n</head><body>\r\n";
  if (shape.number >= 0) page += "<!-- Seite " + std::to_string(shape.number) + " -->\r\n";
  for (const std::string& link : shape.navigation)
    page += "<a href=\"" + link + "\">" + Words(random, vocabulary, 1) + "</a>\r\n";
  page += "<h1>" + Words(random, vocabulary, 4) + "</h1>\r\n<p>";
  while (page.size() + 200 < shape.bytes) {
    const std::size_t kind = random.Below(100);
    if (kind < 35) {
      page += stopWords[random.Below(stopWords.size())];
    } else if (kind < 37) {
      page += kEntityWords[random.Below(std::size(kEntityWords))];
    } else if (kind < 38) {
      page += std::to_string(1900 + random.Below(130));
    } else if (kind < 39) {
      page += "<b>" + Word(random, vocabulary) + "</b>";
    } else if (kind < 40 && shape.textLink) {
      page += "<a href=\"" + shape.textLink(random) + "\">" + Word(random, vocabulary) + "</a>";
    } else if (kind < 41) {
      page += "E-Mail";
    } else {
      page += Word(random, vocabulary);
    }
    const std::size_t punctuation = random.Below(40);
    page += punctuation == 0 ? ".</p>\r\n<p>" : punctuation == 1 ? ", " : punctuation == 2 ? ".\r\n" : " ";
  }
  page += "</p>\r\n<img src=\"bild.gif\" alt=\"" + Words(random, vocabulary, 3) + "\">\r\n</body></html>\r\n";
  return page;
}

}  // namespace sitegen
