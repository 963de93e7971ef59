// The GDI objects the windows use, each owned once for the whole program.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <type_traits>

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

using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&DestroyIcon)>;

// The faces the windows use, made once per style at the screen's dpi and kept for the
// program: "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" in Shift-JIS, or the nearest installed
// Japanese face when they are missing, and "Times New Roman" in the Western set.
class FontSet {
 public:
  explicit FontSet(int dpi) : dpi_(dpi) {}
  HFONT For(const FontStyle& style);
  static std::wstring ChooseFace(FontFace face);
  static bool Installed(const std::wstring& face, BYTE charset = SHIFTJIS_CHARSET);

 private:
  int dpi_;
  std::map<FontStyle, std::unique_ptr<UniqueFont>> fonts_;
};

}  // namespace qv::ui
