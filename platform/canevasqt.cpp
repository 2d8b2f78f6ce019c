#include "platform/canevasqt.h"

#include <QFontMetrics>

namespace calevrin::plateforme {

QColor TCanevasQt::Couleur(TCouleurRGB c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont TCanevasQt::Font() const {
  QFont f(Police().Nom);
  f.setPointSizeF(Police().Taille > 0 ? Police().Taille : 1);
  f.setBold(Police().Gras);
  f.setItalic(Police().Italique);
  f.setUnderline(Police().Souligne);
  return f;
}

void TCanevasQt::AppliquerPlume() {
  if (StylePlume() == TStylePlume::Aucun) {
    p_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(Couleur(CouleurPlume()));
  pen.setWidth(LargeurPlume());
  pen.setStyle(StylePlume() == TStylePlume::Pointille ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p_.setPen(pen);
}

void TCanevasQt::AppliquerBrosse() {
  switch (StyleBrosse()) {
    case TStyleBrosse::Plein: p_.setBrush(Couleur(CouleurBrosse())); break;
    case TStyleBrosse::Vide: p_.setBrush(Qt::NoBrush); break;
    case TStyleBrosse::Croise: p_.setBrush(QBrush(Couleur(CouleurBrosse()), Qt::CrossPattern)); break;
  }
}

void TCanevasQt::TexteSortie(int x, int y, const QString& texte) {
  const QFont f = Font();
  const QFontMetrics fm(f, p_.device());
  const int l = fm.horizontalAdvance(texte);
  if (Alignement() == TAlignement::Centre) x -= l / 2;
  if (Alignement() == TAlignement::Droite) x -= l;
  if (StyleBrosse() == TStyleBrosse::Plein) p_.fillRect(x, y, l, fm.height(), Couleur(CouleurBrosse()));
  p_.setFont(f);
  p_.setPen(Couleur(Police().Couleur));
  // QPainter writes from the baseline; the program places text by its top.
  p_.drawText(x, y + fm.ascent(), texte);
}

void TCanevasQt::TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) {
  p_.save();
  p_.setClipRect(gauche, haut, droite - gauche, bas - haut, Qt::IntersectClip);
  const TAlignement a = Alignement();
  FixerAlignement(TAlignement::Gauche);
  TexteSortie(x, y, texte);
  FixerAlignement(a);
  p_.restore();
}

void TCanevasQt::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  if (StyleBrosse() != TStyleBrosse::Vide) {
    AppliquerBrosse();
    p_.setPen(Qt::NoPen);
    p_.drawRect(x1, y1, x2 - x1, y2 - y1);
  }
  if (StylePlume() == TStylePlume::Aucun) return;
  AppliquerPlume();
  p_.setBrush(Qt::NoBrush);
  // The outline lies inside the rectangle, its last row and column excluded.
  const int w = LargeurPlume();
  const double d = w / 2.0;
  p_.drawRect(QRectF(x1 + d, y1 + d, x2 - x1 - w, y2 - y1 - w));
}

void TCanevasQt::RemplirRectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  AppliquerBrosse();
  p_.setPen(Qt::NoPen);
  p_.drawRect(x1, y1, x2 - x1, y2 - y1);
}

void TCanevasQt::Ligne(int x1, int y1, int x2, int y2) {
  if (StylePlume() == TStylePlume::Aucun || (x1 == x2 && y1 == y2)) return;
  AppliquerPlume();
  // Through pixel centres, the end point excluded as the program's line rule has it: a
  // square cap on the last included pixel covers exactly [x1, x2) for straight lines.
  const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
  const int dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
  if (dx == 0 || dy == 0) {
    QPen pen = p_.pen();
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
    p_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 - dx + 0.5, y2 - dy + 0.5));
  } else {
    p_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
  }
}

int TCanevasQt::LargeurTexte(const QString& texte) { return QFontMetrics(Font(), p_.device()).horizontalAdvance(texte); }

int TCanevasQt::HauteurTexte(const QString& texte) {
  Q_UNUSED(texte);
  return QFontMetrics(Font(), p_.device()).height();
}

}  // namespace calevrin::plateforme
