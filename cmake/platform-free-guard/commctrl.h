#error "platform-free code must not include <commctrl.h>: move it into a win32/ folder"
