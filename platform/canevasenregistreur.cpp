#include "platform/canevasenregistreur.h"

namespace calevrin::plateforme {

TAppel TCanevasEnregistreur::Nouveau(TAppel::TGenre g) const {
  TAppel a;
  a.Genre = g;
  a.Police = Police();
  a.Alignement = Alignement();
  a.Plume = CouleurPlume();
  a.Brosse = CouleurBrosse();
  a.StylePlume = StylePlume();
  a.StyleBrosse = StyleBrosse();
  a.LargeurPlume = LargeurPlume();
  return a;
}

void TCanevasEnregistreur::TexteSortie(int x, int y, const QString& texte) {
  TAppel a = Nouveau(TAppel::Texte);
  a.X1 = x;
  a.Y1 = y;
  a.Chaine = texte;
  appels_.push_back(a);
}

void TCanevasEnregistreur::TexteCadre(int gauche, int haut, int droite, int bas, int x, int y,
                                      const QString& texte) {
  TAppel a = Nouveau(TAppel::Texte);
  a.X1 = x;
  a.Y1 = y;
  a.Chaine = texte;
  a.Cadre = true;
  a.CadreGauche = gauche;
  a.CadreHaut = haut;
  a.CadreDroite = droite;
  a.CadreBas = bas;
  appels_.push_back(a);
}

void TCanevasEnregistreur::Rectangle(int x1, int y1, int x2, int y2) {
  TAppel a = Nouveau(TAppel::Rectangle);
  a.X1 = x1;
  a.Y1 = y1;
  a.X2 = x2;
  a.Y2 = y2;
  appels_.push_back(a);
}

void TCanevasEnregistreur::RemplirRectangle(int x1, int y1, int x2, int y2) {
  TAppel a = Nouveau(TAppel::Remplissage);
  a.X1 = x1;
  a.Y1 = y1;
  a.X2 = x2;
  a.Y2 = y2;
  appels_.push_back(a);
}

void TCanevasEnregistreur::Ligne(int x1, int y1, int x2, int y2) {
  TAppel a = Nouveau(TAppel::Ligne);
  a.X1 = x1;
  a.Y1 = y1;
  a.X2 = x2;
  a.Y2 = y2;
  appels_.push_back(a);
}

int TCanevasEnregistreur::LargeurTexte(const QString& texte) {
  return R(static_cast<double>(texte.size()) * Police().Taille * lp_);
}

int TCanevasEnregistreur::HauteurTexte(const QString&) { return R(Police().Taille * hp_); }

std::vector<QString> TCanevasEnregistreur::Textes() const {
  std::vector<QString> r;
  for (const TAppel& a : appels_)
    if (a.Genre == TAppel::Texte) r.push_back(a.Chaine);
  return r;
}

const TAppel* TCanevasEnregistreur::TrouverTexte(const QString& texte) const {
  for (const TAppel& a : appels_)
    if (a.Genre == TAppel::Texte && a.Chaine == texte) return &a;
  return nullptr;
}

}  // namespace calevrin::plateforme
