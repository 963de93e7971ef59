// The GDI objects the windows use, each owned once for the whole program.
#pragma once

#include <windows.h>

#include <string>

#include "ui/backend.h"

namespace qv::ui {

// Owns one GDI object; the system's stock objects are borrowed as plain handles instead.
template <typename Handle>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(Handle handle) : handle_(handle) {}
  ~UniqueGdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
  Handle get() const { return handle_; }

 private:
  Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

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
