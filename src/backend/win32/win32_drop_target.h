#pragma once

// The OLE drop target of one top-level window. OLE finds it for any point of the window; it
// hands each drag to the smallest drop-enabled target whose rectangle holds the point (the
// window or one of its controls), in that target's client coordinates, and answers OLE with
// the action the sink chose.

#include <ole2.h>

#include "backend/backend.h"

namespace ambrel {

class Win32Backend;

class Win32DropTarget final : public IDropTarget {
 public:
  Win32DropTarget(Win32Backend& backend, NativeHandle window)
      : backend_(backend), window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

 private:
  ~Win32DropTarget() = default;
  // Reports one phase to the target under `at`, leaving the previous target when it moved.
  DWORD route(DragPhase phase, DWORD keys, POINTL at, DWORD offered);
  void leave_current();

  Win32Backend& backend_;
  NativeHandle window_;
  ULONG references_ = 1;
  DragInput data_;        // files and text of the drag in progress
  NativeHandle current_;  // the target that got the last enter
};

// The files of a CF_HDROP and the CF_UNICODETEXT text a data object carries.
void read_drag_data(IDataObject* data, DragInput& input);

}  // namespace ambrel
