// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-line message above the board. A screen reader hears a message when it appears:
// the line counts as shown only while it holds text, and says so when text arrives.

#include <QLabel>

class TMessageLine : public QLabel {
  Q_OBJECT

public:
  using QLabel::QLabel;

  // Shows Text and announces it; the same message again (the same end of the game after
  // an undo) is news again and announced again.
  void Announce(const QString& Text);
  // Empties the line; a screen reader learns that the message has gone.
  void Clear();
};
