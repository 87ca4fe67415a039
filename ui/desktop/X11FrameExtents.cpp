// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/X11FrameExtents.h"

#include <QGuiApplication>
#include <QWindow>

#if defined(QUENLITH_HAVE_XCB) && QT_CONFIG(xcb)
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace {

using TDeviceExtents = std::array<std::uint32_t, 4>; // left, right, top, bottom

// What the window manager has announced for each window, read from the server once and
// then again only after it says the property has changed. Lives as long as the
// application, on whose connection it watches the events.
class TExtentsWatch : public QObject, public QAbstractNativeEventFilter {
public:
  TExtentsWatch(xcb_connection_t* Connection, xcb_atom_t Atom)
      : QObject(qGuiApp), FConnection(Connection), FAtom(Atom) {
    qGuiApp->installNativeEventFilter(this);
  }

  xcb_connection_t* Connection() const { return FConnection; }

  std::optional<TDeviceExtents> Extents(xcb_window_t Window) {
    if (const auto Known = FKnown.find(Window); Known != FKnown.end())
      return Known->second;
    xcb_generic_error_t* Error = nullptr;
    auto* Reply = xcb_get_property_reply(
        FConnection, xcb_get_property(FConnection, 0, Window, FAtom, XCB_ATOM_CARDINAL, 0, 4),
        &Error);
    if (Error) { // the window is gone, say: nothing to remember
      std::free(Error);
      std::free(Reply);
      return std::nullopt;
    }
    std::optional<TDeviceExtents> Extents;
    if (Reply && Reply->format == 32 && xcb_get_property_value_length(Reply) == 16) {
      Extents.emplace();
      std::memcpy(Extents->data(), xcb_get_property_value(Reply), 16);
    }
    std::free(Reply);
    FKnown.emplace(Window, Extents);
    return Extents;
  }

  bool nativeEventFilter(const QByteArray& Type, void* Message, qintptr*) override {
    if (Type != "xcb_generic_event_t")
      return false;
    const auto* Event = static_cast<const xcb_generic_event_t*>(Message);
    switch (Event->response_type & ~0x80) {
    case XCB_PROPERTY_NOTIFY: {
      const auto* Change = reinterpret_cast<const xcb_property_notify_event_t*>(Event);
      if (Change->atom == FAtom)
        FKnown.erase(Change->window);
      break;
    }
    case XCB_DESTROY_NOTIFY: // its number may come back for another window
      FKnown.erase(reinterpret_cast<const xcb_destroy_notify_event_t*>(Event)->window);
      break;
    default:
      break;
    }
    return false;
  }

private:
  xcb_connection_t* FConnection;
  xcb_atom_t FAtom;
  std::unordered_map<xcb_window_t, std::optional<TDeviceExtents>> FKnown;
};

TExtentsWatch* Watch(xcb_connection_t* Connection) {
  static QPointer<TExtentsWatch> Current;
  if (Current && Current->Connection() == Connection)
    return Current;
  delete Current;
  static constexpr char Name[] = "_NET_FRAME_EXTENTS";
  xcb_generic_error_t* Error = nullptr;
  auto* Atom = xcb_intern_atom_reply(
      Connection, xcb_intern_atom(Connection, 0, std::strlen(Name), Name), &Error);
  std::free(Error);
  const xcb_atom_t Value = Atom ? Atom->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(Atom);
  if (Value == XCB_ATOM_NONE)
    return nullptr;
  Current = new TExtentsWatch(Connection, Value);
  return Current;
}

} // namespace

std::optional<QMargins> X11FrameExtents(const QWindow& Window) {
  const auto* X11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!X11 || !X11->connection() || !Window.handle())
    return std::nullopt;
  TExtentsWatch* Extents = Watch(X11->connection());
  if (!Extents)
    return std::nullopt;
  const auto Device = Extents->Extents(static_cast<xcb_window_t>(Window.winId()));
  if (!Device)
    return std::nullopt;
  // Left, right, top, bottom, in device pixels; the window is placed in logical ones.
  const qreal Ratio = Window.devicePixelRatio();
  const auto Logical = [Ratio](std::uint32_t Pixels) { return qRound(Pixels / Ratio); };
  const auto& [Left, Right, Top, Bottom] = *Device;
  return QMargins(Logical(Left), Logical(Top), Logical(Right), Logical(Bottom));
}

#else

std::optional<QMargins> X11FrameExtents(const QWindow&) {
  return std::nullopt;
}

#endif
