// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG pictures decoded with libjpeg into QImage, without Qt's image plug-ins.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a whole JPEG file held in memory into an RGB888 image (grey pictures are
// expanded to RGB). On failure returns a null image and, if Error is given, a one-line
// reason. A damaged file is reported, never shown half decoded.
QImage DecodeJpeg(const QByteArray& Data, QString* Error = nullptr);

// Reads a file or Qt resource (":/background.jpg") and decodes it as above.
QImage LoadJpegResource(const QString& Path, QString* Error = nullptr);
