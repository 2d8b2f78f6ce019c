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

void TNewGraphe::Dessine(pf::TCanevas& c, int X, int Y, int W, int H) {
  if (W <= 0 || H <= 0) return;  // the font size below would be zero or less
  // Every call below is relative to (X, Y).
  auto texte = [&](int x, int y, const QString& s) { c.TexteSortie(X + x, Y + y, s); };
  auto ligne = [&](int x1, int y1, int x2, int y2) {
    c.DeplacerVers(X + x1, Y + y1);
    c.LigneVers(X + x2, Y + y2);
  };
  auto rectangle = [&](int x1, int y1, int x2, int y2) {
    // The canvas draws nothing for an upside-down rectangle: bars go up from the axis.
    c.Rectangle(X + std::min(x1, x2), Y + std::min(y1, y2), X + std::max(x1, x2), Y + std::max(y1, y2));
  };
  auto brosseFond = [&] {
    if (NoirBlanc) {
      c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    } else {
      c.FixerCouleurBrosse(CouleurFond);
      c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
    }
  };
  auto policeNormale = [&] {
    pf::TPolice f = Police;
    if (NoirBlanc) f.Couleur = Noir;
    c.FixerPolice(f);
  };

  c.FixerStylePlume(Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c.FixerLargeurPlume(1);
  Police.Taille = R(std::min(W, H) / 23.0);
  Police.Pixels = true;
  policeNormale();
  c.FixerCouleurPlume(NoirBlanc ? Noir : CouleurL);
  brosseFond();
  rectangle(0, 0, W, H);
  c.FixerStylePlume(pf::TStylePlume::Plein);

  // Without a series, or with a scale that would divide by zero, the caption says it all.
  if (NbBarre() == 0 || Vmax <= 0) {
    c.FixerAlignement(pf::TAlignement::Centre);
    texte(Div(W, 2), Div(H, 2), Caption);
    return;
  }

  int hautTitre = 0;
  if (!Caption.isEmpty()) {
    pf::TPolice f = Police;
    if (NoirBlanc) f.Couleur = Noir;
    f.Souligne = true;
    f.Taille = R(1.3 * Police.Taille);
    c.FixerPolice(f);
    c.FixerAlignement(pf::TAlignement::Centre);
    texte(Div(W, 2), 2, Caption);
    hautTitre = R(1.5 * c.HauteurTexte(Caption));
    policeNormale();
  }

  const int hautLigne = R(1.2 * c.HauteurTexte(QStringLiteral("H")));
  const int gauche = LegV ? R(1.3 * c.LargeurTexte(QStringLiteral("mm"))) : 0;
  const int base = H - (LegH ? hautLigne : 0) - nbLigne_ * hautLigne;

  // Under the labels row when there is one; without it the first line takes its place,
  // so that the last line stays inside the rectangle.
  c.FixerAlignement(pf::TAlignement::Gauche);
  for (int i = 1; i <= nbLigne_; ++i) texte(gauche + 3, base + (LegH ? i : i - 1) * hautLigne, Ligne(i));

  if (base < hautTitre || W < gauche) return;

  if (LegH) ligne(gauche, base, W, base);
  if (LegV) ligne(gauche, base, gauche, hautTitre);

  const int n = NbBarre();
  const int largeurCase = Div(W - gauche, n);
  const double echelle = static_cast<double>(base - hautTitre) / Vmax;
  // A grade such as "1E9" lies far off any drawing: clamped in floating point, a little past
  // the edges the canvas clips to, so that it never overflows an integer.
  auto hauteur = [&](double v) {
    const double d = v * echelle;
    return std::isnan(d) ? base : base - R(std::clamp(d, -2.0 * H, 2.0 * H));
  };

  if (LegH) {
    for (int i = 1; i <= n; ++i) {
      const QString& s = Barre(i)->Legende();
      const int l = c.LargeurTexte(s);
      texte(gauche + i * largeurCase - (Div(largeurCase - l, 2) + l), base + Div(hautLigne, 7), s);
    }
  }

  if (LegV && PasVert > 0) {
    c.FixerAlignement(pf::TAlignement::Droite);
    c.FixerStylePlume(pf::TStylePlume::Pointille);
    // The values grow with k: the first one above Vmax ends the scale, whatever NbGradV says.
    for (std::int64_t k = 1; k <= NbGradV && k * PasVert <= Vmax; ++k) {
      const int v = static_cast<int>(k * PasVert);
      const QString s = QString::number(v);
      const int y = hauteur(v);
      texte(Div(gauche * 5, 6), y - Div(c.HauteurTexte(s), 2), s);
      ligne(gauche - 2, y, W - 1, y);
    }
    c.FixerStylePlume(pf::TStylePlume::Plein);
  }

  const int demi = Div(largeurCase, 2);
  const int point = Div(W, 120);
  auto marque = [&](const TBarre& b, int cx, int cy) {
    c.FixerCouleurBrosse(NoirBlanc ? Noir : b.Couleur);
    rectangle(cx - point, cy - point, cx + point, cy + point);
  };
  auto texteSurAxe = [&](int i, const QString& s) {
    texte(gauche - demi + i * largeurCase, base - c.HauteurTexte(s), s);
  };

  switch (Mode) {
    case TMode::mBarre:
      for (int i = 1; i <= n; ++i) {
        const TBarre& b = *Barre(i);
        if (b.Valeur > 0) {
          if (NoirBlanc) {
            c.FixerCouleurBrosse(Noir);
            c.FixerStyleBrosse(pf::TStyleBrosse::CroixDiagonale);
          } else {
            c.FixerCouleurBrosse(b.Couleur);
            c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
          }
          // One pixel wider than the slot: neighbouring bars share their border line.
          rectangle(gauche + (i - 1) * largeurCase, base + 1, gauche + i * largeurCase + 1, hauteur(b.Valeur));
        } else {
          c.FixerAlignement(pf::TAlignement::Centre);
          brosseFond();
          if (b.Valeur == 0 && Afficher0) texteSurAxe(i, QStringLiteral("0"));
          if (b.Valeur < 0) texteSurAxe(i, b.Texte());
        }
      }
      break;
    case TMode::mLigne: {
      int i0 = n;
      for (int i = 1; i <= n; ++i)
        if (Barre(i)->Valeur >= 0) {
          i0 = i;
          break;
        }
      c.DeplacerVers(X + gauche + demi + (i0 - 1) * largeurCase, Y + hauteur(Barre(i0)->Valeur));
      c.FixerLargeurPlume(2);
      for (int j = 1; j <= n - 1; ++j)
        if (const TBarre& b = *Barre(j + 1); b.Valeur >= 0)
          c.LigneVers(X + gauche + demi + j * largeurCase, Y + hauteur(b.Valeur));
      c.FixerAlignement(pf::TAlignement::Centre);
      brosseFond();
      for (int i = 1; i <= n; ++i)
        if (Barre(i)->Valeur < 0) texteSurAxe(i, Barre(i)->Texte());
      c.FixerLargeurPlume(1);
      for (int i = 1; i <= n; ++i)
        if (const TBarre& b = *Barre(i); b.Valeur >= 0)
          marque(b, gauche + demi + (i - 1) * largeurCase, hauteur(b.Valeur));
      break;
    }
    case TMode::mBezier:
      points_.clear();
      for (int i = 1; i <= n; ++i) {
        const TBarre& b = *Barre(i);
        if (b.Valeur < 0) continue;
        const int cx = gauche + demi + (i - 1) * largeurCase;
        const int cy = hauteur(b.Valeur);
        if (NbPoint() < MaxPoints) points_.push_back({X + cx, Y + cy});
        marque(b, cx, cy);
      }
      c.FixerLargeurPlume(2);
      c.FixerCouleurPlume(Noir);
      Courbe(c);
      break;
  }

  if (Moy && BarreMoy.Valeur >= 0) {
    c.FixerCouleurPlume(NoirBlanc ? Noir : BarreMoy.Couleur);
    c.FixerLargeurPlume(2);
    const int ya = hauteur(BarreMoy.Valeur);
    c.DeplacerVers(X + gauche, Y + ya);
    c.FixerStylePlume(pf::TStylePlume::Pointille);
    c.LigneVers(X + W, Y + ya);
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    c.FixerAlignement(pf::TAlignement::Gauche);
    texte(gauche + 3, ya, QStringLiteral("moy."));
  }
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
