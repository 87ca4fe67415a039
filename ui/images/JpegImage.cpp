// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

// libjpeg reports fatal errors by calling error_exit, which by default ends the process.
// We longjmp out of it instead, so every frame between the setjmp below and libjpeg's
// callback holds only trivially destructible locals; the QImage lives in the caller.

namespace {

struct TJpegError {
  jpeg_error_mgr Manager; // first, so libjpeg's pointer to it is a pointer to us
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

struct TDecodeJob {
  const unsigned char* Data;
  unsigned long Size;
  QImage* Image;
  bool TooLarge;
  JDIMENSION Width; // as the header gives it
  JDIMENSION Height;
};

// Far beyond any picture of the game; a damaged header may claim up to 65500 by 65500
// pixels, some 12 GB, which is refused before anything is allocated.
constexpr JDIMENSION MaxSide = 8192;

[[noreturn]] void FailJpeg(j_common_ptr Info) {
  auto* Error = reinterpret_cast<TJpegError*>(Info->err);
  Info->err->format_message(Info, Error->Message);
  std::longjmp(Error->Jump, 1);
}

// Warnings mean damaged data (a truncated file decodes with a grey tail), so they fail
// too; trace messages are dropped rather than written to stderr.
void EmitJpegMessage(j_common_ptr Info, int Level) {
  if (Level < 0)
    FailJpeg(Info);
}

void ExpandGreyRow(unsigned char* Row, int Width) {
  // In place from the right: pixel X's three bytes never overlap grey bytes still unread.
  for (int X = Width - 1; X >= 0; --X) {
    const unsigned char Grey = Row[X];
    Row[3 * X] = Grey;
    Row[3 * X + 1] = Grey;
    Row[3 * X + 2] = Grey;
  }
}

bool AllocateImage(QImage* Image, int Width, int Height) {
  *Image = QImage(Width, Height, QImage::Format_RGB888);
  return !Image->isNull();
}

// Runs between jpeg_read_header and jpeg_finish_decompress; may be left by longjmp.
bool ReadPixels(j_decompress_ptr Info, TDecodeJob* Job) {
  const bool Grey = Info->jpeg_color_space == JCS_GRAYSCALE;
  Info->out_color_space = Grey ? JCS_GRAYSCALE : JCS_RGB;
  Job->Width = Info->image_width;
  Job->Height = Info->image_height;
  if (Info->image_width > MaxSide || Info->image_height > MaxSide) {
    Job->TooLarge = true;
    return false;
  }
  jpeg_start_decompress(Info);
  const int Width = static_cast<int>(Info->output_width);
  if (!AllocateImage(Job->Image, Width, static_cast<int>(Info->output_height))) {
    Job->TooLarge = true;
    return false;
  }
  while (Info->output_scanline < Info->output_height) {
    JSAMPROW Row = Job->Image->scanLine(static_cast<int>(Info->output_scanline));
    jpeg_read_scanlines(Info, &Row, 1);
    if (Grey)
      ExpandGreyRow(Row, Width);
  }
  jpeg_finish_decompress(Info);
  return true;
}

// Info lives in the caller: a local of this frame changed after setjmp would hold an
// indeterminate value once longjmp has come back here.
bool RunDecode(jpeg_decompress_struct* Info, TDecodeJob* Job, TJpegError* Error) {
  Info->err = jpeg_std_error(&Error->Manager);
  Error->Manager.error_exit = FailJpeg;
  Error->Manager.emit_message = EmitJpegMessage;
  Error->Message[0] = '\0';
  if (setjmp(Error->Jump)) {
    jpeg_destroy_decompress(Info);
    return false;
  }
  jpeg_create_decompress(Info);
  jpeg_mem_src(Info, Job->Data, Job->Size);
  jpeg_read_header(Info, TRUE);
  const bool Done = ReadPixels(Info, Job);
  jpeg_destroy_decompress(Info);
  return Done;
}

void SetError(QString* Error, const QString& Text) {
  if (Error)
    *Error = Text;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data, QString* Error) {
  if (Data.isEmpty()) {
    SetError(Error, QStringLiteral("the picture is empty"));
    return {};
  }
  QImage Image;
  TDecodeJob Job{reinterpret_cast<const unsigned char*>(Data.constData()),
                 static_cast<unsigned long>(Data.size()),
                 &Image,
                 false,
                 0,
                 0};
  TJpegError JpegError;
  jpeg_decompress_struct Info;
  if (RunDecode(&Info, &Job, &JpegError)) {
    SetError(Error, QString());
    return Image;
  }
  if (Job.TooLarge)
    SetError(
        Error,
        QStringLiteral("the picture is too large: %1 by %2 pixels").arg(Job.Width).arg(Job.Height));
  else
    SetError(Error, QStringLiteral("the picture is not a valid JPEG: %1")
                        .arg(QString::fromLocal8Bit(JpegError.Message)));
  return {};
}

QImage LoadJpegResource(const QString& Path, QString* Error) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) {
    SetError(Error, QStringLiteral("cannot read %1").arg(Path));
    return {};
  }
  QString Reason;
  QImage Image = DecodeJpeg(File.readAll(), &Reason);
  if (Image.isNull())
    SetError(Error, QStringLiteral("%1: %2").arg(Path, Reason));
  else
    SetError(Error, QString());
  return Image;
}
