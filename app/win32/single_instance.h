#pragma once

namespace velmora::app {

// Claims the process-wide instance marker, named "999", which stays held until the process
// ends; false when another copy of the program already holds it.
bool ClaimSingleInstance();

}  // namespace velmora::app
