#error "platform-free code must not include <windows.h>: move it into a win32/ folder"
