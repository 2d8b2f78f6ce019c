#include "platform/canevasenregistreur.h"

#include <algorithm>

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

void TCanevasEnregistreur::Ajouter(TAppel::TGenre g, int x1, int y1, int x2, int y2, const QString& texte) {
  TAppel a = Nouveau(g);
  a.X1 = x1;
  a.Y1 = y1;
  a.X2 = x2;
  a.Y2 = y2;
  a.Chaine = texte;
  appels_.push_back(a);
}

void TCanevasEnregistreur::TexteSortie(int x, int y, const QString& texte) {
  Ajouter(TAppel::Texte, x, y, 0, 0, texte);
}

void TCanevasEnregistreur::TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) {
  Ajouter(TAppel::Texte, x, y, 0, 0, texte);
  TAppel& a = appels_.back();
  a.Cadre = true;
  a.CadreGauche = gauche;
  a.CadreHaut = haut;
  a.CadreDroite = droite;
  a.CadreBas = bas;
}

void TCanevasEnregistreur::Rectangle(int x1, int y1, int x2, int y2) { Ajouter(TAppel::Rectangle, x1, y1, x2, y2); }

void TCanevasEnregistreur::RemplirRectangle(int x1, int y1, int x2, int y2) {
  Ajouter(TAppel::Remplissage, x1, y1, x2, y2);
}

void TCanevasEnregistreur::Ligne(int x1, int y1, int x2, int y2) { Ajouter(TAppel::Ligne, x1, y1, x2, y2); }

int TCanevasEnregistreur::LargeurTexte(const QString& texte) {
  return R(static_cast<double>(texte.size()) * Police().Taille * lp_);
}

int TCanevasEnregistreur::HauteurTexte(const QString&) { return R(Police().Taille * hp_); }

void TCanevasEnregistreur::BoiteTexte(const TAppel& a, int& gauche, int& haut, int& droite, int& bas) const {
  const int l = R(static_cast<double>(a.Chaine.size()) * a.Police.Taille * lp_);
  gauche = a.X1;
  if (!a.Cadre && a.Alignement == TAlignement::Centre) gauche -= l / 2;
  if (!a.Cadre && a.Alignement == TAlignement::Droite) gauche -= l;
  haut = a.Y1;
  droite = gauche + l;
  bas = haut + R(a.Police.Taille * hp_);
  if (!a.Cadre) return;
  gauche = std::max(gauche, a.CadreGauche);
  haut = std::max(haut, a.CadreHaut);
  droite = std::min(droite, a.CadreDroite);
  bas = std::min(bas, a.CadreBas);
}

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
