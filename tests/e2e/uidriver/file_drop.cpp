#include "file_drop.h"

#include <ole2.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstring>

#include "platform/win/com_object.h"

namespace uidriver {
namespace {

FORMATETC fileFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The dragged paths, given as a DROPFILES block of wide names, each ending in a zero.
class PathData final : public dovevar::win::ComObject<IDataObject> {
 public:
  explicit PathData(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) names_ += path + L'\0';
    names_ += L'\0';
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const SIZE_T bytes = sizeof(DROPFILES) + names_.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (memory == nullptr) return E_OUTOFMEMORY;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names_.data(), names_.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    const bool files = format != nullptr && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) != 0;
    return files ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = fileFormat();
    return SHCreateStdEnumFmtEtc(1, &format, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::wstring names_;
};

// Holds the drag over the target for a moment, long enough for it to be entered and
// answer, then lets go, as a user's button does.
class LettingGo final : public dovevar::win::ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return GetTickCount64() - started_ < kHoldMs ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  static constexpr ULONGLONG kHoldMs = 600;
  ULONGLONG started_ = GetTickCount64();
};

}  // namespace

bool dropFiles(HWND onto, const std::vector<std::wstring>& paths, DWORD& effect, std::wstring& failure) {
  RECT rect = {};
  if (!GetWindowRect(onto, &rect)) {
    failure = L"no window to drop onto";
    return false;
  }
  SetForegroundWindow(GetAncestor(onto, GA_ROOT));
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  // OLE stays up for the driver's life: the target may still release what it was handed
  // after the drop, and a source whose apartment is gone makes that fail.
  static const bool ole = SUCCEEDED(OleInitialize(nullptr));
  if (!ole) {
    failure = L"OLE did not start";
    return false;
  }
  auto* data = new PathData(paths);
  auto* source = new LettingGo;
  effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
  data->Release();
  source->Release();
  if (result != DRAGDROP_S_DROP && result != DRAGDROP_S_CANCEL) {
    failure = L"the drag did not start (" + std::to_wstring(static_cast<long>(result)) + L")";
    return false;
  }
  if (result == DRAGDROP_S_CANCEL) effect = DROPEFFECT_NONE;
  return true;
}

}  // namespace uidriver
