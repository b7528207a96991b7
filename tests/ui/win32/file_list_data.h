#pragma once

// A data object holding a file list (CF_HDROP), as the shell hands one over in a drag.

#include <windows.h>
#include <shlobj.h>

#include <cwchar>
#include <string>
#include <vector>

namespace ambrel {

class FileListData final : public IDataObject {
 public:
  explicit FileListData(const std::vector<std::wstring>& files) {
    std::wstring names;
    for (const std::wstring& file : files) names += file + L'\0';
    names += L'\0';
    std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    drop_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop_));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::wmemcpy(reinterpret_cast<wchar_t*>(header + 1), names.data(), names.size());
    GlobalUnlock(drop_);
  }
  ~FileListData() { GlobalFree(drop_); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    *object = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject) ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = OleDuplicateData(drop_, CF_HDROP, 0);
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  HGLOBAL drop_ = nullptr;
};

}  // namespace ambrel
