// SPDX-License-Identifier: GPL-3.0-or-later
// On a real X server (run_on_x.py starts one): the window manager's frame, as announced on
// the window, read once per change.
#include "ui/desktop/X11FrameExtents.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* Connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// The number of the last request sent, after a round trip that waits for everything before.
unsigned LastRequest() {
  const xcb_get_input_focus_cookie_t Cookie = xcb_get_input_focus(Connection());
  std::free(xcb_get_input_focus_reply(Connection(), Cookie, nullptr));
  return Cookie.sequence;
}

unsigned RequestsSentBy(const std::function<void()>& Work) {
  const unsigned Before = LastRequest();
  Work();
  return LastRequest() - Before - 1;
}

xcb_atom_t FrameAtom() {
  static constexpr char Name[] = "_NET_FRAME_EXTENTS";
  auto* Reply = xcb_intern_atom_reply(
      Connection(), xcb_intern_atom(Connection(), 0, std::strlen(Name), Name), nullptr);
  const xcb_atom_t Atom = Reply->atom;
  std::free(Reply);
  return Atom;
}

// As a window manager announces its frame: left, right, top, bottom.
void Announce(xcb_window_t Window, std::uint32_t Left, std::uint32_t Right, std::uint32_t Top,
              std::uint32_t Bottom) {
  const std::uint32_t Value[] = {Left, Right, Top, Bottom};
  xcb_change_property(Connection(), XCB_PROP_MODE_REPLACE, Window, FrameAtom(), XCB_ATOM_CARDINAL,
                      32, 4, Value);
  xcb_flush(Connection());
}

} // namespace

TEST(X11FrameExtents, AsksOncePerChangeOfWhatTheWindowManagerAnnounces) {
  QWidget Widget;
  Widget.resize(120, 80);
  Widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Widget));
  const QWindow& Window = *Widget.windowHandle();
  const auto Id = static_cast<xcb_window_t>(Widget.winId());

  // No window manager here: nothing announced, and asked once.
  const unsigned Unannounced = RequestsSentBy([&] {
    for (int I = 0; I < 20; ++I)
      EXPECT_EQ(X11FrameExtents(Window), std::nullopt);
  });
  EXPECT_LE(Unannounced, 2u) << "requests for twenty questions";

  Announce(Id, 4, 5, 20, 6);
  const QMargins Frame(4, 20, 5, 6);
  EXPECT_TRUE(QTest::qWaitFor([&] { return X11FrameExtents(Window) == Frame; }));
  const unsigned Announced = RequestsSentBy([&] {
    for (int I = 0; I < 20; ++I)
      EXPECT_EQ(X11FrameExtents(Window), Frame);
  });
  EXPECT_EQ(Announced, 0u) << "requests for twenty questions";

  // A value of the wrong size announces nothing.
  const std::uint32_t Short[] = {1, 2};
  xcb_change_property(Connection(), XCB_PROP_MODE_REPLACE, Id, FrameAtom(), XCB_ATOM_CARDINAL, 32,
                      2, Short);
  xcb_flush(Connection());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !X11FrameExtents(Window); }));

  xcb_delete_property(Connection(), Id, FrameAtom());
  Announce(Id, 1, 1, 1, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return X11FrameExtents(Window) == QMargins(1, 1, 1, 1); }));
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication App(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
