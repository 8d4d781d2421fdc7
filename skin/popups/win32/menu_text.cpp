#include "skin/popups/win32/menu_text.h"

#include "skin/paint/win32/text_output.h"
#include "ui/win32/text.h"

namespace velmora::skin {
namespace {

constexpr int kMeasureWidth = 800;
constexpr int kSymbolPoints = 10;

UINT FormatOf(const MenuText& text) {
  UINT format = DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
  format |= text.WordBreak ? DT_WORDBREAK : DT_SINGLELINE;
  if (text.HidePrefix) format |= DT_HIDEPREFIX;
  if (text.RightToLeft) format |= DT_RTLREADING;
  switch (text.Align) {
    case MenuTextAlign::Left: format |= DT_LEFT; break;
    case MenuTextAlign::Centre: format |= DT_CENTER; break;
    case MenuTextAlign::Right: format |= DT_RIGHT; break;
  }
  return format;
}

}  // namespace

MenuFonts::MenuFonts(const TacMenuSupport& options, int scalePercent)
    : options_(options), scalePercent_(scalePercent) {}

LOGFONTW MenuFonts::Base() const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfMenuFont;
  if (options_.CustomFont && !options_.Font.Name.empty()) {
    const std::wstring face = ui::WideFromUtf8(options_.Font.Name);
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    if (options_.Font.Height != 0) font.lfHeight = options_.Font.Height;
  }
  font.lfHeight = MulDiv(font.lfHeight, scalePercent_, 100);
  return font;
}

HFONT MenuFonts::Item(bool isDefault) {
  ui::UniqueFont& font = isDefault ? bold_ : item_;
  if (!font) {
    LOGFONTW description = Base();
    if (isDefault) description.lfWeight = FW_BOLD;
    font.reset(CreateFontIndirectW(&description));
  }
  return font.get();
}

HFONT MenuFonts::Caption() {
  if (!caption_) {
    const LOGFONTW description = Base();
    caption_.reset(CreateFontIndirectW(&description));
  }
  return caption_.get();
}

namespace {

// The symbol font of that face, or none when the platform lacks it: the font mapper would give
// another font, whose letters would show in place of the pictures.
ui::UniqueFont InstalledSymbolFont(const wchar_t* face) {
  const ui::WindowDc screen(nullptr);
  LOGFONTW description{};
  description.lfHeight = -MulDiv(kSymbolPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
  description.lfCharSet = SYMBOL_CHARSET;
  lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
  ui::UniqueFont font(CreateFontIndirectW(&description));
  wchar_t chosen[LF_FACESIZE] = {};
  {
    const ui::SavedDcState saved(screen.Get());
    SelectObject(screen.Get(), font.get());
    GetTextFaceW(screen.Get(), LF_FACESIZE, chosen);
  }
  if (lstrcmpiW(chosen, face) != 0) font.reset();
  return font;
}

}  // namespace

// None when neither is installed (as under Wine without them).
HFONT MenuFonts::Symbol() {
  // The window-control font holds the same pictures at the same characters.
  if (!symbol_) symbol_ = InstalledSymbolFont(L"Webdings");
  if (!symbol_) symbol_ = InstalledSymbolFont(L"Marlett");
  return symbol_.get();
}

HFONT MenuFonts::Of(MenuFont font, bool isDefault) {
  switch (font) {
    case MenuFont::Caption: return Caption();
    case MenuFont::Symbol: return Symbol();
    default: return Item(isDefault);
  }
}

ItemSize MeasureMenuText(HDC dc, HFONT font, std::wstring_view text) {
  const ui::SavedDcState saved(dc);
  SelectObject(dc, font);
  RECT r{0, 0, kMeasureWidth, 0};
  if (text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return {0, metrics.tmHeight};
  }
  DrawTextW(dc, text.data(), int(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

void MenuTextOutput::Draw(const PixelView& dest, const MenuText& text) {
  const HFONT font = fonts_.Of(text.Font, default_);
  // Without a symbol font its characters would show as letters: the picture is left out.
  if (!font && text.Font == MenuFont::Symbol) return;
  const TextCanvas canvas{dest, dc_, font, text.Colour};
  DrawText32(canvas, text.Text, false, text.Colour, FormatOf(text), text.Area);
}

}  // namespace velmora::skin
