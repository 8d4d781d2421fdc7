#pragma once
// How the skin data reacts to what happens to its owner, before the owner's own handling.
#include <cstdint>

#include "skin/controls/common_data.h"

namespace velmora::skin {

void OnFocusChanged(TsCommonData& data, bool focused);
// Enabled state changed, or the system's fonts changed.
void OnEnabledChanged(TsCommonData& data);
void OnMoved(TsCommonData& data);
// A size change after OnSizeChanging marked the dimensions that change.
void OnResized(TsCommonData& data);
void OnSizeChanging(TsCommonData& data, bool widthChanges, bool heightChanges);
// With the manager's memory priority a hidden owner gives its cache pixels (and its children's)
// back and rebuilds them when shown.
void OnVisibilityChanged(TsCommonData& data, bool visible);
void OnMouseEntered(TsCommonData& data);
// insideOwner: the pointer is still over the owner's visible client area.
void OnMouseLeft(TsCommonData& data, bool insideOwner);

}  // namespace velmora::skin
