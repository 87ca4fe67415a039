// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/Placement.h"

#include <algorithm>

QPoint CentredPlace(const QSize& FrameSize, const QRect& Available) {
  QRect Frame(QPoint(0, 0), FrameSize);
  Frame.moveCenter(Available.center());
  return {std::max(Frame.left(), Available.left()), std::max(Frame.top(), Available.top())};
}
