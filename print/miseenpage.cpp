#include "print/miseenpage.h"

#include <cmath>
#include <utility>

#include "platform/canevas.h"

namespace calevrin {

using plateforme::Div;
using plateforme::R;

namespace {

// One decimal, no trailing zero, "." as separator, a half going away from zero: the way the
// program writes every number. Rounded to 9 digits first so that 29.65 stays 29.65.
QString Nombre(double v) {
  const double dixiemes = std::round(std::round(v * 1e9) / 1e8);
  QString t = QString::number(dixiemes / 10, 'f', 1);
  if (t.endsWith(QLatin1String(".0"))) t.chop(2);
  if (t == QLatin1String("-0")) t = QStringLiteral("0");
  return t;
}

}  // namespace

TMiseEnPage CalculerMiseEnPage(int largeurPage, int hauteurPage, bool paysage, TDisposition d, int marge) {
  TMiseEnPage m;
  if (largeurPage <= 0 || hauteurPage <= 0) {
    // Without a printable area the scale below would divide by zero.
    m.Imprimable = false;
    largeurPage = LargeurSansImprimante;
    hauteurPage = HauteurSansImprimante;
    if (paysage) std::swap(largeurPage, hauteurPage);
  }
  m.LargeurPage = largeurPage;
  m.HauteurPage = hauteurPage;
  if (paysage) {
    m.Echelle = 300.0 / largeurPage;
    m.Feuille = QSize(311, R(hauteurPage * m.Echelle) + marge + 6);
  } else {
    m.Echelle = 300.0 / hauteurPage;
    m.Feuille = QSize(R(largeurPage * m.Echelle) + marge + 6, 311);
  }
  const int l = largeurPage;
  const int h = hauteurPage;
  switch (d) {
    case TDisposition::HautGauche: m.Zone = QRect(0, 0, Div(l, 2), Div(h, 2)); break;
    case TDisposition::Haut: m.Zone = QRect(0, 0, l, Div(h, 2)); break;
    case TDisposition::PageEntiere: m.Zone = QRect(0, 0, l, h); break;
    case TDisposition::HautCentre: m.Zone = QRect(Div(l, 4), 0, Div(l, 2), Div(h, 2)); break;
    case TDisposition::Milieu: m.Zone = QRect(0, Div(h, 4), l, Div(h, 2)); break;
    case TDisposition::Centre: m.Zone = QRect(Div(l, 4), Div(h, 4), Div(l, 2), Div(h, 2)); break;
  }
  const double s = m.Echelle;
  m.Image = QRect(R(m.Zone.x() * s) + 11, R(m.Zone.y() * s) + 11, R(m.Zone.width() * s), R(m.Zone.height() * s));
  return m;
}

QString TexteTaillePage(const TMetriques& m) {
  const int rv = m.ResolutionVerticale > 0 ? m.ResolutionVerticale : m.ResolutionImprimante;
  return QStringLiteral("Taille de la page : Largeur: ") +
         Nombre(static_cast<double>(m.LargeurPhysique) / m.ResolutionImprimante * 2.54) +
         QStringLiteral(" cm  /  Hauteur: ") + Nombre(static_cast<double>(m.HauteurPhysique) / rv * 2.54) +
         QStringLiteral(" cm");
}

}  // namespace calevrin
