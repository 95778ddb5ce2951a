#include "platform/objbase.h"

#include <cstdlib>

LPVOID CoTaskMemAlloc(size_t cb) { return std::malloc(cb == 0 ? 1 : cb); }

LPVOID CoTaskMemRealloc(LPVOID pv, size_t cb) { return std::realloc(pv, cb == 0 ? 1 : cb); }

void CoTaskMemFree(LPVOID pv) { std::free(pv); }
