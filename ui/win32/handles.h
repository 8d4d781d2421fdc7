#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace velmora::ui {

// Owners of the platform's handles: each frees its handle with the one call that matches it.
template <auto Free>
struct HandleDeleter {
  template <typename Handle>
  void operator()(Handle handle) const {
    Free(handle);
  }
};

template <typename Handle, auto Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Free>>;

using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueRegion = UniqueHandle<HRGN, DeleteObject>;
using UniqueHook = UniqueHandle<HHOOK, UnhookWindowsHookEx>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageList_Destroy>;
using UniqueFile = UniqueHandle<HANDLE, CloseHandle>;
using UniqueFind = UniqueHandle<HANDLE, FindClose>;

// File and search handles say "none" with INVALID_HANDLE_VALUE rather than null; owners hold null.
inline HANDLE NullIfInvalid(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// A device context borrowed from a window for as long as this lives.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { ReleaseDC(window_, dc_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The whole window's device context, frame included, for as long as this lives.
class WindowFrameDc {
 public:
  explicit WindowFrameDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  WindowFrameDc(const WindowFrameDc&) = delete;
  WindowFrameDc& operator=(const WindowFrameDc&) = delete;
  ~WindowFrameDc() { ReleaseDC(window_, dc_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A device context's drawing state (objects, colours, modes, clipping) saved for as long as this
// lives and restored after.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace velmora::ui
