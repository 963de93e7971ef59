#include "ui/win32/gdi_objects.h"

namespace qv::ui {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

BYTE CharsetOf(FontFace face) { return face == FontFace::Serif ? ANSI_CHARSET : SHIFTJIS_CHARSET; }

}  // namespace

bool FontSet::Installed(const std::wstring& face, BYTE charset) {
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::wstring FontSet::ChooseFace(FontFace face) {
  static const wchar_t* const proportional[] = {L"ＭＳ Ｐゴシック", L"MS PGothic", L"IPAPGothic", L"IPAPゴシック"};
  static const wchar_t* const fixed[] = {L"ＭＳ ゴシック", L"MS Gothic", L"IPAGothic", L"IPAゴシック"};
  static const wchar_t* const serif[] = {L"Times New Roman", L"Liberation Serif", L"DejaVu Serif", L"Times New Roman"};
  const auto& candidates = face == FontFace::FixedPitch ? fixed : face == FontFace::Serif ? serif : proportional;
  for (const wchar_t* candidate : candidates) {
    if (Installed(candidate, CharsetOf(face))) return candidate;
  }
  return candidates[0];  // the font mapper picks the nearest face of the set
}

HFONT FontSet::For(const FontStyle& style) {
  auto& font = fonts_[style];
  if (!font) {
    font = std::make_unique<UniqueFont>(CreateFontW(
        -MulDiv(style.height, dpi_, 96), 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
        CharsetOf(style.face), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        ChooseFace(style.face).c_str()));
  }
  return font->get();
}

}  // namespace qv::ui
