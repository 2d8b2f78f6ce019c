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
  CopierApparence(Police, source.Police);
  Caption = source.Caption;
  nbLigne_ = source.nbLigne_;
  Afficher0 = source.Afficher0;
  CouleurL = source.CouleurL;
  CouleurFond = pf::RGB(255, 255, 255);
}

class TNewGraphe::TDessin {
 public:
  TDessin(TNewGraphe& g, pf::TCanevas& c, int X, int Y, int W, int H) : g_(g), c_(c), X_(X), Y_(Y), W_(W), H_(H) {}

  void Fond();
  void Message();
  void Titre();
  void Mesurer();
  void LignesLegende();
  bool PlaceSuffisante() const { return base_ >= haut_ && W_ >= gauche_; }
  void AxesEtEchelle();
  void Barres();
  void LigneBrisee();
  void Marques();
  void LigneMoyenne();
  void TextesSurAxe();
  void Etiquettes();
  void NombresGraduations();
  void TexteMoyenne();

 private:
  // Every call below is relative to (X, Y).
  void Texte(int x, int y, const QString& s) {
    if (!s.isEmpty()) c_.TexteSortie(X_ + x, Y_ + y, s);
  }
  void Segment(int x1, int y1, int x2, int y2) {
    c_.DeplacerVers(X_ + x1, Y_ + y1);
    c_.LigneVers(X_ + x2, Y_ + y2);
  }
  void Rectangle(int x1, int y1, int x2, int y2) {
    // The canvas draws nothing for an upside-down rectangle: bars go up from the axis.
    c_.Rectangle(X_ + std::min(x1, x2), Y_ + std::min(y1, y2), X_ + std::max(x1, x2), Y_ + std::max(y1, y2));
  }
  void BrosseFond();
  void Police(double taille, bool souligne);
  void Marque(const TBarre& b, int cx, int cy) {
    c_.FixerCouleurBrosse(g_.NoirBlanc ? Noir : b.Couleur);
    Rectangle(cx - point_, cy - point_, cx + point_, cy + point_);
  }
  // The height of a value. A grade such as "1E9" lies far off any drawing: clamped in
  // floating point, a little past the edges the canvas clips to, so that it never overflows.
  int Hauteur(double v) const {
    const double d = v * echelle_;
    return std::isnan(d) ? base_ : base_ - R(std::clamp(d, -2.0 * H_, 2.0 * H_));
  }
  int Centre(int i) const { return gauche_ + demi_ + (i - 1) * largeurCase_; }
  // The text written in slot i on the axis, if any.
  QString TexteCase(const TBarre& b) const;

  TNewGraphe& g_;
  pf::TCanevas& c_;
  const int X_, Y_, W_, H_;
  double taille_ = 0, tailleTitre_ = 0, tailleCase_ = 0;
  int hautTitre_ = 0;
  int basTitre_ = 0;  // where the title's text ends; nothing else goes above it
  int hautTexte_ = 0, hautLigne_ = 0;
  int gauche_ = 0, base_ = 0, haut_ = 0, point_ = 0;
  int largeurCase_ = 0, demi_ = 0;
  double echelle_ = 0;
  std::vector<int> graduations_;
  bool moyenne_ = false;
  int ya_ = 0;
  int hautCase_ = 0;
  bool texteSurAxe_ = false;
};

void TNewGraphe::Dessine(pf::TCanevas& c, int X, int Y, int W, int H) {
  if (W <= 0 || H <= 0) return;  // the font size would be zero or less
  const pf::TComposee composee(c);
  TDessin d(*this, c, X, Y, W, H);
  d.Fond();
  // Without a series, or with a scale that would divide by zero, the caption says it all.
  if (NbBarre() == 0 || Vmax <= 0) return d.Message();
  d.Titre();
  d.Mesurer();
  d.LignesLegende();
  if (!d.PlaceSuffisante()) return;
  d.AxesEtEchelle();
  switch (Mode) {
    case TMode::mBarre: d.Barres(); break;
    case TMode::mLigne:
      d.LigneBrisee();
      d.Marques();
      break;
    case TMode::mBezier:
      d.Marques();
      c.FixerLargeurPlume(2);
      c.FixerCouleurPlume(Noir);
      Courbe(c);
      break;
  }
  d.LigneMoyenne();
  // The texts last, over the bars and markers, so that none of them is hidden.
  d.TextesSurAxe();
  d.Etiquettes();
  d.NombresGraduations();
  d.TexteMoyenne();
}

void TNewGraphe::TDessin::BrosseFond() {
  if (g_.NoirBlanc) {
    c_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  } else {
    c_.FixerCouleurBrosse(g_.CouleurFond);
    c_.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  }
}

void TNewGraphe::TDessin::Police(double taille, bool souligne) {
  pf::TPolice f = g_.Police;
  if (g_.NoirBlanc) f.Couleur = Noir;
  if (souligne) f.Souligne = true;
  f.Taille = taille;
  c_.FixerPolice(f);
}

void TNewGraphe::TDessin::Fond() {
  c_.FixerStylePlume(g_.Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c_.FixerLargeurPlume(1);
  g_.Police.Taille = R(std::min(W_, H_) / 23.0);
  g_.Police.Pixels = true;
  taille_ = g_.Police.Taille;
  tailleTitre_ = R(1.3 * taille_);
  Police(taille_, false);
  c_.FixerCouleurPlume(g_.NoirBlanc ? Noir : g_.CouleurL);
  BrosseFond();
  Rectangle(0, 0, W_, H_);
  c_.FixerStylePlume(pf::TStylePlume::Plein);
  // The title, the legend lines and the message are written on that background alone: boxes
  // filled again in its colour would paint a quarter of a full-screen graph twice.
  c_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
}

// As large as a title: in a big window it is the only thing to read.
void TNewGraphe::TDessin::Message() {
  Police(tailleTitre_, false);
  const QString s = Ajuster(c_, g_.Caption, W_ - 4, Plancher(tailleTitre_));
  c_.FixerAlignement(pf::TAlignement::Centre);
  Texte(Div(W_, 2), std::max(0, Div(H_ - c_.HauteurTexte(s), 2)), s);
}

void TNewGraphe::TDessin::Titre() {
  if (g_.Caption.isEmpty()) return;
  Police(tailleTitre_, true);
  const QString s = Ajuster(c_, g_.Caption, W_ - 4, Plancher(tailleTitre_));
  c_.FixerAlignement(pf::TAlignement::Centre);
  Texte(Div(W_, 2), 2, s);
  const int h = c_.HauteurTexte(s);
  hautTitre_ = R(1.5 * h);
  basTitre_ = 2 + h;
  Police(taille_, false);
}

void TNewGraphe::TDessin::Mesurer() {
  hautTexte_ = c_.HauteurTexte(QStringLiteral("H"));
  hautLigne_ = R(1.2 * hautTexte_);
  // The graduations' numbers, right-aligned at five sixths of the margin, must not cross the
  // rectangle's left edge: a scale of 100 widens the margin.
  if (g_.LegV) {
    gauche_ = R(1.3 * c_.LargeurTexte(QStringLiteral("mm")));
    // The values grow with k: the first one above Vmax ends the scale, whatever NbGradV says.
    if (g_.PasVert > 0)
      for (std::int64_t k = 1; k <= g_.NbGradV && k * g_.PasVert <= g_.Vmax; ++k) {
        graduations_.push_back(static_cast<int>(k * g_.PasVert));
        const int l = c_.LargeurTexte(QString::number(graduations_.back()));
        gauche_ = std::max(gauche_, R((l + 1) * 6 / 5.0) + 1);
      }
  }
  base_ = H_ - (g_.LegH ? hautLigne_ : 0) - g_.nbLigne_ * hautLigne_;
  // Markers are sized from the smaller side: a wide, short graph must not hide its scale.
  point_ = Div(std::min(W_, H_), 80);
  // The plot starts under the title, far enough for the top number and a marker at the top.
  const int marge = std::max(g_.LegV ? Div(hautTexte_ + 1, 2) : 0, point_);
  haut_ = std::max(hautTitre_, (g_.Caption.isEmpty() ? 0 : basTitre_) + marge + 1);
}

// Under the labels row when there is one; without it the first line takes its place, so that
// the last line stays inside the rectangle. A line that would reach the title is left out.
void TNewGraphe::TDessin::LignesLegende() {
  c_.FixerAlignement(pf::TAlignement::Gauche);
  for (int i = 1; i <= g_.nbLigne_; ++i) {
    const int y = base_ + (g_.LegH ? i : i - 1) * hautLigne_;
    if (y < basTitre_) continue;
    Texte(gauche_ + 3, y, Ajuster(c_, g_.Ligne(i), W_ - gauche_ - 5, Plancher(taille_)));
    c_.FixerTaillePolice(taille_);
  }
}

QString TNewGraphe::TDessin::TexteCase(const TBarre& b) const {
  if (b.Valeur < 0 && g_.Mode != TMode::mBezier) return b.Texte();
  if (b.Valeur == 0 && g_.Afficher0 && g_.Mode == TMode::mBarre) return QStringLiteral("0");
  return {};
}

void TNewGraphe::TDessin::AxesEtEchelle() {
  if (g_.LegH) Segment(gauche_, base_, W_, base_);
  if (g_.LegV) Segment(gauche_, base_, gauche_, haut_);
  const int n = g_.NbBarre();
  largeurCase_ = Div(W_ - gauche_, n);
  demi_ = Div(largeurCase_, 2);
  echelle_ = static_cast<double>(base_ - haut_) / g_.Vmax;

  c_.FixerStylePlume(pf::TStylePlume::Pointille);
  for (const int v : graduations_) Segment(gauche_ - 2, Hauteur(v), W_ - 1, Hauteur(v));
  c_.FixerStylePlume(pf::TStylePlume::Plein);

  // The texts written in the slots, under the axis and on it, share one size that fits them
  // all in a slot.
  std::vector<QString> textes;
  for (int i = 1; i <= n; ++i) {
    const TBarre& b = *g_.Barre(i);
    if (g_.LegH) textes.push_back(b.Legende());
    if (QString s = TexteCase(b); !s.isEmpty()) textes.push_back(s);
  }
  tailleCase_ = AjusterTaille(c_, textes, largeurCase_ - 2, Plancher(taille_));
  c_.FixerTaillePolice(taille_);
}

void TNewGraphe::TDessin::Barres() {
  for (int i = 1; i <= g_.NbBarre(); ++i) {
    const TBarre& b = *g_.Barre(i);
    if (b.Valeur <= 0) continue;
    if (g_.NoirBlanc) {
      c_.FixerCouleurBrosse(Noir);
      c_.FixerStyleBrosse(pf::TStyleBrosse::CroixDiagonale);
    } else {
      c_.FixerCouleurBrosse(b.Couleur);
      c_.FixerStyleBrosse(pf::TStyleBrosse::Plein);
    }
    // One pixel wider than the slot: neighbouring bars share their border line.
    Rectangle(gauche_ + (i - 1) * largeurCase_, base_ + 1, gauche_ + i * largeurCase_ + 1, Hauteur(b.Valeur));
  }
}

// From the first valued bar to each next one: a bar without a value is stepped over.
void TNewGraphe::TDessin::LigneBrisee() {
  const int n = g_.NbBarre();
  int i0 = n;
  for (int i = 1; i <= n; ++i)
    if (g_.Barre(i)->Valeur >= 0) {
      i0 = i;
      break;
    }
  c_.DeplacerVers(X_ + Centre(i0), Y_ + Hauteur(g_.Barre(i0)->Valeur));
  c_.FixerLargeurPlume(2);
  for (int i = 2; i <= n; ++i)
    if (const TBarre& b = *g_.Barre(i); b.Valeur >= 0) c_.LigneVers(X_ + Centre(i), Y_ + Hauteur(b.Valeur));
  c_.FixerLargeurPlume(1);
}

// The markers of the valued bars; in trend mode they are also the curve's control points.
void TNewGraphe::TDessin::Marques() {
  const bool courbe = g_.Mode == TMode::mBezier;
  if (courbe) g_.points_.clear();
  for (int i = 1; i <= g_.NbBarre(); ++i) {
    const TBarre& b = *g_.Barre(i);
    if (b.Valeur < 0) continue;
    const int cx = Centre(i);
    const int cy = Hauteur(b.Valeur);
    if (courbe && g_.NbPoint() < MaxPoints) g_.points_.push_back({X_ + cx, Y_ + cy});
    Marque(b, cx, cy);
  }
}

void TNewGraphe::TDessin::LigneMoyenne() {
  moyenne_ = g_.Moy && g_.BarreMoy.Valeur >= 0;
  ya_ = Hauteur(moyenne_ ? g_.BarreMoy.Valeur : 0);
  if (!moyenne_) return;
  c_.FixerCouleurPlume(g_.NoirBlanc ? Noir : g_.BarreMoy.Couleur);
  c_.FixerLargeurPlume(2);
  c_.DeplacerVers(X_ + gauche_, Y_ + ya_);
  c_.FixerStylePlume(pf::TStylePlume::Pointille);
  c_.LigneVers(X_ + W_, Y_ + ya_);
}

void TNewGraphe::TDessin::TextesSurAxe() {
  BrosseFond();
  c_.FixerTaillePolice(tailleCase_);
  hautCase_ = c_.HauteurTexte(QStringLiteral("0"));
  c_.FixerAlignement(pf::TAlignement::Centre);
  for (int i = 1; i <= g_.NbBarre(); ++i) {
    const QString s = TexteCase(*g_.Barre(i));
    if (s.isEmpty()) continue;
    Texte(gauche_ - demi_ + i * largeurCase_, base_ - c_.HauteurTexte(s), Elider(c_, s, largeurCase_ - 2));
    texteSurAxe_ = true;
  }
}

// Labels still too wide at the smallest size take several slots each: one label every 'pas'
// slots says more than a row of "…".
void TNewGraphe::TDessin::Etiquettes() {
  if (g_.LegH) {
    const int n = g_.NbBarre();
    int plusLarge = 0;
    for (int i = 1; i <= n; ++i) plusLarge = std::max(plusLarge, c_.LargeurTexte(g_.Barre(i)->Legende()));
    const int pas = largeurCase_ > 0 ? std::clamp(Div(plusLarge + 2 + largeurCase_ - 1, largeurCase_), 1, n) : n;
    c_.FixerAlignement(pf::TAlignement::Gauche);
    for (int i = 1; i <= n; i += pas) {
      const int cx = gauche_ + i * largeurCase_ - demi_;
      const int place = std::min(pas * largeurCase_ - 2, 2 * std::min(cx, W_ - cx) - 2);
      const QString s = Elider(c_, g_.Barre(i)->Legende(), place);
      const int l = c_.LargeurTexte(s);
      Texte(gauche_ + i * largeurCase_ - (Div(largeurCase_ - l, 2) + l), base_ + Div(hautLigne_, 7), s);
    }
  }
  c_.FixerTaillePolice(taille_);
}

// Upwards; a number that would touch the one under it is left out.
void TNewGraphe::TDessin::NombresGraduations() {
  if (!g_.LegV) return;
  c_.FixerAlignement(pf::TAlignement::Droite);
  int libre = H_;
  for (const int v : graduations_) {
    const QString s = QString::number(v);
    const int y = Hauteur(v) - Div(c_.HauteurTexte(s), 2);
    if (y + c_.HauteurTexte(s) > libre) continue;
    Texte(Div(gauche_ * 5, 6), y, s);
    libre = y;
  }
}

void TNewGraphe::TDessin::TexteMoyenne() {
  if (!moyenne_) return;
  c_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  c_.FixerAlignement(pf::TAlignement::Gauche);
  const QString s = QStringLiteral("moy.");
  const int h = c_.HauteurTexte(s);
  // Under its line, unless that would cover the texts standing on the axis.
  const int y = std::max(haut_, std::min(ya_, base_ - h - (texteSurAxe_ ? hautCase_ : 0)));
  Texte(gauche_ + 3, y, Elider(c_, s, W_ - gauche_ - 5));
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
