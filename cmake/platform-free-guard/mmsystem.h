#error "platform-free code must not include <mmsystem.h>: move it into a win32/ folder"
