#pragma once
// The title of a page as the scanner collects it. Every title tag of a page
// appends its text to the title so far, and the whole is normalised again:
// entities decoded and put back into their canonical form, then each pair of
// blanks made one. A page with thousands of title tags (icons carry one each)
// would so be reworked in full at every tag, in time that grows with the
// square of the tags.
//
// The title is kept instead as pieces that a normalisation treats each on its
// own: runs of blanks, characters that no entity can hold or join, and the
// stretches between them. Only the pieces that one more normalisation still
// changes are worked on again, so a page costs time in proportion to its
// length, and the text is the one that normalising the whole at every tag
// gives.
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class PageTitle {
 public:
  explicit PageTitle(bool tradeEntity) : tradeEntity_(tradeEntity) {}
  PageTitle(const PageTitle&) = delete;
  PageTitle& operator=(const PageTitle&) = delete;

  // The text of one more title tag, its line ends already blanks: the title
  // becomes the normalisation of the title so far followed by this text.
  void Add(std::string_view text);
  // Whether a title tag was met.
  bool Seen() const { return seen_; }
  std::string Text() const;

 private:
  enum class Kind : std::uint8_t { Fixed, Stretch, Blanks };
  struct Piece {
    Kind kind;
    std::string text;         // Fixed, Stretch
    std::size_t blanks = 0;   // Blanks
    std::ptrdiff_t slot = -1; // place in the worklist of its kind, -1 when in none
  };
  using Place = std::list<Piece>::iterator;

  void AppendRaw(std::string_view text);
  void Normalise();
  void ReplaceStretch(Place stretch, const std::string& image);
  void MergeBlanks(Place left, Place right);
  void Enqueue(std::vector<Place>& work, Place piece);
  void Dequeue(std::vector<Place>& work, Place piece);
  void AddBlanks(Place piece, std::size_t count);

  bool tradeEntity_;
  bool seen_ = false;
  std::list<Piece> pieces_;
  // Stretches the next normalisation may change, and runs of more than one
  // blank (every normalisation halves them).
  std::vector<Place> stretches_;
  std::vector<Place> runs_;
};

}  // namespace core
