// COM task allocator.
#pragma once

#include <cstddef>

#include "platform/wintypes.h"

TOLV_API LPVOID CoTaskMemAlloc(size_t cb);
TOLV_API LPVOID CoTaskMemRealloc(LPVOID pv, size_t cb);
TOLV_API void CoTaskMemFree(LPVOID pv);
