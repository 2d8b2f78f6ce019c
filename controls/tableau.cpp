#include "controls/tableau.h"

#include <algorithm>

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
  Police.Nom = source.Police.Nom;
  Police.Couleur = source.Police.Couleur;
  Police.Gras = source.Police.Gras;
  Police.Italique = source.Police.Italique;
  Police.Souligne = source.Police.Souligne;
  Caption = source.Caption;
  nbLigne_ = source.nbLigne_;
  nbColonne_ = source.nbColonne_;
  CouleurL = source.CouleurL;
  CouleurFond = Blanc;
  for (int c = 1; c <= nbColonne_; ++c)
    for (int l = 1; l <= nbLigne_; ++l) FixerCellule(c, l, source.Cellule(c, l));
}

void TTableau::Dessine(pf::TCanevas& c, int X, int Y, int W, int H) const {
  if (W <= 0 || H <= 0) return;
  auto segment = [&](int x1, int y1, int x2, int y2) {
    c.DeplacerVers(X + x1, Y + y1);
    c.LigneVers(X + x2, Y + y2);
  };
  auto relief = [&](int x1, int y1, int x2, int y2) {
    switch (Relief) {
      case TRelief::rAucun: segment(x1, y1, x2, y2); break;
      case TRelief::rCreux:
        c.FixerCouleurPlume(Gris);
        segment(x1, y1, x2, y2);
        c.FixerCouleurPlume(Blanc);
        segment(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
        break;
      case TRelief::rBosse:
        c.FixerCouleurPlume(Blanc);
        segment(x1, y1, x2, y2);
        c.FixerCouleurPlume(Gris);
        segment(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
        break;
    }
  };

  c.FixerStylePlume(Cadre ? pf::TStylePlume::Plein : pf::TStylePlume::Aucun);
  c.FixerLargeurPlume(1);
  pf::TPolice f = Police;
  if (NoirBlanc) {
    c.FixerCouleurPlume(Noir);
    f.Couleur = Noir;
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  } else {
    c.FixerCouleurPlume(CouleurL);
    c.FixerCouleurBrosse(CouleurFond);
    c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  }
  c.Rectangle(X, Y, X + W, Y + H);
  c.FixerStylePlume(pf::TStylePlume::Plein);

  const int largeurCol = Div(W, nbColonne_ + 1);
  const int hautLigne = Div(H, nbLigne_ + 1);
  for (int col = 2; col <= nbColonne_; ++col) relief(col * largeurCol, hautLigne, col * largeurCol, H);
  for (int l = 2; l <= nbLigne_; ++l) relief(0, l * hautLigne, W, l * hautLigne);

  f.Gras = f.Italique = false;
  f.Souligne = true;
  f.Taille = Div(std::min(W, H), 13);
  c.FixerPolice(f);
  c.FixerAlignement(pf::TAlignement::Centre);
  c.TexteSortie(X + Div(W, 2), Y + Div(hautLigne - c.HauteurTexte(Caption), 2), Caption);

  f.Gras = Police.Gras;
  f.Italique = Police.Italique;
  f.Souligne = Police.Souligne;
  c.FixerPolice(f);
  const int texteY = Div(hautLigne - c.HauteurTexte(QStringLiteral("P")), 2);
  c.FixerAlignement(pf::TAlignement::Gauche);
  for (int l = 1; l <= nbLigne_; ++l) c.TexteSortie(X + Div(largeurCol, 3), Y + l * hautLigne + texteY, Cellule(1, l));
  c.FixerAlignement(pf::TAlignement::Centre);
  for (int l = 1; l <= nbLigne_; ++l)
    for (int col = 2; col <= nbColonne_; ++col)
      c.TexteSortie(X + col * largeurCol + Div(largeurCol, 2), Y + l * hautLigne + texteY, Cellule(col, l));
}

}  // namespace calevrin::controles
