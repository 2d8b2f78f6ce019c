#pragma once
// The grade sheet drawn on a canvas: the table of one class in its test, year or synthesis
// view, on screen, as the print preview inside the window, or on the printer page.

#include "model/classe.h"
#include "model/figures.h"
#include "model/options.h"
#include "platform/canevas.h"
#include "sheet/geometrie.h"

namespace calevrin {

inline constexpr int AucuneCellule = 255;

// The window's state that painting reads and writes.
struct TEtatFeuille {
  bool ModeApercu = false;
  double ZoomApercu = 0.5;
  int OrigineX = 0;
  int OrigineY = 0;
  int NbColNoms = 5;
  int LigneCourante = AucuneCellule;  // 0 the coefficient row, 1..NbEleves the students
  int ColonneCourante = AucuneCellule;
  int LigneAvant = AucuneCellule;
  int ColonneAvant = AucuneCellule;
  bool PremierDessin = true;
  bool EditionOuverte = false;  // the cursor mark is left alone while a grade is typed
  int H = 0;                    // scroll positions
  int V = 0;
  int LargeurClient = 0;
  int HauteurClient = 0;
};

// The paper and its printable area in printer pixels, and screen pixels per printer pixel.
struct TMesuresPage {
  int LargeurPhysique = 2481;
  int HauteurPhysique = 3507;
  int LargeurImprimable = 2400;
  int HauteurImprimable = 3390;
  double RapportEcran = 0.32;
};

struct TDefilement {
  int Largeur = 0;
  int Hauteur = 0;
};

// Paints the sheet. With impression the canvas is the printer page; otherwise the window's
// own, table or preview according to etat.ModeApercu. Colours changed for printing are
// those of a local palette: the options are never written. The grades' values and the
// averages come from figures, kept by the window's document between changes.
void DessinerFeuille(plateforme::TCanevas& canevas, bool impression, TEtatFeuille& etat, const TClasse& c,
                     const TFiguresClasse& figures, const TMesuresPage& page, const TOptions& o);
// The same with figures computed for this one paint (a printout without a window).
void DessinerFeuille(plateforme::TCanevas& canevas, bool impression, TEtatFeuille& etat, const TClasse& c,
                     const TMesuresPage& page, const TOptions& o = Options);

// The cursor mark of the current cell (screen only): erased at the cell where it was last
// drawn and, with montrer, drawn at the current one. The caller then records the cell.
// Within a full paint there is nothing to erase: effacer false.
void DessinerCurseur(plateforme::TCanevas& canevas, const TEtatFeuille& etat, bool montrer, const TOptions& o = Options,
                     bool effacer = true);

// The scroll ranges of the sheet.
TDefilement CalculerDefilement(const TEtatFeuille& etat, const TClasse& c, const TMesuresPage& page,
                               const TOptions& o = Options);

// The width of the name area in columns of 20 units, at least 5.
int CalculerLargeurNoms(plateforme::TCanevas& canevas, const TClasse& c, const TOptions& o = Options);

// Scales of lines (pixels per drawing unit) and of font sizes for a paint.
struct TEchelles {
  double Trait = 2.0;
  double Police = 2.0;
};
TEchelles Echelles(bool impression, const TEtatFeuille& etat, const TMesuresPage& page, const TOptions& o = Options);

// Factors read from the configuration kept within a range where layout stays possible:
// screen zooms 0.2 to 5, print scale factors 0.1 to 10.
double ZoomBorne(double zoom);
double FacteurBorne(double facteur);

}  // namespace calevrin
