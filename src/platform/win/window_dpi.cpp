#include "platform/win/window_dpi.h"

#include "app/dpi_scale.h"

namespace dovevar::win {
namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

// Looked up, not linked: the program still starts on systems without it.
DpiForWindow dpiForWindow() {
  static const auto function = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

int dpiOf(HWND window) {
  if (const DpiForWindow function = dpiForWindow(); function != nullptr && window != nullptr) {
    if (const UINT dpi = function(window); dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

int scaled(HWND window, int designPixels) { return scaledToDpi(designPixels, dpiOf(window)); }

}  // namespace dovevar::win
