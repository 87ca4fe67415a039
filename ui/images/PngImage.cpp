// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images/PngImage.h"

#include <QFile>

#include <png.h>

QImage LoadPngResource(const QString& Path) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly))
    return {};
  const QByteArray Data = File.readAll();
  png_image Info{};
  Info.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&Info, Data.constData(),
                                        static_cast<png_size_t>(Data.size())))
    return {};
  // QImage's ARGB32 holds each pixel as one native-endian 0xAARRGGBB word.
  Info.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage Image(static_cast<int>(Info.width), static_cast<int>(Info.height), QImage::Format_ARGB32);
  if (Image.isNull()) {
    png_image_free(&Info);
    return {};
  }
  if (!png_image_finish_read(&Info, nullptr, Image.bits(),
                             static_cast<png_int_32>(Image.bytesPerLine()), nullptr))
    return {};
  return Image;
}
