// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureBox.h"
#include "ui/images/JpegImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage Render(TPictureBox& Box, qreal PixelRatio) {
  QImage Target((QSizeF(Box.size()) * PixelRatio).toSize(), QImage::Format_RGB32);
  Target.setDevicePixelRatio(PixelRatio);
  Target.fill(Qt::magenta);
  Box.render(&Target);
  return Target;
}

bool SamePixels(const QImage& A, const QImage& B) {
  return A.size() == B.size() &&
         A.convertToFormat(QImage::Format_RGB32) == B.convertToFormat(QImage::Format_RGB32);
}

TEST(PictureBox, DrawsTheCopyMadeForTheScreensDensity) {
  TPictureBox Box;
  Box.LoadPicture(":/about.jpg");
  EXPECT_EQ(Box.size(), QSize(375, 195));
  QImage Normal = LoadJpegResource(":/about.jpg");
  QImage Double = LoadJpegResource(":/about@2x.jpg");
  EXPECT_TRUE(SamePixels(Render(Box, 1.0), Normal));
  QImage Dense = Render(Box, 2.0);
  Dense.setDevicePixelRatio(1.0);
  EXPECT_TRUE(SamePixels(Dense, Double)) << "drawn from the large copy, not scaled up";
}

TEST(PictureBox, MissingLargeCopyFallsBackAndMissingPictureRaises) {
  QTemporaryDir Folder;
  const QString Path = Folder.filePath("lone.jpg");
  ASSERT_TRUE(QFile::copy(":/about.jpg", Path));
  TPictureBox Box;
  Box.LoadPicture(Path);
  const QImage Dense = Render(Box, 2.0);
  EXPECT_NE(Dense.pixel(10, 10), QColor(Qt::magenta).rgb()) << "scaled, but drawn";

  try {
    Box.LoadPicture(Folder.filePath("gone.jpg"));
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& Error) {
    EXPECT_NE(std::string(Error.what()).find("gone.jpg"), std::string::npos) << Error.what();
  }
}

} // namespace
