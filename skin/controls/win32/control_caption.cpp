#include "skin/controls/win32/control_caption.h"

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
    DrawControlText(canvas, caption.Text, window.Facts().Enabled, state, TextSource(window),
                    caption.Format, caption.Place);
  };
}

}  // namespace velmora::skin
