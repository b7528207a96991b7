#include "backend/win32/win32_drop_target.h"

#include <shellapi.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

namespace {

std::vector<std::u16string> dropped_files(HDROP drop) {
  std::vector<std::u16string> files;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(copied);
    files.push_back(from_wide(name));
  }
  return files;
}

std::u16string medium_text(const STGMEDIUM& medium) {
  std::u16string text;
  if (const auto* units = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
    text = from_wide({units, wcsnlen(units, GlobalSize(medium.hGlobal) / sizeof(wchar_t))});
    GlobalUnlock(medium.hGlobal);
  }
  return text;
}

}  // namespace

void read_drag_data(IDataObject* data, DragInput& input) {
  FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (SUCCEEDED(data->GetData(&files, &medium))) {
    input.files = dropped_files(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
  }
  FORMATETC text{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  if (SUCCEEDED(data->GetData(&text, &medium))) {
    input.has_text = true;
    input.text = medium_text(medium);
    ReleaseStgMedium(&medium);
  }
}

HRESULT Win32DropTarget::QueryInterface(REFIID id, void** object) {
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG Win32DropTarget::AddRef() { return ++references_; }

ULONG Win32DropTarget::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

void Win32DropTarget::leave_current() {
  if (!current_) return;
  NativeHandle left = current_;
  current_ = kNoHandle;
  DragInput input;
  input.phase = DragPhase::Leave;
  if (BackendSink* sink = backend_.sink();
      sink && (backend_.is_window(left) || backend_.is_control(left))) {
    sink->on_drag(left, input);
  }
}

DWORD Win32DropTarget::route(DragPhase phase, DWORD keys, POINTL at, DWORD offered) {
  NativeHandle target = backend_.drop_target_at(window_, {at.x, at.y});
  if (target != current_) leave_current();
  BackendSink* sink = backend_.sink();
  if (!target || !sink) return DROPEFFECT_NONE;
  DragInput input = data_;
  POINT client{at.x, at.y};
  ScreenToClient(backend_.hwnd(target), &client);
  input.position = backend_.scale_of(target).to_units(Point{client.x, client.y});
  // OLE's effect bits and key-state bits are the ones the ui layer counts with.
  input.offered_actions =
      static_cast<int>(offered & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK));
  input.modifiers = static_cast<int>(keys & (MK_SHIFT | MK_CONTROL | MK_ALT));
  if (phase == DragPhase::Drop) {
    current_ = kNoHandle;
  } else {
    phase = target == current_ ? DragPhase::Over : DragPhase::Enter;
    current_ = target;
  }
  input.phase = phase;
  int action = sink->on_drag(target, input);
  return action == kDropCopy || action == kDropMove || action == kDropLink
             ? static_cast<DWORD>(action)
             : DROPEFFECT_NONE;
}

HRESULT Win32DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
  data_ = {};
  if (data) read_drag_data(data, data_);
  *effect = route(DragPhase::Enter, keys, at, *effect);
  return S_OK;
}

HRESULT Win32DropTarget::DragOver(DWORD keys, POINTL at, DWORD* effect) {
  *effect = route(DragPhase::Over, keys, at, *effect);
  return S_OK;
}

HRESULT Win32DropTarget::DragLeave() {
  leave_current();
  data_ = {};
  return S_OK;
}

HRESULT Win32DropTarget::Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
  if (data) {
    data_ = {};
    read_drag_data(data, data_);
  }
  *effect = route(DragPhase::Drop, keys, at, *effect);
  data_ = {};
  return S_OK;
}

}  // namespace ambrel
