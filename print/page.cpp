#include "print/page.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "platform/canevasqt.h"

namespace calevrin {

namespace {

// The sheet picture's shadow: only the zones are read here, which do not depend on it.
constexpr int Marge = 5;

}  // namespace

QByteArray PagePdf(const TDessinZone& dessin, const QPageLayout& page, int resolution, TDisposition d, bool paysage,
                   const QString& titre) {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&tampon);
    pdf.setResolution(resolution);
    pdf.setPageLayout(page);
    pdf.setTitle(titre);
    pdf.setCreator(QStringLiteral("Calevrin"));
    QPainter p;
    if (!p.begin(&pdf)) return {};
    const QRect zone = pdf.pageLayout().paintRectPixels(resolution);
    const TMiseEnPage m = CalculerMiseEnPage(zone.width(), zone.height(), paysage, d, Marge);
    plateforme::TCanevasQt c(p);
    dessin(c, m.Zone);
    if (!p.end()) return {};
  }
  return octets;
}

QByteArray ImagePng(const TDessinZone& dessin, const QPageLayout& page, TDisposition d, bool paysage) {
  const QRect zone = page.paintRectPixels(ResolutionImage);
  const TMiseEnPage m = CalculerMiseEnPage(zone.width(), zone.height(), paysage, d, Marge);
  QImage image(m.Zone.size(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  const int parMetre = static_cast<int>(std::lround(ResolutionImage / 0.0254));
  image.setDotsPerMeterX(parMetre);
  image.setDotsPerMeterY(parMetre);
  {
    QPainter p(&image);
    plateforme::TCanevasQt c(p);
    dessin(c, QRect(QPoint(0, 0), m.Zone.size()));
  }
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  if (!image.save(&tampon, "PNG")) return {};
  return octets;
}

}  // namespace calevrin
