#include "print/controlesstat.h"

#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString Q(const std::string& cp1252) { return pf::DepuisCp1252(cp1252); }

// The options' look, the same for a graph and a table.
template <class C>
void AppliquerStyle(const TStyleStat& s, C& controle) {
  controle.CouleurFond = s.CouleurFond;
  controle.CouleurL = s.CouleurL;
  controle.Police.Nom = Q(s.Police);
  controle.Police.Couleur = s.CouleurTexte;
  controle.Police.Gras = s.StylePolice.gras;
  controle.Police.Italique = s.StylePolice.italique;
  controle.Police.Souligne = s.StylePolice.souligne;
}

}  // namespace

void AppliquerGraphe(const TGrapheStat& s, controles::TNewGraphe& g) {
  AppliquerStyle(s.Style, g);
  g.Caption = Q(s.Caption);
  g.FixerNbBarre(s.NbBarre());
  for (int i = 1; i <= s.NbBarre(); ++i) {
    const TBarreStat& b = s.Barres[static_cast<std::size_t>(i - 1)];
    controles::TBarre* d = g.Barre(i);
    d->Valeur = b.Valeur;
    d->Couleur = b.Couleur;
    d->FixerTexte(Q(b.Texte));
    d->FixerLegende(Q(b.Legende));
  }
  g.FixerNbLigne(s.NbLigne);
  for (int i = 1; i <= controles::TNewGraphe::MaxLignes; ++i)
    g.FixerLigne(i, i <= s.NbLigne ? Q(s.Ligne[static_cast<std::size_t>(i)]) : QString());
  g.Vmax = s.Vmax;
  g.PasVert = s.PasVert;
  g.NbGradV = s.NbGradV;
  g.Afficher0 = s.Afficher0;
  g.Moy = s.Moy;
  g.BarreMoy.Valeur = s.BarreMoy.Valeur;
  g.BarreMoy.Couleur = s.BarreMoy.Couleur;
}

void AppliquerTableau(const TTableauStat& s, controles::TTableau& t) {
  AppliquerStyle(s.Style, t);
  t.Caption = Q(s.Caption);
  t.Cadre = s.Cadre;
  t.Relief = s.Relief == 0   ? controles::TRelief::rAucun
             : s.Relief == 2 ? controles::TRelief::rBosse
                             : controles::TRelief::rCreux;
  t.FixerNbColonne(s.NbColonne);
  t.FixerNbLigne(s.NbLigne);
  for (int col = 1; col <= controles::TTableau::MaxColonnes; ++col)
    for (int lig = 1; lig <= controles::TTableau::MaxLignes; ++lig)
      t.FixerCellule(col, lig, Q(s.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)]));
}

}  // namespace calevrin
