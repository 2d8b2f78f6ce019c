#include "controls/tableau.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "controls/ajustement.h"

namespace calevrin::controles {

using pf::Div;

namespace {

constexpr pf::TCouleurRGB Noir = pf::RGB(0, 0, 0);
constexpr pf::TCouleurRGB Gris = pf::RGB(128, 128, 128);
constexpr pf::TCouleurRGB Blanc = pf::RGB(255, 255, 255);

bool Dedans(int colonne, int ligne) {
  return colonne >= 1 && colonne <= TTableau::MaxColonnes && ligne >= 1 && ligne <= TTableau::MaxLignes;
}

}  // namespace

TTableau::TTableau() {
  Police.Nom = QStringLiteral("Arial");
  Police.Taille = 15;
  Police.Pixels = true;
  for (int c = 1; c <= MaxColonnes; ++c)
    for (int l = 1; l <= MaxLignes; ++l) FixerCellule(c, l, QStringLiteral("%1 %2").arg(c).arg(l));
}

void TTableau::FixerNbLigne(int n) {
  if (n >= 3 && n <= MaxLignes) nbLigne_ = n;
}

void TTableau::FixerNbColonne(int n) {
  if (n >= 4 && n <= MaxColonnes) nbColonne_ = n;
}

bool TTableau::Cellule(int colonne, int ligne, QString& texte) const {
  if (!Dedans(colonne, ligne)) return false;
  texte = cellules_[static_cast<std::size_t>(colonne - 1)][static_cast<std::size_t>(ligne - 1)];
  return true;
}

QString TTableau::Cellule(int colonne, int ligne) const {
  QString t;
  Cellule(colonne, ligne, t);
  return t;
}

void TTableau::FixerCellule(int colonne, int ligne, const QString& texte) {
  if (Dedans(colonne, ligne))
    cellules_[static_cast<std::size_t>(colonne - 1)][static_cast<std::size_t>(ligne - 1)] = texte.left(LongueurCellule);
}

void TTableau::CopierPourImpression(const TTableau& source) {
  Relief = TRelief::rAucun;
  CopierApparence(Police, source.Police);
  Caption = source.Caption;
  nbLigne_ = source.nbLigne_;
  nbColonne_ = source.nbColonne_;
  CouleurL = source.CouleurL;
  CouleurFond = Blanc;
  for (int c = 1; c <= nbColonne_; ++c)
    for (int l = 1; l <= nbLigne_; ++l) FixerCellule(c, l, source.Cellule(c, l));
}

// Laid out before anything is painted: the texts' boxes are left out of the background's fill
// and each text paints its own, so that a full-screen table writes each pixel once.
void TTableau::Dessine(pf::TCanevas& c, int X, int Y, int W, int H) const {
  if (W <= 0 || H <= 0) return;
  const Disposition& d = Disposee(c, X, Y, W, H);
  const pf::TComposee composee(c);
  PeindreFond(c, d, X, Y, W, H);
  PeindreLignes(c, d, X, Y, W, H);
  for (const Ecrit& e : d.ecrits) {
    Preparer(c, d, e);
    if (e.cadre)
      c.TexteCadre(e.cadre->Gauche, e.cadre->Haut, e.cadre->Droite, e.cadre->Bas, e.x, e.y, e.texte);
    else
      c.TexteSortie(e.x, e.y, e.texte);
  }
}

// A window repaints the same table many times: measuring and fitting its texts again each time
// would be a tenth of its paint.
const TTableau::Disposition& TTableau::Disposee(pf::TCanevas& c, int X, int Y, int W, int H) const {
  const std::uint64_t mesures = c.CleMesures();
  const std::array<int, 4> rectangle{X, Y, W, H};
  if (mesures != 0 && memoire_ && memoire_->mesures == mesures && memoire_->rectangle == rectangle &&
      memoire_->police == Police && memoire_->caption == Caption && memoire_->noirBlanc == NoirBlanc &&
      memoire_->nbLigne == nbLigne_ && memoire_->nbColonne == nbColonne_ && memoire_->cellules == cellules_)
    return memoire_->d;
  memoire_ =
      Memoire{mesures, rectangle, Police, Caption, NoirBlanc, nbLigne_, nbColonne_, cellules_, Disposer(c, X, Y, W, H)};
  return memoire_->d;
}

TTableau::Disposition TTableau::Disposer(pf::TCanevas& c, int X, int Y, int W, int H) const {
  Disposition d;
  pf::TPolice f = Police;
  if (NoirBlanc) f.Couleur = Noir;
  const int largeurCol = Div(W, nbColonne_ + 1);
  d.hautLigne = Div(H, nbLigne_ + 1);
  // The cells' font first: their texts decide where the columns part.
  d.cellules = f;
  d.cellules.Taille = Div(std::min(W, H), 13);
  c.FixerPolice(d.cellules);
  d.col = Largeurs(c, W, largeurCol);
  d.cellules.Taille = c.Police().Taille;

  d.titre = f;
  d.titre.Gras = d.titre.Italique = false;
  d.titre.Souligne = true;
  d.titre.Taille = Div(std::min(W, H), 13);
  c.FixerPolice(d.titre);
  const QString titre = Ajuster(c, Caption, W - 4, Plancher(d.titre.Taille));
  d.titre.Taille = c.Police().Taille;
  if (!titre.isEmpty()) {
    Ecrit& e = d.ecrits.emplace_back();
    e.texte = titre;
    e.x = X + Div(W, 2);
    e.y = Y + Div(d.hautLigne - c.HauteurTexte(titre), 2);
    e.alignement = pf::TAlignement::Centre;
    e.titre = true;
  }

  c.FixerPolice(d.cellules);
  const int texteY = Div(d.hautLigne - c.HauteurTexte(QStringLiteral("P")), 2);
  const Colonnes& col = d.col;
  for (int l = 1; l <= nbLigne_; ++l)
    for (int k = 1; k <= nbColonne_; ++k) {
      Ecrit e;
      e.texte = Cellule(k, l);
      if (e.texte.isEmpty()) continue;
      e.y = Y + l * d.hautLigne + texteY;
      const int gaucheCase = col.debut[static_cast<std::size_t>(k)];
      const int droiteCase = col.debut[static_cast<std::size_t>(k + 1)];
      if (col.rognees && c.LargeurTexte(e.texte) > droiteCase - gaucheCase - 2 * col.marge) {
        // Even at the smallest size: the text is cut at its cell's edges.
        e.x = X + gaucheCase + col.marge;
        e.cadre = pf::TBoite{X + gaucheCase + 1, Y + l * d.hautLigne, X + droiteCase - 1, Y + (l + 1) * d.hautLigne};
      } else if (k == 1) {
        e.x = X + col.gaucheTexte1;
      } else {
        e.x = X + Div(gaucheCase + droiteCase, 2);
        e.alignement = pf::TAlignement::Centre;
      }
      d.ecrits.push_back(std::move(e));
    }
  Boites(c, d);
  return d;
}

void TTableau::Boites(pf::TCanevas& c, Disposition& d) {
  d.boites.reserve(d.ecrits.size());
  for (const Ecrit& e : d.ecrits) {
    Preparer(c, d, e);
    pf::TBoite b = c.BoiteEcriture(e.x, e.y, e.texte);
    if (e.cadre)
      b = {std::max(b.Gauche, e.cadre->Gauche), std::max(b.Haut, e.cadre->Haut), std::min(b.Droite, e.cadre->Droite),
           std::min(b.Bas, e.cadre->Bas)};
    d.boites.push_back(b);
  }
}

// Each text in its font: the title's or the cells'.
void TTableau::Preparer(pf::TCanevas& c, const Disposition& d, const Ecrit& e) {
  c.FixerPolice(e.titre ? d.titre : d.cellules);
  c.FixerAlignement(e.alignement);
}

void TTableau::PeindreFond(pf::TCanevas& c, const Disposition& d, int X, int Y, int W, int H) const {
  c.FixerStylePlume(Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c.FixerLargeurPlume(1);
  if (NoirBlanc) {
    c.FixerCouleurPlume(Noir);
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    c.Rectangle(X, Y, X + W, Y + H);
    return;
  }
  c.FixerCouleurPlume(CouleurL);
  c.FixerCouleurBrosse(CouleurFond);
  c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  c.RectangleSousTextes(X, Y, X + W, Y + H, d.boites);
}

void TTableau::PeindreLignes(pf::TCanevas& c, const Disposition& d, int X, int Y, int W, int H) const {
  auto segment = [&](int x1, int y1, int x2, int y2) {
    c.DeplacerVers(X + x1, Y + y1);
    c.LigneVers(X + x2, Y + y2);
  };
  auto relief = [&](int x1, int y1, int x2, int y2) {
    if (Relief == TRelief::rAucun) return segment(x1, y1, x2, y2);
    // Sunken: grey, then white one pixel right and down; raised: the other way round.
    const bool creux = Relief == TRelief::rCreux;
    c.FixerCouleurPlume(creux ? Gris : Blanc);
    segment(x1, y1, x2, y2);
    c.FixerCouleurPlume(creux ? Blanc : Gris);
    segment(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
  };
  c.FixerStylePlume(pf::TStylePlume::Plein);
  for (int k = 2; k <= nbColonne_; ++k) {
    const int x = d.col.debut[static_cast<std::size_t>(k)];
    relief(x, d.hautLigne, x, H);
  }
  for (int l = 2; l <= nbLigne_; ++l) relief(0, l * d.hautLigne, W, l * d.hautLigne);
}

// The spans of the columns. The first column twice as wide as the others when every text fits
// that way; otherwise each column as wide as its widest text, the room left shared; when even
// that is too wide the font is made smaller, and at its floor the cells' texts are cut.
TTableau::Colonnes TTableau::Largeurs(pf::TCanevas& c, int W, int largeurCol) const {
  Colonnes r;
  const double taille = c.Police().Taille;
  auto besoins = [&](std::array<int, MaxColonnes + 2>& b) {
    r.marge = std::max(1, Div(c.LargeurTexte(QStringLiteral("m")), 3));
    for (int k = 1; k <= nbColonne_; ++k) {
      int l = 0;
      for (int ligne = 1; ligne <= nbLigne_; ++ligne) l = std::max(l, c.LargeurTexte(Cellule(k, ligne)));
      b[static_cast<std::size_t>(k)] = l + 2 * r.marge;
    }
    // The columns of figures keep one width, the widest one's.
    const int figures = *std::max_element(b.begin() + 2, b.begin() + nbColonne_ + 1);
    std::fill(b.begin() + 2, b.begin() + nbColonne_ + 1, figures);
    return b[1] + (nbColonne_ - 1) * figures;
  };
  std::array<int, MaxColonnes + 2> besoin{};
  int total = besoins(besoin);

  // The usual layout, the first column's text a third of a column in.
  const int tiers = Div(largeurCol, 3);
  const bool usuel = besoin[1] - r.marge + tiers <= 2 * largeurCol && besoin[2] <= largeurCol;
  if (usuel) {
    r.debut[1] = 0;
    for (int k = 2; k <= nbColonne_ + 1; ++k) r.debut[static_cast<std::size_t>(k)] = k * largeurCol;
    r.gaucheTexte1 = tiers;
    return r;
  }

  if (total > W) {
    PlusGrandeTaille(c, W, Plancher(taille), [&] { return besoins(besoin); });
    total = besoins(besoin);  // the last size tried may not be the one kept
  }
  r.rognees = total > W;
  r.debut[1] = 0;
  if (r.rognees) {
    // Each column keeps its share of what the texts would need.
    long long cumul = 0;
    for (int k = 1; k <= nbColonne_; ++k) {
      cumul += besoin[static_cast<std::size_t>(k)];
      r.debut[static_cast<std::size_t>(k + 1)] = static_cast<int>(cumul * W / total);
    }
  } else {
    // The room left goes to the columns in equal parts, the remainder to the first.
    const int part = Div(W - total, nbColonne_);
    int x = W - total - part * nbColonne_;
    for (int k = 1; k <= nbColonne_; ++k) {
      x += besoin[static_cast<std::size_t>(k)] + part;
      r.debut[static_cast<std::size_t>(k + 1)] = x;
    }
  }
  r.gaucheTexte1 = r.marge;
  return r;
}

}  // namespace calevrin::controles
