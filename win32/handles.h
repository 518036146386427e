// SPDX-License-Identifier: GPL-3.0-or-later
// Owners for the window's Windows handles: each frees its handle with the call that fits it
// when it goes, so no path forgets one.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace morvane::win32 {

template <typename Handle, auto Free>
struct HandleDeleter {
  void operator()(Handle handle) const { Free(handle); }
};

template <typename Handle, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Handle, Free>>;

using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedMemory = Owned<HGLOBAL, GlobalFree>;

// An interface pointer of COM, released when it goes.
template <typename Interface>
struct ComRelease {
  void operator()(Interface* object) const { object->Release(); }
};
template <typename Interface>
using ComOwned = std::unique_ptr<Interface, ComRelease<Interface>>;

}  // namespace morvane::win32
