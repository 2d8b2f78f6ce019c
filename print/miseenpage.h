#pragma once
// Where the print dialog puts a graph or a table on the page, and the scaled picture of it.

#include <QRect>
#include <QSize>
#include <QString>

#include "print/metriques.h"

namespace calevrin {

// The six placements, in the order of the dialog's buttons.
enum class TDisposition { HautGauche = 1, Haut, PageEntiere, HautCentre, Milieu, Centre };

struct TMiseEnPage {
  int LargeurPage = 0;  // the printable area, in printer pixels
  int HauteurPage = 0;
  // False when the printer reports no printable area: the page above is then an A4 sheet at
  // 300 pixels per inch, for the picture, and nothing can be printed on that printer.
  bool Imprimable = true;
  double Echelle = 0;  // picture pixels per printer pixel
  QSize Feuille;       // the picture of the sheet, its shadow included
  QRect Zone;          // the rectangle of the page that receives the graph or table
  QRect Image;         // the graph's or table's picture, in the panel where the sheet is at (8, 8)
};

TMiseEnPage CalculerMiseEnPage(int largeurPage, int hauteurPage, bool paysage, TDisposition d, int marge);

// "Taille de la page : Largeur: 21 cm  /  Hauteur: 29.7 cm", each size by its own resolution.
QString TexteTaillePage(const TMetriques& m);

}  // namespace calevrin
