#pragma once
// Pictures held in the program: shared by its resource script and its code.
#define VELMORA_PROGRAM_ICON 1
#define VELMORA_FERN_PICTURE 2
#define VELMORA_TRAY_SOUND_OFF 3
#define VELMORA_TRAY_SOUND_ON 4
#define VELMORA_STORED_SKIN 5
