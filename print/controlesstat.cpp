#include "print/controlesstat.h"

#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString Q(const std::string& cp1252) { return pf::DepuisCp1252(cp1252); }

}  // namespace

void AppliquerGraphe(const TGrapheStat& s, controles::TNewGraphe& g) {
  g.CouleurFond = s.Style.CouleurFond;
  g.CouleurL = s.Style.CouleurL;
  g.Police.Nom = Q(s.Style.Police);
  g.Police.Couleur = s.Style.CouleurTexte;
  g.Police.Gras = s.Style.StylePolice.gras;
  g.Police.Italique = s.Style.StylePolice.italique;
  g.Police.Souligne = s.Style.StylePolice.souligne;
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
  t.CouleurFond = s.Style.CouleurFond;
  t.CouleurL = s.Style.CouleurL;
  t.Police.Nom = Q(s.Style.Police);
  t.Police.Couleur = s.Style.CouleurTexte;
  t.Police.Gras = s.Style.StylePolice.gras;
  t.Police.Italique = s.Style.StylePolice.italique;
  t.Police.Souligne = s.Style.StylePolice.souligne;
  t.Caption = Q(s.Caption);
  t.Cadre = s.Cadre;
  t.Relief = s.Relief == 0   ? controles::TRelief::rAucun
             : s.Relief == 2 ? controles::TRelief::rBosse
                             : controles::TRelief::rCreux;
  t.FixerNbColonne(s.NbColonne);
  t.FixerNbLigne(s.NbLigne);
  for (int col = 1; col <= controles::TTableau::MaxColonnes; ++col)
    for (int lig = 1; lig <= controles::TTableau::MaxLignes; ++lig)
      t.FixerCellule(col, lig,
                     Q(s.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)]));
}

}  // namespace calevrin
