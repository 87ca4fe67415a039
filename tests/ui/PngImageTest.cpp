// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images/PngImage.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Channel order and alpha must come out as Qt's own reader gives them, on a picture of
// four colours, one of them half transparent.
TEST(PngImage, DecodesAsQtDoes) {
  QImage Source(2, 2, QImage::Format_ARGB32);
  Source.setPixel(0, 0, qRgba(255, 0, 0, 255));
  Source.setPixel(1, 0, qRgba(0, 255, 0, 255));
  Source.setPixel(0, 1, qRgba(0, 0, 255, 255));
  Source.setPixel(1, 1, qRgba(10, 20, 30, 128));
  QTemporaryDir Folder;
  const QString Path = Folder.filePath("four.png");
  ASSERT_TRUE(Source.save(Path, "PNG"));

  const QImage Decoded = LoadPngResource(Path);
  ASSERT_EQ(Decoded.format(), QImage::Format_ARGB32);
  EXPECT_EQ(Decoded, Source);
  EXPECT_EQ(LoadPngResource(":/icon32.png"),
            QImage(":/icon32.png").convertToFormat(QImage::Format_ARGB32));
}

TEST(PngImage, MissingOrDamagedFileGivesNullImage) {
  EXPECT_TRUE(LoadPngResource(":/no-such.png").isNull());
  QTemporaryDir Folder;
  const QString Path = Folder.filePath("cut.png");
  QFile Whole(":/icon32.png");
  ASSERT_TRUE(Whole.open(QIODevice::ReadOnly));
  QFile Cut(Path);
  ASSERT_TRUE(Cut.open(QIODevice::WriteOnly));
  Cut.write(Whole.readAll().left(200));
  Cut.close();
  EXPECT_TRUE(LoadPngResource(Path).isNull());
}
