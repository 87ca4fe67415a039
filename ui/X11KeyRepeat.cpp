// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/X11KeyRepeat.h"

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
  // XKB requests count only after the client has announced the extension; Qt has done so,
  // and announcing it again is harmless.
  std::free(xcb_xkb_use_extension_reply(
      Connection, xcb_xkb_use_extension(Connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
      nullptr));
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
