#include "skin/controls/state_fade.h"

namespace velmora::skin {

void StartStateFade(TsCommonData& data, int32_t, const FadeStep&, bool, bool, bool) {
  data.StopFade();
  data.CacheStale = true;
  data.RequestRepaint(true);
}

}  // namespace velmora::skin
