#include "ui/win32/gdi_objects.h"

namespace qv::ui {
namespace {

constexpr int kCharacterHeight = 12;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

HFONT MakeFont(const std::wstring& face) {
  return CreateFontW(-kCharacterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace

bool FontSet::Installed(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
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
  const auto& candidates = face == FontFace::FixedPitch ? fixed : proportional;
  for (const wchar_t* candidate : candidates) {
    if (Installed(candidate)) return candidate;
  }
  return candidates[0];  // the font mapper picks the nearest Shift-JIS face
}

FontSet::FontSet()
    : proportional_(MakeFont(ChooseFace(FontFace::Proportional))), fixed_(MakeFont(ChooseFace(FontFace::FixedPitch))) {}

}  // namespace qv::ui
