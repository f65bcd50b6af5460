// Writes the program's icon into a hicolor icon theme tree at build time, from the same shapes
// as the window icon: PNGs at the usual sizes and a scalable SVG.
// Usage: render_app_icon THEME_DIR ICON_NAME
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>

#include "gui/app_icon.h"

namespace glyphgrid {
namespace {

constexpr int PngSizes[] = {16, 32, 48, 64, 128, 256};
// The drawing's own units for the scalable icon: the large form, with gaps between the lamps.
constexpr int SvgSize = 256;

bool SavePng(const QString& folder, const QString& name, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintAppIcon(painter, size);
  painter.end();
  return QDir().mkpath(folder) && image.save(folder + "/" + name + ".png");
}

QString Number(double value) {
  return QString::number(value, 'g', 6);
}

QByteArray SvgText(int size) {
  QString svg = QString(
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\">\n")
                    .arg(size);
  for (const IconShape& shape : AppIconShapes(size)) {
    const QRectF& bounds = shape.bounds;
    const QString fill = shape.colour.name();
    if (shape.kind == IconShape::Kind::RoundedSquare) {
      svg += QString(
                 "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\" "
                 "stroke=\"none\"/>\n")
                 .arg(Number(bounds.x()), Number(bounds.y()), Number(bounds.width()),
                      Number(bounds.height()), Number(shape.corner_radius), fill);
    } else {
      svg +=
          QString(
              "  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\" stroke=\"none\"/>\n")
              .arg(Number(bounds.center().x()), Number(bounds.center().y()),
                   Number(bounds.width() / 2), Number(bounds.height() / 2), fill);
    }
  }
  svg += "</svg>\n";
  return svg.toUtf8();
}

bool SaveSvg(const QString& folder, const QString& name) {
  QSaveFile file(folder + "/" + name + ".svg");
  return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
         file.write(SvgText(SvgSize)) >= 0 && file.commit();
}

int Main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 3) {
    std::fprintf(stderr, "usage: render_app_icon THEME_DIR ICON_NAME\n");
    return 2;
  }
  const QString& theme = arguments[1];
  const QString& name = arguments[2];
  for (int size : PngSizes) {
    const QString folder = QString("%1/%2x%2/apps").arg(theme).arg(size);
    if (!SavePng(folder, name, size)) {
      std::fprintf(stderr, "render_app_icon: cannot write the icon in %s\n", qPrintable(folder));
      return 1;
    }
  }
  if (!SaveSvg(theme + "/scalable/apps", name)) {
    std::fprintf(stderr, "render_app_icon: cannot write the SVG icon in %s\n", qPrintable(theme));
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::Main(argc, argv);
}
