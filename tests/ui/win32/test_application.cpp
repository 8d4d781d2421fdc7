// The one application object of the test binary, there before any test makes a window.
#include "ui/win32/application.h"

namespace velmora::ui {

Application testApplication;

}  // namespace velmora::ui
