// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageLine.h"

#include <QAccessible>

void TMessageLine::Announce(const QString& Text) {
  if (Text == text())
    return;
  setText(Text);
  // The desktop bridge turns this into "showing" on a notification, which screen
  // readers speak at once.
  if (QAccessible::isActive()) {
    QAccessibleEvent Shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&Shown);
  }
}
