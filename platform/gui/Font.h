#pragma once
// Fonts: an owning, move-only wrapper, and the font a stored layout describes.
#include <windows.h>

#include "platform/gui/FormLayout.h"

namespace platform {

class OwnedFont {
 public:
  OwnedFont() = default;
  explicit OwnedFont(HFONT font) : font_(font) {}
  ~OwnedFont() { Reset(); }
  OwnedFont(OwnedFont&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  OwnedFont& operator=(OwnedFont&& other) noexcept {
    if (this != &other) {
      Reset();
      font_ = other.font_;
      other.font_ = nullptr;
    }
    return *this;
  }
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;

  HFONT Get() const { return font_; }
  void Reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
  }

 private:
  HFONT font_ = nullptr;
};

// The font of a layout at the screen's resolution.
OwnedFont CreateLayoutFont(const LayoutFont& font);

}  // namespace platform
