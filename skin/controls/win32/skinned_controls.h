#pragma once
// The program's own skinned controls: the platform's controls keep their behaviour, the skin
// draws them.
#include "skin/controls/win32/button.h"
#include "skin/controls/win32/image.h"
#include "skin/controls/win32/panel.h"
#include "skin/controls/win32/radio_button.h"
#include "skin/controls/win32/track_bar.h"
