#pragma once

// The one way the Win32 code includes <windows.h>: explicit A and W calls
// everywhere, so no UNICODE switch decides what a name means.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
