// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into morvane-cli by its end-to-end test: every attempt to start a thread fails as
// when the system has none left to give, so the program must do all its work on its own.
#include <pthread.h>

#include <cerrno>

extern "C" int pthread_create(pthread_t* /*thread*/, const pthread_attr_t* /*attributes*/,
                              void* (* /*start*/)(void*), void* /*argument*/) noexcept {
  return EAGAIN;
}
