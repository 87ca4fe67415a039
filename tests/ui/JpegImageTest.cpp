// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images/JpegImage.h"

#include <QColor>
#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

namespace {

// Encodes Width x Height pixels (Components bytes each, row by row) with libjpeg.
QByteArray EncodeJpeg(int Width, int Height, int Components, const std::vector<JSAMPLE>& Pixels) {
  jpeg_compress_struct Info;
  jpeg_error_mgr Error;
  Info.err = jpeg_std_error(&Error);
  jpeg_create_compress(&Info);
  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  jpeg_mem_dest(&Info, &Buffer, &Size);
  Info.image_width = static_cast<JDIMENSION>(Width);
  Info.image_height = static_cast<JDIMENSION>(Height);
  Info.input_components = Components;
  Info.in_color_space = Components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, 95, TRUE);
  jpeg_start_compress(&Info, TRUE);
  while (Info.next_scanline < Info.image_height) {
    JSAMPROW Row = const_cast<JSAMPLE*>(&Pixels[Info.next_scanline * Width * Components]);
    jpeg_write_scanlines(&Info, &Row, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);
  QByteArray Result(reinterpret_cast<const char*>(Buffer), static_cast<qsizetype>(Size));
  std::free(Buffer);
  return Result;
}

// 16 x 8, red left half, blue right half.
QByteArray RedBlueJpeg() {
  std::vector<JSAMPLE> Pixels;
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 16; ++X)
      Pixels.insert(Pixels.end(), {JSAMPLE(X < 8 ? 255 : 0), 0, JSAMPLE(X < 8 ? 0 : 255)});
  return EncodeJpeg(16, 8, 3, Pixels);
}

void ExpectColourNear(const QImage& Image, int X, int Y, int R, int G, int B) {
  const QColor C = Image.pixelColor(X, Y);
  EXPECT_NEAR(C.red(), R, 24) << "at " << X << "," << Y;
  EXPECT_NEAR(C.green(), G, 24) << "at " << X << "," << Y;
  EXPECT_NEAR(C.blue(), B, 24) << "at " << X << "," << Y;
}

const char* const NotJpeg = "the picture is not a valid JPEG: ";

} // namespace

TEST(JpegImage, DecodesColourPicture) {
  QString Error = "stale";
  const QImage Image = DecodeJpeg(RedBlueJpeg(), &Error);
  ASSERT_FALSE(Image.isNull()) << Error.toStdString();
  EXPECT_TRUE(Error.isEmpty());
  EXPECT_EQ(Image.size(), QSize(16, 8));
  ExpectColourNear(Image, 2, 1, 255, 0, 0);
  ExpectColourNear(Image, 5, 6, 255, 0, 0);
  ExpectColourNear(Image, 10, 1, 0, 0, 255);
  ExpectColourNear(Image, 14, 6, 0, 0, 255);
}

TEST(JpegImage, ExpandsGreyPictureToRgb) {
  std::vector<JSAMPLE> Pixels;
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 16; ++X)
      Pixels.push_back(X < 8 ? 40 : 200);
  const QImage Image = DecodeJpeg(EncodeJpeg(16, 8, 1, Pixels));
  ASSERT_FALSE(Image.isNull());
  ExpectColourNear(Image, 1, 0, 40, 40, 40);
  ExpectColourNear(Image, 6, 7, 40, 40, 40);
  ExpectColourNear(Image, 9, 3, 200, 200, 200);
  ExpectColourNear(Image, 15, 7, 200, 200, 200);
}

TEST(JpegImage, DamagedDataGivesNullImageAndReason) {
  const QByteArray Valid = RedBlueJpeg();
  // Cut inside the picture data libjpeg would only warn about and pad with grey.
  const QByteArray Samples[] = {Valid.chopped(12), Valid.left(Valid.size() / 2), Valid.left(2),
                                QByteArray("GIF89a definitely not a jpeg")};
  for (const QByteArray& Data : Samples) {
    QString Error;
    EXPECT_TRUE(DecodeJpeg(Data, &Error).isNull()) << Data.size();
    EXPECT_TRUE(Error.startsWith(NotJpeg)) << Error.toStdString();
    EXPECT_GT(Error.size(), qsizetype(strlen(NotJpeg))) << "libjpeg's reason is missing";
    EXPECT_FALSE(Error.contains('\n'));
    EXPECT_TRUE(DecodeJpeg(Data).isNull()) << "no error string wanted";
  }
  QString Error;
  EXPECT_TRUE(DecodeJpeg(QByteArray(), &Error).isNull());
  EXPECT_EQ(Error, "the picture is empty");

  // A header claiming 65500 x 65500 pixels is refused before some 12 GB are asked for.
  QByteArray Huge = Valid;
  const qsizetype Frame = Huge.indexOf("\xff\xc0");
  ASSERT_GE(Frame, 0);
  Huge.replace(Frame + 5, 4, QByteArray("\xff\xdc\xff\xdc", 4));
  EXPECT_TRUE(DecodeJpeg(Huge, &Error).isNull());
  EXPECT_EQ(Error.toStdString(), "the picture is too large: 65500 by 65500 pixels");
}

TEST(JpegImage, LoadsFileAndReportsMissingOne) {
  QTemporaryFile File;
  ASSERT_TRUE(File.open());
  File.write(RedBlueJpeg());
  File.close();
  QString Error;
  EXPECT_EQ(LoadJpegResource(File.fileName(), &Error).size(), QSize(16, 8));
  EXPECT_TRUE(Error.isEmpty());

  EXPECT_TRUE(LoadJpegResource(":/no-such-picture.jpg", &Error).isNull());
  EXPECT_EQ(Error, "cannot read :/no-such-picture.jpg");
}
