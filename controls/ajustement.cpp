#include "controls/ajustement.h"

#include <algorithm>
#include <cmath>

namespace calevrin::controles {

namespace {

// The beginning of a text without the blanks it would end on before "…".
QString Debut(const QString& texte, qsizetype n) {
  while (n > 0 && texte.at(n - 1).isSpace()) --n;
  return texte.left(n);
}

int PlusLarge(pf::TCanevas& c, const std::vector<QString>& textes) {
  int l = 0;
  for (const QString& t : textes) l = std::max(l, c.LargeurTexte(t));
  return l;
}

}  // namespace

double AjusterTaille(pf::TCanevas& c, const std::vector<QString>& textes, int largeur, double plancher) {
  const double depart = c.Police().Taille;
  const int l = PlusLarge(c, textes);
  if (l <= largeur || depart <= plancher) return depart;
  // Widths grow about in proportion to the size: the first guess is near, a few steps finish.
  double t = std::max(plancher, std::floor(depart * std::max(largeur, 0) / l));
  c.FixerTaillePolice(t);
  while (t > plancher && PlusLarge(c, textes) > largeur) {
    t = std::max(plancher, t - 1);
    c.FixerTaillePolice(t);
  }
  return t;
}

double AjusterTaille(pf::TCanevas& c, const QString& texte, int largeur, double plancher) {
  return AjusterTaille(c, std::vector<QString>{texte}, largeur, plancher);
}

QString Elider(pf::TCanevas& c, const QString& texte, int largeur) {
  if (c.LargeurTexte(texte) <= largeur) return texte;
  const QString points = QStringLiteral("…");
  if (c.LargeurTexte(points) > largeur) return {};
  // The longest beginning that fits, by halves: texts are short, measures are not free.
  qsizetype bas = 0, haut = texte.size() - 1;
  while (bas < haut) {
    const qsizetype milieu = (bas + haut + 1) / 2;
    if (c.LargeurTexte(Debut(texte, milieu) + points) <= largeur)
      bas = milieu;
    else
      haut = milieu - 1;
  }
  return Debut(texte, bas) + points;
}

QString Ajuster(pf::TCanevas& c, const QString& texte, int largeur, double plancher) {
  AjusterTaille(c, texte, largeur, plancher);
  return Elider(c, texte, largeur);
}

}  // namespace calevrin::controles
