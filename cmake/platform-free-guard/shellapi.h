#error "platform-free code must not include <shellapi.h>: move it into a win32/ folder"
