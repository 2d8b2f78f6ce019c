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

// The largest n from bas to haut for which tient(n), tient(bas) being taken as true and tient
// growing false with n; the search starts from a guess. Every probe measures a new text or a
// new size, which the canvas shapes: from a good guess two or three probes find the answer
// where halving the whole range takes six or seven.
template <class T, class F>
T PlusGrandQuiTient(T bas, T haut, T estimation, F tient) {
  const T n = std::clamp(estimation, bas, haut);
  if (n > bas && !tient(n)) {
    // Down by growing steps from the guess, to the first size that fits.
    T faux = n;
    for (T pas = 1;; pas *= 2) {
      const T k = faux - pas;
      if (k <= bas) break;
      if (tient(k)) {
        bas = k;
        break;
      }
      faux = k;
    }
    haut = faux - 1;
  } else {
    T vrai = n;
    for (T pas = 1;; pas *= 2) {
      const T k = vrai + pas;
      if (k > haut) break;
      if (!tient(k)) {
        haut = k - 1;
        break;
      }
      vrai = k;
    }
    bas = vrai;
  }
  while (bas < haut) {
    const T milieu = bas + (haut - bas + 1) / 2;
    if (tient(milieu))
      bas = milieu;
    else
      haut = milieu - 1;
  }
  return bas;
}

}  // namespace

double PlusGrandeTaille(pf::TCanevas& c, int largeur, double plancher, const std::function<int()>& mesure) {
  const double depart = c.Police().Taille;
  const int l = mesure();
  if (l <= largeur || depart <= plancher) return depart;
  // Widths grow about in proportion to the size: the first guess is near.
  const auto tient = [&](long taille) {
    c.FixerTaillePolice(static_cast<double>(taille));
    return mesure() <= largeur;
  };
  const long bas = std::lround(plancher);
  const long haut = std::max(bas, static_cast<long>(std::ceil(depart)) - 1);
  const long estimation = static_cast<long>(std::floor(depart * std::max(largeur, 0) / l));
  const long t = PlusGrandQuiTient(bas, haut, estimation, tient);
  c.FixerTaillePolice(static_cast<double>(t));
  return static_cast<double>(t);
}

double AjusterTaille(pf::TCanevas& c, const std::vector<QString>& textes, int largeur, double plancher) {
  return PlusGrandeTaille(c, largeur, plancher, [&] { return PlusLarge(c, textes); });
}

double AjusterTaille(pf::TCanevas& c, const QString& texte, int largeur, double plancher) {
  return PlusGrandeTaille(c, largeur, plancher, [&] { return c.LargeurTexte(texte); });
}

QString Elider(pf::TCanevas& c, const QString& texte, int largeur) {
  const int l = c.LargeurTexte(texte);
  if (l <= largeur) return texte;
  const QString points = QStringLiteral("…");
  const int lp = c.LargeurTexte(points);
  if (lp > largeur) return {};
  // Characters are about as wide as one another: the share of the text that fits is near.
  const qsizetype estimation = texte.size() * (largeur - lp) / std::max(l, 1);
  const qsizetype n = PlusGrandQuiTient<qsizetype>(0, texte.size() - 1, estimation, [&](qsizetype k) {
    return c.LargeurTexte(Debut(texte, k) + points) <= largeur;
  });
  return Debut(texte, n) + points;
}

QString Ajuster(pf::TCanevas& c, const QString& texte, int largeur, double plancher) {
  AjusterTaille(c, texte, largeur, plancher);
  return Elider(c, texte, largeur);
}

}  // namespace calevrin::controles
