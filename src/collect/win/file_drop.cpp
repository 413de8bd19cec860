#include "collect/win/file_drop.h"

#include <ole2.h>
#include <shellapi.h>

#include <utility>

#include "platform/win/com_object.h"
#include "platform/win/wide.h"

namespace dovevar::win {

DroppedPaths pathsOfDrop(HDROP drop) {
  DroppedPaths paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(fromWide(path));
  }
  return paths;
}

// The COM object that OLE calls during a drag over the window. It lives as long as
// OLE holds a reference, which may outlast the window by a call or two.
class FileDropTarget::Target final : public ComObject<IDropTarget> {
 public:
  Target(std::function<bool()> accepts, HWND notify, UINT message)
      : accepts_(std::move(accepts)), notify_(notify), message_(message) {}

  void forget() {
    accepts_ = [] { return false; };
    notify_ = nullptr;
  }

  std::vector<DroppedPaths> takeDrops() { return std::exchange(drops_, {}); }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = fileFormat();
    holdsFiles_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    *effect = effectNow(*effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = effectNow(*effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    holdsFiles_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    if (!holdsFiles_ || !accepts_()) {
      MessageBeep(MB_OK);
      return S_OK;
    }
    FORMATETC format = fileFormat();
    STGMEDIUM medium = {};
    if (data->GetData(&format, &medium) != S_OK) return S_OK;
    DroppedPaths paths;
    if (auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
      paths = pathsOfDrop(drop);
      GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    // The drawings are copied into the list, never moved: the source keeps its files.
    *effect = DROPEFFECT_COPY;
    drops_.push_back(std::move(paths));
    PostMessageW(notify_, message_, 0, 0);
    return S_OK;
  }

 private:
  static FORMATETC fileFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

  DWORD effectNow(DWORD allowed) const {
    return holdsFiles_ && accepts_() && (allowed & DROPEFFECT_COPY) != 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }

  bool holdsFiles_ = false;
  std::function<bool()> accepts_;
  HWND notify_;
  UINT message_;
  std::vector<DroppedPaths> drops_;
};

FileDropTarget::FileDropTarget(std::function<bool()> accepts, HWND notify, UINT message)
    : target_(new Target(std::move(accepts), notify, message)) {}

FileDropTarget::~FileDropTarget() {
  detach();
  target_->forget();
  target_->Release();
}

bool FileDropTarget::attach(HWND window) {
  if (RegisterDragDrop(window, target_) != S_OK) return false;
  window_ = window;
  return true;
}

std::vector<DroppedPaths> FileDropTarget::takeDrops() { return target_->takeDrops(); }

void FileDropTarget::detach() {
  if (window_ == nullptr) return;
  RevokeDragDrop(window_);
  window_ = nullptr;
}

}  // namespace dovevar::win
