#include "skin/controls/win32/label_adjustment.h"

#include <string>

#include <vector>

#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/background_query.h"
#include "skin/paint/colour.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

UINT TextFormat(LONG style) {
  UINT format = DT_NOPREFIX;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: format |= DT_LEFT | DT_EXPANDTABS; break;
    case SS_SIMPLE: format |= DT_LEFT | DT_SINGLELINE; break;
    default: format |= DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS; break;
  }
  return format;
}

}  // namespace

LabelAdjustment::LabelAdjustment(HWND label, uint32_t colour)
    : label_(label), colour_(colour), subclass_(label, Procedure, this) {
  InvalidateRect(label_, nullptr, TRUE);
}

LabelAdjustment::~LabelAdjustment() {
  if (!subclass_.Installed()) return;
  subclass_.Remove();
  InvalidateRect(label_, nullptr, TRUE);
}

void LabelAdjustment::SetColour(uint32_t colour) {
  if (colour == colour_) return;
  colour_ = colour;
  InvalidateRect(label_, nullptr, FALSE);
}

// The container beneath the label is drawn again, the label over it.
void LabelAdjustment::RepaintBeneath() {
  const HWND parent = GetParent(label_);
  RECT r;
  if (!parent || !GetWindowRect(label_, &r)) return;
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// What lies beneath the label: the container's background, then the siblings under the label
// from the lowest up, each asked to print itself.
void LabelAdjustment::DrawBeneath(HDC dc) {
  const HWND parent = GetParent(label_);
  RECT own;
  GetWindowRect(label_, &own);
  TacBgQuery query;
  query.PleaseDraw = true;
  query.DC = dc;
  query.R = {0, 0, own.right - own.left, own.bottom - own.top};
  POINT origin{own.left, own.top};
  ScreenToClient(parent, &origin);
  query.OffsetX = origin.x, query.OffsetY = origin.y;
  if (parent)
    SendEngineCommand(parent, {EngineCommand::GetBackground, reinterpret_cast<intptr_t>(&query)});
  if (query.Kind != kBgBitmap)
    PaintSolidGdi(dc, query.R, query.Kind == kBgColour ? query.Color : 0xFF00000F);
  std::vector<HWND> beneath;
  for (HWND s = GetWindow(label_, GW_HWNDNEXT); s; s = GetWindow(s, GW_HWNDNEXT)) beneath.push_back(s);
  for (auto it = beneath.rbegin(); it != beneath.rend(); ++it) {
    RECT r, overlap;
    if (!IsWindowVisible(*it) || !GetWindowRect(*it, &r) || !IntersectRect(&overlap, &r, &own))
      continue;
    const ui::SavedDcState saved(dc);
    SetViewportOrgEx(dc, r.left - own.left, r.top - own.top, nullptr);
    SendMessageW(*it, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
}

void LabelAdjustment::Paint() {
  PAINTSTRUCT ps;
  const HDC target = BeginPaint(label_, &ps);
  std::wstring text(size_t(GetWindowTextLengthW(label_)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(label_, text.data(), int(text.size()))));
  RECT client;
  GetClientRect(label_, &client);
  // Composed off screen and copied in one block: no flicker.
  const DibBitmap image = DibBitmap::Make(client.right, client.bottom);
  if (const HDC dc = image.Dc()) {
    DrawBeneath(dc);
    const ui::SavedDcState saved(dc);
    if (const auto font = reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0)))
      SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(colour_) & 0xFFFFFF);
    DrawTextW(dc, text.c_str(), int(text.size()), &client,
              TextFormat(GetWindowLongW(label_, GWL_STYLE)));
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  }
  EndPaint(label_, &ps);
}

LRESULT CALLBACK LabelAdjustment::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* label = reinterpret_cast<LabelAdjustment*>(self);
  switch (message) {
    case WM_NCDESTROY: label->subclass_.Remove(); break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: label->Paint(); return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      label->RepaintBeneath();
      return result;
    }
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace velmora::skin
