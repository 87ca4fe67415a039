// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/X11KeyRepeat.h"

#include <QGuiApplication>

#if defined(QUENLITH_HAVE_XCB) && QT_CONFIG(xcb)
// The C header names a field "explicit"; rename it for the C++ compiler.
#define explicit xcb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

bool RequestExactKeyReleases() {
  const auto* X11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!X11 || !X11->connection())
    return false;
  xcb_connection_t* Connection = X11->connection();
  // A request to an extension the server lacks would close Qt's connection.
  const xcb_query_extension_reply_t* Xkb = xcb_get_extension_data(Connection, &xcb_xkb_id);
  if (!Xkb || !Xkb->present)
    return false;
  // XKB requests count only after the client has announced the extension; announcing it
  // again is harmless.
  auto* Use = xcb_xkb_use_extension_reply(
      Connection, xcb_xkb_use_extension(Connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
      nullptr);
  const bool Supported = Use && Use->supported;
  std::free(Use);
  if (!Supported)
    return false;
  constexpr std::uint32_t Detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  auto* Reply =
      xcb_xkb_per_client_flags_reply(Connection,
                                     xcb_xkb_per_client_flags(Connection, XCB_XKB_ID_USE_CORE_KBD,
                                                              Detectable, Detectable, 0, 0, 0),
                                     nullptr);
  const bool InForce = Reply && (Reply->value & Detectable);
  std::free(Reply);
  return InForce;
}

#else

bool RequestExactKeyReleases() {
  return false;
}

#endif
