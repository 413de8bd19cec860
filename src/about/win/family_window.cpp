#include "about/win/family_window.h"

#include "about/family_frames.h"
#include "about/win/modeless_dialog.h"
#include "platform/win/wide.h"
#include "resource.h"

namespace dovevar::win {
namespace {

constexpr UINT_PTR kAnimationTimer = 1;

HBITMAP loadPicture(HINSTANCE instance, int id) {
  return static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE pictureSize(HBITMAP picture) {
  BITMAP info = {};
  if (picture == nullptr || GetObjectW(picture, sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

RECT toRect(const FamilyRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

// Copies `turn.area` of the canvas onto itself through the three points. The area is
// copied aside first, since a transfer onto its own source is not defined.
void turnInPlace(HDC canvas, const RotatedCopy& turn) {
  const FamilyRect& area = turn.area;
  HDC aside = CreateCompatibleDC(canvas);
  HBITMAP copy = CreateCompatibleBitmap(canvas, area.width, area.height);
  HGDIOBJ previous = SelectObject(aside, copy);
  BitBlt(aside, 0, 0, area.width, area.height, canvas, area.x, area.y, SRCCOPY);
  const POINT points[3] = {{turn.upperLeft.x, turn.upperLeft.y},
                           {turn.upperRight.x, turn.upperRight.y},
                           {turn.lowerLeft.x, turn.lowerLeft.y}};
  PlgBlt(canvas, points, aside, 0, 0, area.width, area.height, nullptr, 0, 0);
  SelectObject(aside, previous);
  DeleteObject(copy);
  DeleteDC(aside);
}

class FamilyWindow : public ModelessDialog {
 public:
  explicit FamilyWindow(HINSTANCE instance) : instance_(instance) {}
  ~FamilyWindow() override {
    if (logo_ != nullptr) DeleteObject(logo_);
    if (plate_ != nullptr) DeleteObject(plate_);
  }

 protected:
  void onInit() override {
    logo_ = loadPicture(instance_, IDB_FAMILY_LOGO);
    plate_ = loadPicture(instance_, IDB_FAMILY_NAME_PLATE);
    RECT outer = {}, client = {};
    GetWindowRect(window(), &outer);
    GetClientRect(window(), &client);
    const SIZE logo = pictureSize(logo_), plate = pictureSize(plate_);
    animation_ = startFamilyAnimation({outer.right - outer.left, outer.bottom - outer.top,
                                       client.right, client.bottom, logo.cx, logo.cy, plate.cx,
                                       plate.cy});
    frame_ = nextFamilyFrame(animation_);
    SetTimer(window(), kAnimationTimer, kFamilyTimerMilliseconds, nullptr);
  }

  // The frame moves on with the clock, not with painting, so a window that is merely
  // uncovered shows the same frame again.
  void onTimer(UINT_PTR id) override {
    if (id != kAnimationTimer) return;
    frame_ = nextFamilyFrame(animation_);
    InvalidateRect(window(), nullptr, TRUE);
    UpdateWindow(window());
  }

  bool paintsWholeClient() const override { return true; }

  // Drawn off screen and shown in one transfer, so the window never flickers.
  void onPaint(HDC dc) override {
    RECT client = {};
    GetClientRect(window(), &client);
    HDC canvas = CreateCompatibleDC(dc);
    HBITMAP buffer = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(canvas, buffer);
    paintFrame(canvas);
    BitBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, previous);
    DeleteObject(buffer);
    DeleteDC(canvas);
  }

 private:
  void paintFrame(HDC canvas) {
    const RECT background = toRect(frame_.background);
    FillRect(canvas, &background, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetStretchBltMode(canvas, COLORONCOLOR);
    HDC pictures = CreateCompatibleDC(canvas);
    HGDIOBJ previous = GetCurrentObject(pictures, OBJ_BITMAP);
    for (const FamilyDrawing& drawing : frame_.drawings) {
      HBITMAP picture = drawing.picture == FamilyPicture::kLogo ? logo_ : plate_;
      if (picture == nullptr) continue;
      SelectObject(pictures, picture);
      const FamilyRect& to = drawing.target;
      const FamilyRect& from = drawing.source;
      StretchBlt(canvas, to.x, to.y, to.width, to.height, pictures, from.x, from.y, from.width,
                 from.height, SRCCOPY);
      if (drawing.turn) turnInPlace(canvas, *drawing.turn);
    }
    SelectObject(pictures, previous);
    DeleteDC(pictures);
    paintLines(canvas);
  }

  // The window's own font: unlike the bare default font it has the Japanese characters
  // of the lines on every system.
  void paintLines(HDC canvas) {
    if (frame_.lines.empty()) return;
    auto* font = reinterpret_cast<HFONT>(SendMessageW(window(), WM_GETFONT, 0, 0));
    HGDIOBJ previous = font != nullptr ? SelectObject(canvas, font) : nullptr;
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, RGB(0, 0, 0));
    for (const FamilyTextLine& line : frame_.lines) {
      const std::wstring text = toWide(line.text);
      TextOutW(canvas, line.at.x, line.at.y, text.c_str(), static_cast<int>(text.size()));
    }
    if (previous != nullptr) SelectObject(canvas, previous);
  }

  HINSTANCE instance_;
  HBITMAP logo_ = nullptr;
  HBITMAP plate_ = nullptr;
  FamilyAnimation animation_;
  FamilyFrame frame_;
};

}  // namespace

void showFamilyWindow(AppState& app) {
  ModelessDialog::open(std::make_unique<FamilyWindow>(app.instance), app.instance, app.mainWindow,
                       IDD_FAMILY);
}

}  // namespace dovevar::win
