#include "tests/gallery/LayoutCheck.h"

#include <algorithm>

namespace gallery {

namespace {

std::string Text(const Rect& r) {
  std::string text = "(";
  text += std::to_string(r.left) + "," + std::to_string(r.top) + ")-(";
  text += std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
  return text;
}

bool Within(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Rectangles that only touch share no pixel: right and bottom are exclusive.
bool Intersect(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) && std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

bool StandsOn(const Placed& top, const Placed& under) { return under.backdrop && Within(top.bounds, under.bounds); }

}  // namespace

std::vector<std::string> CheckPlacement(const std::vector<Placed>& windows) {
  std::vector<std::string> faults;
  const auto size = static_cast<int>(windows.size());
  for (int i = 0; i < size; ++i) {
    const Placed& w = windows[i];
    if (!w.checked || !w.shown) continue;
    if (w.parent >= 0 && w.parent < size) {
      const Placed& holder = windows[w.parent];
      if (!Within(w.bounds, holder.inner))
        faults.push_back(w.name + " " + Text(w.bounds) + " ragt aus " + holder.name + " " + Text(holder.inner) +
                         " heraus");
    }
    const int width = w.bounds.right - w.bounds.left;
    const int height = w.bounds.bottom - w.bounds.top;
    if (w.needWidth > width || w.needHeight > height)
      faults.push_back(w.name + ": der Text braucht " + std::to_string(w.needWidth) + "x" +
                       std::to_string(w.needHeight) + ", hat aber nur " + std::to_string(width) + "x" +
                       std::to_string(height));
    if (w.captionNeed > w.captionRoom)
      faults.push_back(w.name + ": die Titelleiste braucht " + std::to_string(w.captionNeed) +
                       " Punkte für ihren Text, hat aber nur " + std::to_string(w.captionRoom));
    for (int j = i + 1; j < size; ++j) {
      const Placed& v = windows[j];
      if (!v.checked || !v.shown || v.parent != w.parent) continue;
      if (!Intersect(w.bounds, v.bounds) || StandsOn(w, v) || StandsOn(v, w)) continue;
      faults.push_back(w.name + " " + Text(w.bounds) + " und " + v.name + " " + Text(v.bounds) +
                       " liegen aufeinander");
    }
  }
  return faults;
}

}  // namespace gallery
