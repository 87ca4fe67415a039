// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/X11FrameExtents.h"

#include <QGuiApplication>
#include <QWindow>

#if defined(QUENLITH_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

std::optional<QMargins> X11FrameExtents(const QWindow& Window) {
  const auto* X11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!X11 || !X11->connection() || !Window.handle())
    return std::nullopt;
  xcb_connection_t* Connection = X11->connection();
  static constexpr char Name[] = "_NET_FRAME_EXTENTS";
  auto* Atom = xcb_intern_atom_reply(
      Connection, xcb_intern_atom(Connection, 1, std::strlen(Name), Name), nullptr);
  if (!Atom)
    return std::nullopt;
  auto* Reply = xcb_get_property_reply(Connection,
                                       xcb_get_property(Connection, 0,
                                                        static_cast<xcb_window_t>(Window.winId()),
                                                        Atom->atom, XCB_ATOM_CARDINAL, 0, 4),
                                       nullptr);
  std::free(Atom);
  std::optional<QMargins> Extents;
  if (Reply && Reply->format == 32 && xcb_get_property_value_length(Reply) == 16) {
    const auto* Value = static_cast<const std::uint32_t*>(xcb_get_property_value(Reply));
    // Left, right, top, bottom, in device pixels; the window is placed in logical ones.
    const qreal Ratio = Window.devicePixelRatio();
    const auto Logical = [Ratio](std::uint32_t Device) { return qRound(Device / Ratio); };
    Extents = QMargins(Logical(Value[0]), Logical(Value[2]), Logical(Value[1]), Logical(Value[3]));
  }
  std::free(Reply);
  return Extents;
}

#else

std::optional<QMargins> X11FrameExtents(const QWindow&) {
  return std::nullopt;
}

#endif
