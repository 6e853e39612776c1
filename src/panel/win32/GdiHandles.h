#pragma once
// Owners of GDI handles: whatever the panel creates it also frees, on every
// path out of the scope that made it. Each counts itself while it holds a
// handle (host/LiveCount.h).
#include <windows.h>

#include <utility>

#include "host/LiveCount.h"

namespace quorvel {

// A font, brush, pen or bitmap the program created; deleted with its owner.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle), live_(handle != nullptr) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)), live_(std::move(other.live_)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
      live_ = std::move(other.live_);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
    live_.Set(handle_ != nullptr);
  }

 private:
  Handle handle_ = nullptr;
  LiveMark<LiveKind::GdiObject> live_;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// A window's device context (the screen's for no window), released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)), live_(dc_ != nullptr) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  LiveMark<LiveKind::DeviceContext> live_;
};

// An object selected into a DC for the scope; the one it replaced goes back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace quorvel
