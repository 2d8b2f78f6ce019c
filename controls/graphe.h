#pragma once
// The graph: one series of values as bars, a line or a trend curve, with its scale, labels,
// title, legend lines and average line. A plain drawing object: a window, the print dialog's
// picture, a printer page, a PDF or an image each draw it through Dessine.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/canevas.h"

namespace calevrin::controles {

namespace pf = plateforme;

class TBarre {
 public:
  double Valeur = 0;  // negative: no value, Texte is written instead
  pf::TCouleurRGB Couleur = pf::RGB(255, 0, 0);

  const QString& Texte() const { return texte_; }
  const QString& Legende() const { return legende_; }
  void FixerTexte(const QString& s) { texte_ = s.left(4); }
  void FixerLegende(const QString& s) { legende_ = s.left(4); }
  void Copie(const TBarre& source);

 private:
  QString texte_;
  QString legende_;
};

struct TPointObjet {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};
using TListPoint = std::vector<TPointObjet>;

enum class TMode { mBarre, mLigne, mBezier };

class TNewGraphe {
 public:
  static constexpr int MaxLignes = 5;
  static constexpr int MaxPoints = 255;

  TNewGraphe();

  bool LegH = true;
  bool LegV = true;
  std::int32_t PasVert = 5;
  std::int32_t NbGradV = 4;
  std::int32_t Vmax = 20;
  bool Moy = true;
  TBarre BarreMoy;
  TMode Mode = TMode::mLigne;
  pf::TCouleurRGB CouleurFond = pf::RGB(192, 192, 192);
  pf::TCouleurRGB CouleurL = pf::RGB(0, 0, 0);
  pf::TPolice Police;  // its size is in pixels and follows the rectangle of the last drawing
  QString Caption = QStringLiteral("By QUIV");
  bool Afficher0 = true;
  bool NoirBlanc = false;
  bool Cadre = true;
  // The width of the window showing the graph: the trend curve takes one step per pixel of
  // it, wherever it is drawn, so that screen and paper show the same curve.
  int LargeurControle = 200;

  int NbBarre() const { return static_cast<int>(barres_.size()); }
  void FixerNbBarre(int n);  // n new default bars; 0 or less empties the series
  TBarre* Barre(int i);      // 1-based; nullptr outside 1..NbBarre
  const TBarre* Barre(int i) const;
  void LegendeBarre(int i, const QString& s);

  QString Ligne(int i) const;  // 1..5; empty outside
  void FixerLigne(int i, const QString& s);
  int NbLigne() const { return nbLigne_; }
  void FixerNbLigne(int n);  // 6 or more is ignored

  const TListPoint& Points() const { return points_; }
  int NbPoint() const { return static_cast<int>(points_.size()); }

  void Dessine(pf::TCanevas& c, int X, int Y, int W, int H);

  // Everything the print dialog keeps of a window's graph; LegV, Cadre, NoirBlanc and the
  // background are its own.
  void CopierPourImpression(const TNewGraphe& source);

 private:
  class TDessin;  // one drawing: the sizes fitted to its rectangle and the steps that use them
  void Courbe(pf::TCanevas& c);
  std::vector<TBarre> barres_;
  std::array<QString, MaxLignes> lignes_;
  int nbLigne_ = 1;
  TListPoint points_;
};

}  // namespace calevrin::controles
