#pragma once

// The Win32 API for the few places that call it, without the macros that clash with standard
// names (min, max) or pull in what they do not use.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
// MinGW's C++ headers define it already.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
