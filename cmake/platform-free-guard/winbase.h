#error "platform-free code must not include <winbase.h>: move it into a win32/ folder"
