#pragma once
// A canvas that lists its calls, for testing painters without pixels.

#include <string>
#include <vector>

#include "platform/canevas.h"

namespace calevrin::plateforme {

struct TAppel {
  enum TGenre { Texte, Ligne, Rectangle, Remplissage } Genre = Texte;
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // text: reference point; clipped text: X2,Y2 the cadre's end
  QString Chaine;
  TPolice Police;
  TAlignement Alignement = TAlignement::Gauche;
  TCouleurRGB Plume = 0, Brosse = 0;
  TStylePlume StylePlume = TStylePlume::Plein;
  TStyleBrosse StyleBrosse = TStyleBrosse::Plein;
  int LargeurPlume = 1;
  bool Cadre = false;
  int CadreGauche = 0, CadreHaut = 0, CadreDroite = 0, CadreBas = 0;
};

class TCanevasEnregistreur : public TCanevas {
 public:
  // Text metrics in pixels per character and per line, per point of font size.
  explicit TCanevasEnregistreur(double largeurParPoint = 0.6, double hauteurParPoint = 1.5)
      : lp_(largeurParPoint), hp_(hauteurParPoint) {}

  void TexteSortie(int x, int y, const QString& texte) override;
  void TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RemplirRectangle(int x1, int y1, int x2, int y2) override;
  int LargeurTexte(const QString& texte) override;
  int HauteurTexte(const QString& texte) override;

  const std::vector<TAppel>& Appels() const { return appels_; }
  void Effacer() { appels_.clear(); }
  // The texts written, in order; the first call that wrote a text, or nullptr.
  std::vector<QString> Textes() const;
  const TAppel* TrouverTexte(const QString& texte) const;
  // Where a recorded text lies by this canvas's measures (right and bottom excluded), cut to
  // its frame for a clipped text.
  void BoiteTexte(const TAppel& a, int& gauche, int& haut, int& droite, int& bas) const;

 protected:
  void Ligne(int x1, int y1, int x2, int y2) override;

 private:
  TAppel Nouveau(TAppel::TGenre g) const;
  void Ajouter(TAppel::TGenre g, int x1, int y1, int x2, int y2, const QString& texte = QString());
  double lp_;
  double hp_;
  std::vector<TAppel> appels_;
};

}  // namespace calevrin::plateforme
