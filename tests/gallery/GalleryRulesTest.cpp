// The gallery's rules on measured windows, and its picture files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gallery/LayoutCheck.h"
#include "tests/gallery/PngFile.h"

namespace {

using gallery::Placed;
using gallery::Rect;

// A form of 300x200 with a group box (index 1) whose caption takes 13 pixels.
std::vector<Placed> Form(std::vector<Placed> controls) {
  std::vector<Placed> all{{.name = "Form", .bounds = {0, 0, 300, 200}, .inner = {0, 0, 300, 200}},
                          {.name = "grp", .parent = 0, .bounds = {150, 0, 300, 100}, .inner = {2, 13, 148, 98}}};
  all.insert(all.end(), controls.begin(), controls.end());
  return all;
}

Placed At(std::string name, int parent, Rect bounds) {
  return {.name = std::move(name), .parent = parent, .bounds = bounds, .inner = {0, 0, 0, 0}};
}

struct Case {
  const char* what;
  std::vector<Placed> controls;
  size_t faults;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class Placement : public testing::TestWithParam<Case> {};

TEST_P(Placement, Faults) {
  const auto faults = gallery::CheckPlacement(Form(GetParam().controls));
  EXPECT_EQ(faults.size(), GetParam().faults) << GetParam().what << (faults.empty() ? "" : ": " + faults[0]);
}

Placed Hidden(Placed p) {
  p.shown = false;
  return p;
}
Placed Backdrop(Placed p) {
  p.backdrop = true;
  return p;
}
Placed Inner(Placed p) {
  p.checked = false;
  return p;
}
Placed Caption(Placed p, int need, int room) {
  p.captionNeed = need;
  p.captionRoom = room;
  return p;
}
Placed Needs(Placed p, int width, int height) {
  p.needWidth = width;
  p.needHeight = height;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Placement,
    testing::Values(
        Case{"inside, side by side", {At("a", 0, {10, 10, 100, 23}), At("b", 0, {100, 10, 140, 23})}, 0},
        Case{"touching the edge of the client area", {At("a", 0, {0, 187, 300, 200})}, 0},
        Case{"beyond the right edge", {At("a", 0, {250, 150, 301, 163})}, 1},
        Case{"beyond the bottom", {At("a", 0, {10, 190, 50, 210})}, 1},
        Case{"left of the client area", {At("a", 0, {-1, 10, 50, 23})}, 1},
        Case{"overlapping siblings", {At("a", 0, {10, 10, 100, 23}), At("b", 0, {90, 20, 140, 40})}, 1},
        Case{"a control inside the group box", {At("c", 1, {12, 20, 140, 37})}, 0},
        Case{"a control on the group box's caption", {At("c", 1, {12, 5, 140, 22})}, 1},
        Case{"a control on the group box, not in it", {At("c", 0, {160, 20, 290, 37})}, 1},
        Case{"controls of different containers", {At("c", 1, {12, 20, 140, 37}), At("d", 0, {12, 20, 140, 37})}, 0},
        Case{"a hidden sibling", {At("a", 0, {10, 10, 100, 23}), Hidden(At("b", 0, {10, 10, 100, 23}))}, 0},
        Case{"a hidden control out of place", {Hidden(At("a", 0, {250, 10, 400, 23}))}, 0},
        Case{"a label wholly on a picture", {Backdrop(At("img", 0, {0, 0, 100, 100})), At("l", 0, {10, 10, 90, 23})}, 0},
        Case{"a label partly on a picture", {Backdrop(At("img", 0, {0, 0, 100, 100})), At("l", 0, {10, 90, 90, 103})}, 1},
        Case{"a control's own windows", {At("a", 0, {10, 10, 100, 30}), Inner(At("edit", 0, {10, 10, 100, 30}))}, 0},
        Case{"text that fits", {Needs(At("l", 0, {10, 10, 100, 23}), 90, 13)}, 0},
        Case{"text too wide", {Needs(At("l", 0, {10, 10, 100, 23}), 91, 13)}, 1},
        Case{"wrapped text too tall", {Needs(At("l", 0, {10, 10, 100, 23}), 80, 26)}, 1},
        Case{"a caption that fits its title bar", {Caption(At("f", 0, {0, 0, 10, 10}), 120, 120)}, 0},
        Case{"a caption cut off by the buttons", {Caption(At("f", 0, {0, 0, 10, 10}), 121, 120)}, 1}));

// Checked against a decoder once: signature, IHDR, one stored block holding
// the rows with their filter bytes, Adler-32, IEND.
TEST(Png, TwoByTwoPicture) {
  const std::string rgb("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12);
  const std::string expected(
      "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00\x02"
      "\x08\x02\x00\x00\x00\xFD\xD4\x9A\x73\x00\x00\x00\x19\x49\x44\x41\x54\x78\x01\x01\x0E\x00\xF1\xFF"
      "\x00\xFF\x00\x00\x00\xFF\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x1F\xEE\x05\xFB\xDE\xDD\xEC\x2B\x00\x00"
      "\x00\x00\x49\x45\x4E\x44\xAE\x42\x60\x82",
      82);
  EXPECT_EQ(gallery::EncodePng(2, 2, rgb), expected);
}

TEST(Png, RowsLongerThanOneStoredBlock) {
  // 200x120 pixels: 72,120 bytes of rows, two stored blocks.
  const std::string rgb(200 * 120 * 3, '\x7F');
  const std::string png = gallery::EncodePng(200, 120, rgb);
  EXPECT_EQ(png.size(), 8 + 25 + 12 + (2 + 5 + 65535 + 5 + (72120 - 65535) + 4) + 12);
  EXPECT_THROW(gallery::EncodePng(2, 2, rgb), std::invalid_argument);
}

}  // namespace
