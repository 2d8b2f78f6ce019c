#include "controls/graphe.h"

#include <algorithm>
#include <cmath>

namespace calevrin::controles {

using pf::Div;
using pf::R;

namespace {

constexpr pf::TCouleurRGB Noir = pf::RGB(0, 0, 0);
// Beyond this width the curve's steps stop being visible and only cost time.
constexpr int MaxPasCourbe = 4096;

}  // namespace

void TBarre::Copie(const TBarre& source) {
  Couleur = source.Couleur;
  Valeur = source.Valeur;
  FixerTexte(source.texte_);
  FixerLegende(source.legende_);
}

TNewGraphe::TNewGraphe() {
  BarreMoy.Valeur = 9;
  BarreMoy.Couleur = pf::RGB(0, 255, 0);
  Police.Nom = QStringLiteral("Arial");
  Police.Taille = 10;
  Police.Pixels = true;
  lignes_[0] = QStringLiteral("5 lignes max");
}

void TNewGraphe::FixerNbBarre(int n) {
  barres_.clear();
  if (n > 0) barres_.resize(static_cast<std::size_t>(n));
}

TBarre* TNewGraphe::Barre(int i) {
  return i >= 1 && i <= NbBarre() ? &barres_[static_cast<std::size_t>(i - 1)] : nullptr;
}

const TBarre* TNewGraphe::Barre(int i) const {
  return i >= 1 && i <= NbBarre() ? &barres_[static_cast<std::size_t>(i - 1)] : nullptr;
}

void TNewGraphe::LegendeBarre(int i, const QString& s) {
  if (TBarre* b = Barre(i)) b->FixerLegende(s);
}

QString TNewGraphe::Ligne(int i) const {
  return i >= 1 && i <= MaxLignes ? lignes_[static_cast<std::size_t>(i - 1)] : QString();
}

void TNewGraphe::FixerLigne(int i, const QString& s) {
  if (i >= 1 && i <= MaxLignes) lignes_[static_cast<std::size_t>(i - 1)] = s;
}

void TNewGraphe::FixerNbLigne(int n) {
  if (n >= 0 && n <= MaxLignes) nbLigne_ = n;
}

void TNewGraphe::CopierPourImpression(const TNewGraphe& source) {
  FixerNbBarre(source.NbBarre());
  for (int i = 1; i <= NbBarre(); ++i) Barre(i)->Copie(*source.Barre(i));
  PasVert = source.PasVert;
  NbGradV = source.NbGradV;
  lignes_ = source.lignes_;
  BarreMoy.Copie(source.BarreMoy);
  LegH = source.LegH;
  Vmax = source.Vmax;
  Moy = source.Moy;
  Mode = source.Mode;
  Police.Nom = source.Police.Nom;
  Police.Couleur = source.Police.Couleur;
  Police.Gras = source.Police.Gras;
  Police.Italique = source.Police.Italique;
  Police.Souligne = source.Police.Souligne;
  Caption = source.Caption;
  nbLigne_ = source.nbLigne_;
  Afficher0 = source.Afficher0;
  CouleurL = source.CouleurL;
  CouleurFond = pf::RGB(255, 255, 255);
}

// The drawing area: every call is relative to (X, Y); the series stand on base, right of the
// scale's width gauche, one slot of largeurCase each.
struct TNewGraphe::TRepere {
  pf::TCanevas& c;
  int X, Y, W, H;
  int hautTitre = 0;
  int hautLigne = 0;
  int gauche = 0;
  int base = 0;
  int largeurCase = 0;
  double echelle = 0;

  void Texte(int x, int y, const QString& s) const { c.TexteSortie(X + x, Y + y, s); }
  void Ligne(int x1, int y1, int x2, int y2) const {
    c.DeplacerVers(X + x1, Y + y1);
    c.LigneVers(X + x2, Y + y2);
  }
  void Rectangle(int x1, int y1, int x2, int y2) const {
    // The canvas draws nothing for an upside-down rectangle: bars go up from the axis.
    c.Rectangle(X + std::min(x1, x2), Y + std::min(y1, y2), X + std::max(x1, x2), Y + std::max(y1, y2));
  }
  // A grade such as "1E9" lies far off any drawing: clamped in floating point, a little past
  // the edges the canvas clips to, so that it never overflows an integer.
  int Hauteur(double v) const {
    const double d = v * echelle;
    return std::isnan(d) ? base : base - R(std::clamp(d, -2.0 * H, 2.0 * H));
  }
  int Demi() const { return Div(largeurCase, 2); }
  int Centre(int i) const { return gauche + Demi() + (i - 1) * largeurCase; }
  void TexteSurAxe(int i, const QString& s) const {
    Texte(gauche - Demi() + i * largeurCase, base - c.HauteurTexte(s), s);
  }
};

void TNewGraphe::BrosseFond(pf::TCanevas& c) const {
  if (NoirBlanc) {
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  } else {
    c.FixerCouleurBrosse(CouleurFond);
    c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  }
}

void TNewGraphe::PoliceNormale(pf::TCanevas& c) const {
  pf::TPolice f = Police;
  if (NoirBlanc) f.Couleur = Noir;
  c.FixerPolice(f);
}

int TNewGraphe::DessinerTitre(const TRepere& r) {
  if (Caption.isEmpty()) return 0;
  pf::TPolice f = Police;
  if (NoirBlanc) f.Couleur = Noir;
  f.Souligne = true;
  f.Taille = R(1.3 * Police.Taille);
  r.c.FixerPolice(f);
  r.c.FixerAlignement(pf::TAlignement::Centre);
  r.Texte(Div(r.W, 2), 2, Caption);
  const int haut = R(1.5 * r.c.HauteurTexte(Caption));
  PoliceNormale(r.c);
  return haut;
}

void TNewGraphe::DessinerEchelles(const TRepere& r) const {
  if (LegH) {
    for (int i = 1; i <= NbBarre(); ++i) {
      const QString& s = Barre(i)->Legende();
      const int l = r.c.LargeurTexte(s);
      r.Texte(r.gauche + i * r.largeurCase - (Div(r.largeurCase - l, 2) + l), r.base + Div(r.hautLigne, 7), s);
    }
  }
  if (LegV && PasVert > 0) {
    r.c.FixerAlignement(pf::TAlignement::Droite);
    r.c.FixerStylePlume(pf::TStylePlume::Pointille);
    // The values grow with k: the first one above Vmax ends the scale, whatever NbGradV says.
    for (std::int64_t k = 1; k <= NbGradV && k * PasVert <= Vmax; ++k) {
      const int v = static_cast<int>(k * PasVert);
      const QString s = QString::number(v);
      const int y = r.Hauteur(v);
      r.Texte(Div(r.gauche * 5, 6), y - Div(r.c.HauteurTexte(s), 2), s);
      r.Ligne(r.gauche - 2, y, r.W - 1, y);
    }
    r.c.FixerStylePlume(pf::TStylePlume::Plein);
  }
}

void TNewGraphe::Marque(const TRepere& r, const TBarre& b, int cx, int cy) const {
  const int point = Div(r.W, 120);
  r.c.FixerCouleurBrosse(NoirBlanc ? Noir : b.Couleur);
  r.Rectangle(cx - point, cy - point, cx + point, cy + point);
}

void TNewGraphe::DessinerBarres(const TRepere& r) const {
  for (int i = 1; i <= NbBarre(); ++i) {
    const TBarre& b = *Barre(i);
    if (b.Valeur > 0) {
      if (NoirBlanc) {
        r.c.FixerCouleurBrosse(Noir);
        r.c.FixerStyleBrosse(pf::TStyleBrosse::CroixDiagonale);
      } else {
        r.c.FixerCouleurBrosse(b.Couleur);
        r.c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
      }
      // One pixel wider than the slot: neighbouring bars share their border line.
      r.Rectangle(r.gauche + (i - 1) * r.largeurCase, r.base + 1, r.gauche + i * r.largeurCase + 1,
                  r.Hauteur(b.Valeur));
    } else {
      r.c.FixerAlignement(pf::TAlignement::Centre);
      BrosseFond(r.c);
      if (b.Valeur == 0 && Afficher0) r.TexteSurAxe(i, QStringLiteral("0"));
      if (b.Valeur < 0) r.TexteSurAxe(i, b.Texte());
    }
  }
}

void TNewGraphe::DessinerLigne(const TRepere& r) const {
  const int n = NbBarre();
  int i0 = n;
  for (int i = 1; i <= n; ++i)
    if (Barre(i)->Valeur >= 0) {
      i0 = i;
      break;
    }
  r.c.DeplacerVers(r.X + r.Centre(i0), r.Y + r.Hauteur(Barre(i0)->Valeur));
  r.c.FixerLargeurPlume(2);
  for (int j = 1; j <= n - 1; ++j)
    if (const TBarre& b = *Barre(j + 1); b.Valeur >= 0) r.c.LigneVers(r.X + r.Centre(j + 1), r.Y + r.Hauteur(b.Valeur));
  r.c.FixerAlignement(pf::TAlignement::Centre);
  BrosseFond(r.c);
  for (int i = 1; i <= n; ++i)
    if (Barre(i)->Valeur < 0) r.TexteSurAxe(i, Barre(i)->Texte());
  r.c.FixerLargeurPlume(1);
  for (int i = 1; i <= n; ++i)
    if (const TBarre& b = *Barre(i); b.Valeur >= 0) Marque(r, b, r.Centre(i), r.Hauteur(b.Valeur));
}

void TNewGraphe::DessinerPoints(const TRepere& r) {
  points_.clear();
  for (int i = 1; i <= NbBarre(); ++i) {
    const TBarre& b = *Barre(i);
    if (b.Valeur < 0) continue;
    const int cx = r.Centre(i);
    const int cy = r.Hauteur(b.Valeur);
    if (NbPoint() < MaxPoints) points_.push_back({r.X + cx, r.Y + cy});
    Marque(r, b, cx, cy);
  }
  r.c.FixerLargeurPlume(2);
  r.c.FixerCouleurPlume(Noir);
  Courbe(r.c);
}

void TNewGraphe::DessinerMoyenne(const TRepere& r) const {
  r.c.FixerCouleurPlume(NoirBlanc ? Noir : BarreMoy.Couleur);
  r.c.FixerLargeurPlume(2);
  const int ya = r.Hauteur(BarreMoy.Valeur);
  r.c.DeplacerVers(r.X + r.gauche, r.Y + ya);
  r.c.FixerStylePlume(pf::TStylePlume::Pointille);
  r.c.LigneVers(r.X + r.W, r.Y + ya);
  r.c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  r.c.FixerAlignement(pf::TAlignement::Gauche);
  r.Texte(r.gauche + 3, ya, QStringLiteral("moy."));
}

void TNewGraphe::Dessine(pf::TCanevas& c, int X, int Y, int W, int H) {
  if (W <= 0 || H <= 0) return;  // the font size below would be zero or less
  TRepere r{c, X, Y, W, H};
  c.FixerStylePlume(Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c.FixerLargeurPlume(1);
  Police.Taille = R(std::min(W, H) / 23.0);
  Police.Pixels = true;
  PoliceNormale(c);
  c.FixerCouleurPlume(NoirBlanc ? Noir : CouleurL);
  BrosseFond(c);
  r.Rectangle(0, 0, W, H);
  c.FixerStylePlume(pf::TStylePlume::Plein);

  // Without a series, or with a scale that would divide by zero, the caption says it all.
  if (NbBarre() == 0 || Vmax <= 0) {
    c.FixerAlignement(pf::TAlignement::Centre);
    r.Texte(Div(W, 2), Div(H, 2), Caption);
    return;
  }

  r.hautTitre = DessinerTitre(r);
  r.hautLigne = R(1.2 * c.HauteurTexte(QStringLiteral("H")));
  r.gauche = LegV ? R(1.3 * c.LargeurTexte(QStringLiteral("mm"))) : 0;
  r.base = H - (LegH ? r.hautLigne : 0) - nbLigne_ * r.hautLigne;

  // Under the labels row when there is one; without it the first line takes its place,
  // so that the last line stays inside the rectangle.
  c.FixerAlignement(pf::TAlignement::Gauche);
  for (int i = 1; i <= nbLigne_; ++i) r.Texte(r.gauche + 3, r.base + (LegH ? i : i - 1) * r.hautLigne, Ligne(i));

  if (r.base < r.hautTitre || W < r.gauche) return;

  if (LegH) r.Ligne(r.gauche, r.base, W, r.base);
  if (LegV) r.Ligne(r.gauche, r.base, r.gauche, r.hautTitre);

  r.largeurCase = Div(W - r.gauche, NbBarre());
  r.echelle = static_cast<double>(r.base - r.hautTitre) / Vmax;
  DessinerEchelles(r);
  switch (Mode) {
    case TMode::mBarre: DessinerBarres(r); break;
    case TMode::mLigne: DessinerLigne(r); break;
    case TMode::mBezier: DessinerPoints(r); break;
  }
  if (Moy && BarreMoy.Valeur >= 0) DessinerMoyenne(r);
}

// The Bezier curve whose control points are the markers, as straight segments, one per
// pixel of the window's width. The points already hold canvas coordinates.
void TNewGraphe::Courbe(pf::TCanevas& c) {
  if (points_.empty()) return;
  const int m = NbPoint() - 1;
  // t = k / n rather than a running sum of steps: exactly n - 1 segments, t never reaching 1.
  const int n = std::clamp(LargeurControle, 1, MaxPasCourbe);
  c.DeplacerVers(points_[0].X, points_[0].Y);
  for (int k = 1; k < n; ++k) {
    const double t = static_cast<double>(k) / n;
    // Bernstein(m, 0, t) = (1 - t)^m, then each index from the one before.
    double b = 1;
    for (int j = 0; j < m; ++j) b *= 1 - t;
    double bx = b * points_[0].X;
    double by = b * points_[0].Y;
    for (int i = 1; i <= m; ++i) {
      b = b * (t / (1 - t)) * (static_cast<double>(m - i + 1) / i);
      bx += b * points_[static_cast<std::size_t>(i)].X;
      by += b * points_[static_cast<std::size_t>(i)].Y;
    }
    if (bx == 0 || by == 0) break;
    c.LigneVers(R(bx), R(by));
  }
}

}  // namespace calevrin::controles
