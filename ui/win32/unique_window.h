// One owner per window handle.
#pragma once

#include <windows.h>

#include <utility>

namespace qv::ui {

class UniqueWindow {
 public:
  UniqueWindow() = default;
  explicit UniqueWindow(HWND hwnd) : hwnd_(hwnd) {}
  ~UniqueWindow() { reset(); }
  UniqueWindow(const UniqueWindow&) = delete;
  UniqueWindow& operator=(const UniqueWindow&) = delete;
  UniqueWindow(UniqueWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
  UniqueWindow& operator=(UniqueWindow&& other) noexcept {
    if (this != &other) {
      reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
  }

  HWND get() const { return hwnd_; }
  void reset() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace qv::ui
