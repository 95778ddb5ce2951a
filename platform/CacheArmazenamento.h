// The storage cache's build switch, shared by its users (not installed).
#pragma once

// Under the address and memory sanitizers every block goes to the C library
// and back, at its exact size, so that they see each use and each overrun.
#if defined(__SANITIZE_ADDRESS__)
#define TOLV_SEM_CACHE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define TOLV_SEM_CACHE 1
#endif
#endif
