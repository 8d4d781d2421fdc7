#include "skin/controls/win32/control_caption.h"

#include <algorithm>

#include "skin/controls/engine_answers.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/paint/win32/text_output.h"

namespace velmora::skin {
namespace {

ControlTextSource TextSource(SkinnedWindow& window) {
  TsCommonData& data = window.Data();
  ControlTextSource source{.Skin = data.Skin(), .SkinIndex = data.SectionIndex,
                           .CustomFont = data.CustomFont,
                           .ParentFontColour = window.Facts().FontColour,
                           .Adjust = {data.ColorTone, data.HUEOffset, data.Saturation}};
  if (window.Facts().HasParent) {
    source.SectionUnder = [&window](int32_t state, int32_t& index) {
      SectionUnderRecord record{state, index, {}};
      const intptr_t answer = window.SendToParent(
          {EngineCommand::GetSectionUnder, reinterpret_cast<intptr_t>(&record)});
      index = record.Index;
      return int32_t(answer);
    };
  }
  return source;
}

}  // namespace

CaptionPainter ControlCaption(SkinnedWindow& window, CaptionText caption) {
  return [&window, caption = std::move(caption)](CacheSurface& cache, int32_t state) {
    const TextCanvas canvas{cache.Pixels(), static_cast<DibCache&>(cache).Dc(), caption.Font,
                            window.Facts().FontColour};
    DrawControlText(canvas, caption.Text, caption.AsEnabled || window.Facts().Enabled, state,
                    TextSource(window), caption.Format, caption.Place);
  };
}

Size2 MeasureCaption(HDC dc, HFONT font, const std::wstring& text, int32_t width, UINT format) {
  const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  RECT r{0, 0, width, 0};
  // Measured without vertical placing, which makes the platform report a wrong height.
  DrawTextW(dc, text.c_str(), int(text.size()), &r,
            (format & ~UINT(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
  SelectObject(dc, previous);
  return {std::min<int32_t>(r.right - r.left, width), r.bottom - r.top};
}

}  // namespace velmora::skin
