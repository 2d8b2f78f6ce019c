#include "controls/graphe.h"

#include <algorithm>
#include <cmath>

#include "controls/ajustement.h"

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
  auto texte = [&](int x, int y, const QString& s) {
    if (!s.isEmpty()) c.TexteSortie(X + x, Y + y, s);
  };
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
  auto police = [&](double taille, bool souligne) {
    pf::TPolice f = Police;
    if (NoirBlanc) f.Couleur = Noir;
    if (souligne) f.Souligne = true;
    f.Taille = taille;
    c.FixerPolice(f);
  };

  c.FixerStylePlume(Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c.FixerLargeurPlume(1);
  Police.Taille = R(std::min(W, H) / 23.0);
  Police.Pixels = true;
  const double taille = Police.Taille;
  const double tailleTitre = R(1.3 * taille);
  police(taille, false);
  c.FixerCouleurPlume(NoirBlanc ? Noir : CouleurL);
  brosseFond();
  rectangle(0, 0, W, H);
  c.FixerStylePlume(pf::TStylePlume::Plein);

  // Without a series, or with a scale that would divide by zero, the caption says it all, as
  // large as a title: in a big window it is the only thing to read.
  if (NbBarre() == 0 || Vmax <= 0) {
    police(tailleTitre, false);
    const QString s = Ajuster(c, Caption, W - 4, Plancher(tailleTitre));
    c.FixerAlignement(pf::TAlignement::Centre);
    texte(Div(W, 2), std::max(0, Div(H - c.HauteurTexte(s), 2)), s);
    return;
  }

  int hautTitre = 0;
  int basTitre = 0;  // where the title's text ends; nothing else goes above it
  if (!Caption.isEmpty()) {
    police(tailleTitre, true);
    const QString s = Ajuster(c, Caption, W - 4, Plancher(tailleTitre));
    c.FixerAlignement(pf::TAlignement::Centre);
    texte(Div(W, 2), 2, s);
    const int h = c.HauteurTexte(s);
    hautTitre = R(1.5 * h);
    basTitre = 2 + h;
    police(taille, false);
  }

  const int hautTexte = c.HauteurTexte(QStringLiteral("H"));
  const int hautLigne = R(1.2 * hautTexte);
  const int n = NbBarre();

  // The graduations' numbers, right-aligned at five sixths of the margin, must not cross the
  // rectangle's left edge: a scale of 100 widens the margin.
  std::vector<int> graduations;
  int gauche = 0;
  if (LegV) {
    gauche = R(1.3 * c.LargeurTexte(QStringLiteral("mm")));
    // The values grow with k: the first one above Vmax ends the scale, whatever NbGradV says.
    if (PasVert > 0)
      for (std::int64_t k = 1; k <= NbGradV && k * PasVert <= Vmax; ++k) {
        graduations.push_back(static_cast<int>(k * PasVert));
        const int l = c.LargeurTexte(QString::number(graduations.back()));
        gauche = std::max(gauche, R((l + 1) * 6 / 5.0) + 1);
      }
  }
  const int base = H - (LegH ? hautLigne : 0) - nbLigne_ * hautLigne;
  // Markers are sized from the smaller side: a wide, short graph must not hide its scale.
  const int point = Div(std::min(W, H), 80);
  // The plot starts under the title, far enough for the top number and a marker at the top.
  const int haut =
      std::max(hautTitre, (Caption.isEmpty() ? 0 : basTitre) + std::max(LegV ? Div(hautTexte + 1, 2) : 0, point) + 1);

  // Under the labels row when there is one; without it the first line takes its place,
  // so that the last line stays inside the rectangle. A line that would reach the title is
  // left out.
  c.FixerAlignement(pf::TAlignement::Gauche);
  for (int i = 1; i <= nbLigne_; ++i) {
    const int y = base + (LegH ? i : i - 1) * hautLigne;
    if (y < basTitre) continue;
    texte(gauche + 3, y, Ajuster(c, Ligne(i), W - gauche - 5, Plancher(taille)));
    c.FixerTaillePolice(taille);
  }

  if (base < haut || W < gauche) return;

  if (LegH) ligne(gauche, base, W, base);
  if (LegV) ligne(gauche, base, gauche, haut);

  const int largeurCase = Div(W - gauche, n);
  const double echelle = static_cast<double>(base - haut) / Vmax;
  // A grade such as "1E9" lies far off any drawing: clamped in floating point, a little past
  // the edges the canvas clips to, so that it never overflows an integer.
  auto hauteur = [&](double v) {
    const double d = v * echelle;
    return std::isnan(d) ? base : base - R(std::clamp(d, -2.0 * H, 2.0 * H));
  };

  c.FixerStylePlume(pf::TStylePlume::Pointille);
  for (const int v : graduations) ligne(gauche - 2, hauteur(v), W - 1, hauteur(v));
  c.FixerStylePlume(pf::TStylePlume::Plein);

  // The texts written in the slots, under the axis and on it, share one size that fits them
  // all in a slot.
  std::vector<QString> textesCases;
  for (int i = 1; i <= n; ++i) {
    const TBarre& b = *Barre(i);
    if (LegH) textesCases.push_back(b.Legende());
    if (b.Valeur < 0 && Mode != TMode::mBezier) textesCases.push_back(b.Texte());
    if (b.Valeur == 0 && Afficher0 && Mode == TMode::mBarre) textesCases.push_back(QStringLiteral("0"));
  }
  const double tailleCase = AjusterTaille(c, textesCases, largeurCase - 2, Plancher(taille));
  c.FixerTaillePolice(taille);

  const int demi = Div(largeurCase, 2);
  auto marque = [&](const TBarre& b, int cx, int cy) {
    c.FixerCouleurBrosse(NoirBlanc ? Noir : b.Couleur);
    rectangle(cx - point, cy - point, cx + point, cy + point);
  };

  switch (Mode) {
    case TMode::mBarre:
      for (int i = 1; i <= n; ++i) {
        const TBarre& b = *Barre(i);
        if (b.Valeur <= 0) continue;
        if (NoirBlanc) {
          c.FixerCouleurBrosse(Noir);
          c.FixerStyleBrosse(pf::TStyleBrosse::CroixDiagonale);
        } else {
          c.FixerCouleurBrosse(b.Couleur);
          c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
        }
        // One pixel wider than the slot: neighbouring bars share their border line.
        rectangle(gauche + (i - 1) * largeurCase, base + 1, gauche + i * largeurCase + 1, hauteur(b.Valeur));
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

  const bool moyenne = Moy && BarreMoy.Valeur >= 0;
  const int ya = hauteur(moyenne ? BarreMoy.Valeur : 0);
  if (moyenne) {
    c.FixerCouleurPlume(NoirBlanc ? Noir : BarreMoy.Couleur);
    c.FixerLargeurPlume(2);
    c.DeplacerVers(X + gauche, Y + ya);
    c.FixerStylePlume(pf::TStylePlume::Pointille);
    c.LigneVers(X + W, Y + ya);
  }

  // The texts last, over the bars and markers, so that none of them is hidden.
  brosseFond();
  c.FixerTaillePolice(tailleCase);
  const int hautCase = c.HauteurTexte(QStringLiteral("0"));
  bool texteSurAxe = false;
  c.FixerAlignement(pf::TAlignement::Centre);
  for (int i = 1; i <= n && Mode != TMode::mBezier; ++i) {
    const TBarre& b = *Barre(i);
    QString s;
    if (b.Valeur < 0) s = b.Texte();
    if (b.Valeur == 0 && Afficher0 && Mode == TMode::mBarre) s = QStringLiteral("0");
    if (s.isEmpty()) continue;
    texte(gauche - demi + i * largeurCase, base - c.HauteurTexte(s), Elider(c, s, largeurCase - 2));
    texteSurAxe = true;
  }
  if (LegH) {
    // Labels still too wide at the smallest size take several slots each: one label every
    // 'pas' slots says more than a row of "…".
    int plusLarge = 0;
    for (int i = 1; i <= n; ++i) plusLarge = std::max(plusLarge, c.LargeurTexte(Barre(i)->Legende()));
    const int pas = largeurCase > 0 ? std::clamp(Div(plusLarge + 2 + largeurCase - 1, largeurCase), 1, n) : n;
    c.FixerAlignement(pf::TAlignement::Gauche);
    for (int i = 1; i <= n; i += pas) {
      const int cx = gauche + i * largeurCase - demi;
      const QString s = Elider(c, Barre(i)->Legende(), std::min(pas * largeurCase - 2, 2 * std::min(cx, W - cx) - 2));
      const int l = c.LargeurTexte(s);
      texte(gauche + i * largeurCase - (Div(largeurCase - l, 2) + l), base + Div(hautLigne, 7), s);
    }
  }
  c.FixerTaillePolice(taille);

  if (LegV) {
    c.FixerAlignement(pf::TAlignement::Droite);
    // Upwards; a number that would touch the one under it is left out.
    int libre = H;
    for (const int v : graduations) {
      const QString s = QString::number(v);
      const int y = hauteur(v) - Div(c.HauteurTexte(s), 2);
      if (y + c.HauteurTexte(s) > libre) continue;
      texte(Div(gauche * 5, 6), y, s);
      libre = y;
    }
  }

  if (moyenne) {
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    c.FixerAlignement(pf::TAlignement::Gauche);
    const QString s = QStringLiteral("moy.");
    const int h = c.HauteurTexte(s);
    // Under its line, unless that would cover the texts standing on the axis.
    const int y = std::max(haut, std::min(ya, base - h - (texteSurAxe ? hautCase : 0)));
    texte(gauche + 3, y, Elider(c, s, W - gauche - 5));
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
