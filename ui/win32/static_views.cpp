#include "ui/win32/static_views.h"

#include <algorithm>

#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace velmora::ui {
namespace {

constexpr wchar_t kPanelClass[] = L"VelmoraPanel";
constexpr wchar_t kImageClass[] = L"VelmoraImage";

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

LabelView::LabelView(Label& label, const ChildPlacement& placement)
    : ChildView(label, placement, L"STATIC", SS_LEFT | SS_NOPREFIX) {
  FitCaption();
}

void LabelView::Refresh() {
  RefreshCommon();
  FitCaption();
}

void LabelView::FitCaption() const {
  const std::wstring caption = WideFromUtf8(control_.Caption());
  WindowDc dc(handle_);
  const HGDIOBJ previous =
      SelectObject(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &text);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  SelectObject(dc.Get(), previous);
  SetWindowPos(handle_, nullptr, 0, 0, text.cx, metrics.tmHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MemoView::MemoView(Memo& memo, const ChildPlacement& placement)
    : ChildView(memo, placement, L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER) {}

PanelView::PanelView(Panel& panel, const ChildPlacement& placement)
    : ChildView(panel, placement, RegisterWindowClass(kPanelClass, PanelProc), 0,
                WS_EX_CONTROLPARENT) {}

ImageView::ImageView(Image& image, const ChildPlacement& placement)
    : ChildView(image, placement, RegisterWindowClass(kImageClass, WindowProc), 0) {
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void ImageView::SetPicture(UniqueBitmap picture) {
  picture_ = std::move(picture);
  InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT CALLBACK ImageView::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* view = reinterpret_cast<ImageView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_PAINT && view) {
    PAINTSTRUCT paint;
    view->Paint(BeginPaint(window, &paint));
    EndPaint(window, &paint);
    return 0;
  }
  // Labels over the picture draw it beneath their text.
  if (message == WM_PRINTCLIENT && view) {
    view->Paint(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ImageView::Paint(HDC dc) const {
  BITMAP info{};
  if (picture_ && GetObjectW(picture_.get(), sizeof info, &info)) {
    RECT client;
    GetClientRect(handle_, &client);
    const double scale = std::min(1.0, std::min(double(client.right) / info.bmWidth,
                                                double(client.bottom) / info.bmHeight));
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture_.get());
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, static_cast<int>(info.bmWidth * scale + 0.5),
               static_cast<int>(info.bmHeight * scale + 0.5), source, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
  }
}

}  // namespace velmora::ui
