#include "sheet/geometrie.h"

#include <cmath>

#include "platform/canevas.h"

namespace calevrin {

using plateforme::R;

int TGeometrieFeuille::X(double unites) const { return R(unites * Zoom) - H + OrigineX; }
int TGeometrieFeuille::Y(double unites) const { return R(unites * Zoom) - V + OrigineY; }

QRect TGeometrieFeuille::Zone(double x1, double y1, double x2, double y2) const {
  return {QPoint(X(x1), Y(y1)), QPoint(X(x2), Y(y2))};
}

// The cell drawn under the point: rounding to the nearest column start would give the right
// half of a grade to the next test.
void TGeometrieFeuille::Cellule(int x, int y, int& ligne, int& colonne) const {
  colonne = static_cast<int>(std::floor((x + H - OrigineX) / (20 * Zoom))) - W;
  ligne = static_cast<int>(std::floor((y + V - OrigineY) / (10 * Zoom))) - 1;
}

QRect TGeometrieFeuille::ZoneCellule(int ligne, int colonne) const {
  return {X(20.0 * (colonne + W)), Y(10.0 * (ligne + 1)), R(20 * Zoom), R(15 * Zoom)};
}

QPoint TGeometrieFeuille::AngleMarque(int ligne, int colonne, int decalage) const {
  return {X((colonne + W - 0.1) * 20) - decalage, Y(10.0 * (ligne + 2)) - 1 - decalage};
}

QRect TGeometrieFeuille::ZoneMarque(int ligne, int colonne) const {
  const QPoint a = AngleMarque(ligne, colonne);
  return {a.x() - 2, a.y() - R(7.5 * Zoom) - 2, R(15 * Zoom) + 5, R(7.5 * Zoom) + 5};
}

}  // namespace calevrin
