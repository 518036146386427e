// SPDX-License-Identifier: GPL-3.0-or-later
// Paints Morvane's program icon and writes it as an opaque 24-bit PNG and as a Windows icon
// file holding that single image. Run by scripts/icon; the outputs are committed.
#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPen>

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kSide = 48;

// Nine items in a three-by-three grid, three of them picked out: a combination of 9 taken 3.
QImage PaintIcon() {
  QImage image(kSide, kSide, QImage::Format_RGB888);
  image.fill(QColor(0x1f, 0x4e, 0x79));

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  // A one-pixel darker edge keeps the square readable on light and dark backgrounds alike.
  painter.setPen(QPen(QColor(0x12, 0x2f, 0x4a), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, kSide - 1.0, kSide - 1.0));

  constexpr std::array<double, 3> kCentres = {11.5, 24.0, 36.5};
  constexpr std::array<std::array<bool, 3>, 3> kPicked = {{
      {true, false, false},
      {false, false, true},
      {false, true, false},
  }};
  for (std::size_t row = 0; row < kCentres.size(); ++row) {
    for (std::size_t column = 0; column < kCentres.size(); ++column) {
      const QPointF centre(kCentres[column], kCentres[row]);
      if (kPicked[row][column]) {
        painter.setPen(QPen(QColor(0xff, 0xf4, 0xe0), 1.5));
        painter.setBrush(QColor(0xf5, 0x9e, 0x22));
        painter.drawEllipse(centre, 5.6, 5.6);
      } else {
        painter.setPen(QPen(QColor(0xa9, 0xc6, 0xde), 1.5));
        painter.setBrush(QColor(0x2c, 0x64, 0x96));
        painter.drawEllipse(centre, 4.2, 4.2);
      }
    }
  }
  painter.end();
  return image;
}

void AppendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.append(static_cast<char>((value >> (8 * i)) & 0xffU));
  }
}

// Qt's own icon writer always stores 32-bit images with an alpha channel, so the file is
// written here: one directory entry, a bottom-up 24-bit BGR bitmap and an all-zero AND mask,
// which marks every pixel opaque.
QByteArray IcoFile(const QImage& image) {
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t colour_row = (width * 3 + 3) / 4 * 4;
  const std::uint32_t mask_row = (width + 31) / 32 * 4;
  constexpr std::uint32_t kHeaderSize = 40;
  const std::uint32_t pixel_bytes = (colour_row + mask_row) * height;
  constexpr std::uint32_t kImageOffset = 6 + 16;

  QByteArray out;
  AppendLittleEndian(out, 0, 2);  // reserved
  AppendLittleEndian(out, 1, 2);  // resource type: icon
  AppendLittleEndian(out, 1, 2);  // one image
  AppendLittleEndian(out, width, 1);
  AppendLittleEndian(out, height, 1);
  AppendLittleEndian(out, 0, 1);   // no palette
  AppendLittleEndian(out, 0, 1);   // reserved
  AppendLittleEndian(out, 1, 2);   // colour planes
  AppendLittleEndian(out, 24, 2);  // bits per pixel
  AppendLittleEndian(out, kHeaderSize + pixel_bytes, 4);
  AppendLittleEndian(out, kImageOffset, 4);

  AppendLittleEndian(out, kHeaderSize, 4);
  AppendLittleEndian(out, width, 4);
  AppendLittleEndian(out, height * 2, 4);  // colour bitmap and mask together
  AppendLittleEndian(out, 1, 2);
  AppendLittleEndian(out, 24, 2);
  AppendLittleEndian(out, 0, 4);  // uncompressed
  AppendLittleEndian(out, pixel_bytes, 4);
  for (int i = 0; i < 4; ++i) AppendLittleEndian(out, 0, 4);  // resolution and palette

  for (int y = image.height() - 1; y >= 0; --y) {
    const uchar* line = image.constScanLine(y);
    for (std::size_t x = 0; x < width; ++x) {
      const uchar* rgb = line + 3 * x;
      out.append(static_cast<char>(rgb[2]));
      out.append(static_cast<char>(rgb[1]));
      out.append(static_cast<char>(rgb[0]));
    }
    out.append(QByteArray(static_cast<int>(colour_row - width * 3), '\0'));
  }
  out.append(QByteArray(static_cast<int>(mask_row * height), '\0'));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ICON.png ICON.ico\n", argv[0]);
    return 2;
  }
  const QImage image = PaintIcon();
  if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  QFile ico(QString::fromLocal8Bit(argv[2]));
  if (!ico.open(QIODevice::WriteOnly) || ico.write(IcoFile(image)) < 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
