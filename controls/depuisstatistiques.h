#pragma once
// The figures of a statistics window, as the model computes them, into the graph or the table.
// Templates over the figures' records, so that the controls stay apart from the model: the
// windows and the command-line tool both fill their controls through here. The model's texts
// are Windows-1252; they become Unicode here.

#include <cstddef>

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "platform/texte.h"

namespace calevrin::controles {

// Style, title, bars, legend lines and scale; the mode stays the control's.
template <class TGrapheSource>
void RemplirGraphe(const TGrapheSource& s, TNewGraphe& g) {
  auto q = [](const auto& cp1252) { return plateforme::DepuisCp1252(cp1252); };
  g.CouleurFond = s.Style.CouleurFond;
  g.CouleurL = s.Style.CouleurL;
  g.Police.Nom = q(s.Style.Police);
  g.Police.Couleur = s.Style.CouleurTexte;
  g.Police.Gras = s.Style.StylePolice.gras;
  g.Police.Italique = s.Style.StylePolice.italique;
  g.Police.Souligne = s.Style.StylePolice.souligne;
  g.Caption = q(s.Caption);
  g.FixerNbBarre(s.NbBarre());
  for (int i = 1; i <= s.NbBarre(); ++i) {
    const auto& b = s.Barres[static_cast<std::size_t>(i - 1)];
    TBarre* d = g.Barre(i);
    d->Valeur = b.Valeur;
    d->Couleur = b.Couleur;
    d->FixerTexte(q(b.Texte));
    d->FixerLegende(q(b.Legende));
  }
  g.FixerNbLigne(s.NbLigne);
  for (int i = 1; i <= TNewGraphe::MaxLignes; ++i)
    g.FixerLigne(i, i <= s.NbLigne ? q(s.Ligne[static_cast<std::size_t>(i)]) : QString());
  g.Vmax = s.Vmax;
  g.PasVert = s.PasVert;
  g.NbGradV = s.NbGradV;
  g.Afficher0 = s.Afficher0;
  g.Moy = s.Moy;
  g.BarreMoy.Valeur = s.BarreMoy.Valeur;
  g.BarreMoy.Couleur = s.BarreMoy.Couleur;
}

template <class TTableauSource>
void RemplirTableau(const TTableauSource& s, TTableau& t) {
  t.CouleurFond = s.Style.CouleurFond;
  t.CouleurL = s.Style.CouleurL;
  t.Police.Nom = plateforme::DepuisCp1252(s.Style.Police);
  t.Police.Couleur = s.Style.CouleurTexte;
  t.Police.Gras = s.Style.StylePolice.gras;
  t.Police.Italique = s.Style.StylePolice.italique;
  t.Police.Souligne = s.Style.StylePolice.souligne;
  t.Caption = plateforme::DepuisCp1252(s.Caption);
  t.Cadre = s.Cadre;
  t.Relief = s.Relief == 0 ? TRelief::rAucun : s.Relief == 2 ? TRelief::rBosse : TRelief::rCreux;
  t.FixerNbColonne(s.NbColonne);
  t.FixerNbLigne(s.NbLigne);
  for (int col = 1; col <= TTableau::MaxColonnes; ++col)
    for (int lig = 1; lig <= TTableau::MaxLignes; ++lig)
      t.FixerCellule(col, lig,
                     plateforme::DepuisCp1252(s.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)]));
}

}  // namespace calevrin::controles
