// The Windows headers as the front end wants them: Unicode, no min/max macros, no CreateWindow macro.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <windowsx.h>

// The toolkit interface has a method of this name; the macro would rename it.
#undef CreateWindow
