// How a control's window carries its name, so that tools outside the program can find it:
// a window property holding a global atom of the name.
#pragma once

namespace qv::ui {

inline constexpr wchar_t kNameProperty[] = L"QuorvelControlName";

}  // namespace qv::ui
