// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_manager.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QWidget>

#ifdef MORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>
#endif

namespace morvane {

#ifdef MORVANE_HAVE_XCB
namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// Qt's xcb connection, or null when the window is not on X11.
xcb_connection_t* X11Connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

// The atoms of names, in their order, interned in one round trip (every request goes out
// before the first reply is awaited); XCB_ATOM_NONE for any the server refused.
template <std::size_t N>
std::array<xcb_atom_t, N> Atoms(xcb_connection_t* connection,
                                const std::array<std::string_view, N>& names) {
  std::array<xcb_intern_atom_cookie_t, N> cookies{};
  for (std::size_t i = 0; i < N; ++i) {
    cookies[i] =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(names[i].size()), names[i].data());
  }
  std::array<xcb_atom_t, N> atoms{};
  for (std::size_t i = 0; i < N; ++i) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
    atoms[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }
  return atoms;
}

// The 32-bit values of property on window if it has that type, else none.
template <typename Value>
std::vector<Value> Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                            xcb_atom_t type) {
  const ReplyPtr<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, property, type, 0, 4096), nullptr),
      &std::free);
  if (!reply || reply->type != type || reply->format != 32) return {};
  const auto* values = static_cast<const Value*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// _NET_WM_STATE and _NET_WM_STATE_SKIP_TASKBAR, or none where the server refused either.
std::optional<std::array<xcb_atom_t, 2>> SkipTaskbarAtoms(xcb_connection_t* connection) {
  const auto atoms = Atoms<2>(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
  if (atoms[0] == XCB_ATOM_NONE || atoms[1] == XCB_ATOM_NONE) return std::nullopt;
  return atoms;
}

}  // namespace
#endif

void KeepOutOfTaskbar(QWidget& window) {
#ifdef MORVANE_HAVE_XCB
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const auto atoms = SkipTaskbarAtoms(connection);
  if (!atoms) return;
  const auto [state, skip_taskbar] = *atoms;
  const auto native = static_cast<xcb_window_t>(window.winId());
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, native, state, XCB_ATOM_ATOM, 32, 1,
                      &skip_taskbar);
  xcb_flush(connection);
#else
  static_cast<void>(window);
#endif
}

void AskForNoMinimiseButton(QWidget& window) {
#ifdef MORVANE_HAVE_XCB
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const auto [type, toolbar, normal] = Atoms<3>(
      connection,
      {"_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_TOOLBAR", "_NET_WM_WINDOW_TYPE_NORMAL"});
  if (type == XCB_ATOM_NONE || toolbar == XCB_ATOM_NONE || normal == XCB_ATOM_NONE) return;
  // Most preferred first: a manager that does not know the first type takes the next.
  const std::array<xcb_atom_t, 2> types = {toolbar, normal};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      type, XCB_ATOM_ATOM, 32, types.size(), types.data());
  xcb_flush(connection);
#else
  static_cast<void>(window);
#endif
}

void ListInTaskbar(QWidget& window, bool listed) {
#ifdef MORVANE_HAVE_XCB
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const auto atoms = SkipTaskbarAtoms(connection);
  if (!atoms) return;
  const auto [state, skip_taskbar] = *atoms;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  // A managed window's state is the manager's to change: the window asks it (_NET_WM_STATE_REMOVE
  // is 0, _NET_WM_STATE_ADD 1; source 1, an application).
  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = static_cast<xcb_window_t>(window.winId());
  request.type = state;
  request.data.data32[0] = listed ? 0 : 1;
  request.data.data32[1] = skip_taskbar;
  request.data.data32[3] = 1;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&request));
  xcb_flush(connection);
#else
  static_cast<void>(window);
  static_cast<void>(listed);
#endif
}

QMargins ExpectedFrame(QWidget& window) {
#ifdef MORVANE_HAVE_XCB
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return {};
  const auto native = static_cast<xcb_window_t>(window.winId());
  const xcb_query_tree_cookie_t tree_cookie = xcb_query_tree(connection, native);
  const auto [supported, request_extents, frame_extents] =
      Atoms<3>(connection, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
  const ReplyPtr<xcb_query_tree_reply_t> tree(
      xcb_query_tree_reply(connection, tree_cookie, nullptr), &std::free);
  if (!tree || request_extents == XCB_ATOM_NONE || frame_extents == XCB_ATOM_NONE) return {};

  // Without a window manager, or with one that cannot estimate, the window gets no frame or
  // one we cannot know before it is mapped.
  const auto features = Property<xcb_atom_t>(connection, tree->root, supported, XCB_ATOM_ATOM);
  if (std::find(features.begin(), features.end(), request_extents) == features.end()) return {};

  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = native;
  request.type = request_extents;
  xcb_send_event(connection, 0, tree->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&request));
  xcb_flush(connection);

  // The manager answers by setting _NET_FRAME_EXTENTS (left, right, top, bottom) on the window.
  // Qt's event thread takes the PropertyNotify, so read the property until it appears: a
  // running manager answers within a millisecond or two; one that has died while its
  // _NET_SUPPORTED stayed on the root window never does.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  do {
    const auto extents = Property<uint32_t>(connection, native, frame_extents, XCB_ATOM_CARDINAL);
    if (extents.size() == 4) {
      return {static_cast<int>(extents[0]), static_cast<int>(extents[2]),
              static_cast<int>(extents[1]), static_cast<int>(extents[3])};
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
#else
  static_cast<void>(window);
  return {};
#endif
}

void ActivateWhenMapped(QWidget& window) {
#ifdef MORVANE_HAVE_XCB
  if (X11Connection() == nullptr) return;
  // Qt's xcb window defers an activation requested before the map until its MapNotify.
  window.winId();
  window.activateWindow();
#else
  static_cast<void>(window);
#endif
}

}  // namespace morvane
