// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG pictures (the icons and the cursor) decoded with libpng into QImage. Qt's reader
// would first scan and ask its image plug-ins, which costs start-up time and memory.

#include <QImage>
#include <QString>

// Reads a PNG file or resource into an ARGB32 image; a null image when it cannot.
QImage LoadPngResource(const QString& Path);
