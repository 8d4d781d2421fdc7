// Must not compile in a platform-free library: the build guard turns this include into an error.
#include <windows.h>
