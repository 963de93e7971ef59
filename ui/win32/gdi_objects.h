// The GDI objects the windows use, each owned once for the whole program.
#pragma once

#include <windows.h>

#include <string>

#include "ui/backend.h"

namespace qv::ui {

class UniqueFont {
 public:
  UniqueFont() = default;
  explicit UniqueFont(HFONT font) : font_(font) {}
  ~UniqueFont() {
    if (font_) DeleteObject(font_);
  }
  UniqueFont(const UniqueFont&) = delete;
  UniqueFont& operator=(const UniqueFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

class UniqueBrush {
 public:
  explicit UniqueBrush(HBRUSH brush) : brush_(brush) {}
  ~UniqueBrush() {
    if (brush_) DeleteObject(brush_);
  }
  UniqueBrush(const UniqueBrush&) = delete;
  UniqueBrush& operator=(const UniqueBrush&) = delete;
  HBRUSH get() const { return brush_; }

 private:
  HBRUSH brush_ = nullptr;
};

// "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" at a 12-pixel character height in Shift-JIS, or the
// nearest installed Japanese face when they are missing.
class FontSet {
 public:
  FontSet();
  HFONT For(FontFace face) const { return face == FontFace::FixedPitch ? fixed_.get() : proportional_.get(); }
  static std::wstring ChooseFace(FontFace face);
  // Installed with the Shift-JIS character set.
  static bool Installed(const std::wstring& face);

 private:
  UniqueFont proportional_;
  UniqueFont fixed_;
};

}  // namespace qv::ui
