// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageLine.h"

#include <QAccessible>

namespace {

void Tell(QObject* Line, QAccessible::Event Type) {
  if (QAccessible::isActive()) {
    QAccessibleEvent Event(Line, Type);
    QAccessible::updateAccessibility(&Event);
  }
}

} // namespace

void TMessageLine::Announce(const QString& Text) {
  if (Text != text())
    setText(Text);
  // The desktop bridge turns this into "showing" on a notification, which screen
  // readers speak at once.
  Tell(this, QAccessible::ObjectShow);
}

void TMessageLine::Clear() {
  if (text().isEmpty())
    return;
  clear();
  Tell(this, QAccessible::ObjectHide);
}
