#pragma once
// The table: a titled grid of at most 5 x 5 short texts, the first column twice as wide,
// with flat, sunken or raised grid lines. A plain drawing object, drawn through Dessine.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/canevas.h"

namespace calevrin::controles {

namespace pf = plateforme;

enum class TRelief { rAucun, rCreux, rBosse };

class TTableau {
 public:
  static constexpr int MaxLignes = 5;
  static constexpr int MaxColonnes = 5;
  static constexpr int LongueurCellule = 25;

  TTableau();

  pf::TCouleurRGB CouleurFond = pf::RGB(192, 192, 192);
  pf::TCouleurRGB CouleurL = pf::RGB(0, 0, 0);
  pf::TPolice Police;  // name, style and colour; the size follows the rectangle
  QString Caption = QStringLiteral("By QUIV");
  bool NoirBlanc = false;
  bool Cadre = true;
  TRelief Relief = TRelief::rCreux;

  int NbLigne() const { return nbLigne_; }
  void FixerNbLigne(int n);  // ignored unless 3, 4 or 5
  int NbColonne() const { return nbColonne_; }
  void FixerNbColonne(int n);  // ignored unless 4 or 5

  // Columns and rows 1..5; a read outside leaves texte as it was, a write outside is ignored.
  bool Cellule(int colonne, int ligne, QString& texte) const;
  QString Cellule(int colonne, int ligne) const;
  void FixerCellule(int colonne, int ligne, const QString& texte);  // cut at 25 characters

  void Dessine(pf::TCanevas& c, int X, int Y, int W, int H) const;

  // What the print dialog keeps of a window's table: flat lines, a white background.
  void CopierPourImpression(const TTableau& source);

 private:
  struct Colonnes {
    std::array<int, MaxColonnes + 2> debut{};  // column k spans debut[k] to debut[k + 1]
    int gaucheTexte1 = 0;                      // where the first column's texts start
    int marge = 1;                             // kept on each side of a text in its cell
    bool rognees = false;                      // the texts too wide for their cells are cut
  };
  Colonnes Largeurs(pf::TCanevas& c, int W, int largeurCol) const;

  // A text as laid out before anything is painted.
  struct Ecrit {
    QString texte;
    int x = 0, y = 0;
    pf::TAlignement alignement = pf::TAlignement::Gauche;
    bool titre = false;
    std::optional<pf::TBoite> cadre;  // the cell's edges, for a text cut at them
  };
  struct Disposition {
    std::vector<Ecrit> ecrits;
    std::vector<pf::TBoite> boites;  // where each text paints its background
    pf::TPolice titre, cellules;     // their sizes fitted to the rectangle
    Colonnes col;
    int hautLigne = 0;
  };
  // The last layout, kept while the table, its rectangle and the canvas's measures stay the same.
  struct Memoire {
    std::uint64_t mesures = 0;
    std::array<int, 4> rectangle{};
    pf::TPolice police;
    QString caption;
    bool noirBlanc = false;
    int nbLigne = 0, nbColonne = 0;
    std::array<std::array<QString, MaxLignes>, MaxColonnes> cellules;
    Disposition d;
  };
  const Disposition& Disposee(pf::TCanevas& c, int X, int Y, int W, int H) const;
  Disposition Disposer(pf::TCanevas& c, int X, int Y, int W, int H) const;
  static void Boites(pf::TCanevas& c, Disposition& d);
  static void Preparer(pf::TCanevas& c, const Disposition& d, const Ecrit& e);
  void PeindreFond(pf::TCanevas& c, const Disposition& d, int X, int Y, int W, int H) const;
  void PeindreLignes(pf::TCanevas& c, const Disposition& d, int X, int Y, int W, int H) const;

  int nbLigne_ = 5;
  int nbColonne_ = 5;
  std::array<std::array<QString, MaxLignes>, MaxColonnes> cellules_;
  mutable std::optional<Memoire> memoire_;
};

}  // namespace calevrin::controles
