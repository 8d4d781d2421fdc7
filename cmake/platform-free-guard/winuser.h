#error "platform-free code must not include <winuser.h>: move it into a win32/ folder"
