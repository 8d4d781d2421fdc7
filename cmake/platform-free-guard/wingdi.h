#error "platform-free code must not include <wingdi.h>: move it into a win32/ folder"
