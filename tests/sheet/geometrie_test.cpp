#include "sheet/geometrie.h"

#include <gtest/gtest.h>

using namespace calevrin;

// Positions worked out by hand from the layout: test k from 20 (k + W) units, row i from
// 10 (i + 1) units, a unit being Zoom pixels.
TEST(Geometrie, DuPixelALaCaseEtRetour) {
  struct TCas {
    double zoom;
    int W, H, V, ox, oy, x, y, ligne, colonne;
  } const cas[] = {
      {2, 5, 0, 0, 0, 0, 240, 40, 1, 1},                                       // first pixel of the first grade
      {2, 5, 0, 0, 0, 0, 279, 59, 1, 1},                                       // its last pixel: still the first test
      {2, 5, 0, 0, 0, 0, 280, 60, 2, 2},   {2, 5, 0, 0, 0, 0, 250, 25, 0, 1},  // the coefficient row
      {2, 5, 0, 0, 0, 0, 239, 39, 0, 0},                                       // the names column, left of the grades
      {2, 5, 0, 0, 0, 0, 100, 5, -1, -3},                                      // the title, above everything
      {2, 5, 100, 50, 0, 0, 140, 0, 1, 1},                                     // scrolled
      {1, 5, 0, 0, 30, 70, 150, 90, 1, 1},                                     // in the preview's page
      {1.5, 7, 0, 0, 0, 0, 300, 75, 4, 3}, {1.5, 7, 0, 0, 0, 0, 299, 74, 3, 2},
  };
  for (const TCas& c : cas) {
    const TGeometrieFeuille g{c.zoom, c.W, c.H, c.V, c.ox, c.oy};
    int ligne = -99;
    int colonne = -99;
    g.Cellule(c.x, c.y, ligne, colonne);
    EXPECT_EQ(ligne, c.ligne) << c.x << "," << c.y;
    EXPECT_EQ(colonne, c.colonne) << c.x << "," << c.y;
  }
  const TGeometrieFeuille g{1.5, 7, 0, 0, 0, 0};
  EXPECT_EQ(g.ZoneCellule(4, 3), QRect(300, 75, 30, 22));  // 22.5 rounds to the even 22
  int ligne = 0;
  int colonne = 0;
  g.Cellule(g.ZoneCellule(4, 3).center().x(), g.ZoneCellule(4, 3).top(), ligne, colonne);
  EXPECT_EQ(ligne, 4);
  EXPECT_EQ(colonne, 3);
  // The mark's corner sits just left of the cell, on the row's bottom line.
  const TGeometrieFeuille z2{2, 5, 0, 0, 0, 0};
  EXPECT_EQ(z2.AngleMarque(1, 1), QPoint(236, 59));
  EXPECT_TRUE(z2.ZoneMarque(1, 1).contains(QRect(236, 44, 31, 16)));
  EXPECT_EQ(z2.Zone(20, 10, 40, 20), QRect(QPoint(40, 20), QPoint(80, 40)));
}
