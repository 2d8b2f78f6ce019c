#pragma once
// Between the sheet's cells and pixels. Drawing units: a test column is 20 units wide and
// test k starts at 20 (k + W), W the names' width in columns (at least 5); row i (0 the
// coefficients, 1..NbEleves the students) starts at 10 (i + 1). A unit is Zoom pixels; the
// scroll positions H, V and the origin of the table place it in the window.

#include <QRect>

namespace calevrin {

struct TGeometrieFeuille {
  double Zoom = 2.0;
  int W = 5;
  int H = 0;
  int V = 0;
  int OrigineX = 0;
  int OrigineY = 0;

  int X(double unites) const;
  int Y(double unites) const;
  // The pixels of a rectangle in units.
  QRect Zone(double x1, double y1, double x2, double y2) const;
  // The cell under the point: its row and column, unchecked (0 or less left of or above the grades).
  void Cellule(int x, int y, int& ligne, int& colonne) const;
  // The in-place editor over a cell.
  QRect ZoneCellule(int ligne, int colonne) const;
  // The corner of the cursor mark of a cell (its angle at the bottom left), shifted by
  // decalage pixels up and left for the relief's second line.
  QPoint AngleMarque(int ligne, int colonne, int decalage = 0) const;
  // What a repaint of the mark must cover, both lines of the relief included.
  QRect ZoneMarque(int ligne, int colonne) const;
};

}  // namespace calevrin
