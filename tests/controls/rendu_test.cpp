// The controls drawn into images: the pixels that matter once the canvas has drawn them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "controls/vues.h"
#include "platform/canevasqt.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;
using calevrin::plateforme::TCanevasQt;

namespace {

// The Qt canvas, remembering where the rectangles and lines went.
class TEspion : public TCanevasQt {
 public:
  using TCanevasQt::TCanevasQt;
  std::vector<QRect> rectangles;  // x1, y1 inclusive; right and bottom excluded
  std::vector<QLine> lignes;
  void Rectangle(int x1, int y1, int x2, int y2) override {
    rectangles.emplace_back(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    TCanevasQt::Rectangle(x1, y1, x2, y2);
  }

 protected:
  void Ligne(int x1, int y1, int x2, int y2) override {
    lignes.emplace_back(x1, y1, x2, y2);
    TCanevasQt::Ligne(x1, y1, x2, y2);
  }
};

TNewGraphe Barres(bool noirBlanc) {
  TNewGraphe g;
  g.Mode = TMode::mBarre;
  g.NoirBlanc = noirBlanc;
  g.Caption = QStringLiteral("Devoir 1");
  g.FixerNbBarre(4);
  const double v[] = {14, 18, 6, 10};
  for (int i = 1; i <= 4; ++i) {
    g.Barre(i)->Valeur = v[i - 1];
    g.Barre(i)->Couleur = i == 1 ? RGB(255, 0, 0) : RGB(0, 0, 255);
  }
  g.BarreMoy.Valeur = 12;
  return g;
}

struct TRendu {
  QImage image;
  std::vector<QRect> rectangles;
  std::vector<QLine> lignes;
};

TRendu Rendre(TNewGraphe& g, int W, int H, int ppp = 96) {
  TRendu r{QImage(W, H, QImage::Format_RGB32), {}, {}};
  r.image.fill(Qt::white);
  r.image.setDotsPerMeterX(static_cast<int>(ppp / 0.0254));
  r.image.setDotsPerMeterY(static_cast<int>(ppp / 0.0254));
  QPainter p(&r.image);
  TEspion c(p);
  g.Dessine(c, 0, 0, W, H);
  r.rectangles = c.rectangles;
  r.lignes = c.lignes;
  return r;
}

int Compter(const QImage& im, const QRect& zone, QRgb couleur) {
  int n = 0;
  for (int y = zone.top(); y <= zone.bottom(); ++y)
    for (int x = zone.left(); x <= zone.right(); ++x) n += im.pixel(x, y) == couleur;
  return n;
}

}  // namespace

TEST(Rendu, BarresEnCouleurEtHachurees) {
  TNewGraphe g = Barres(false);
  g.Moy = false;  // its line would cross the first bar
  const TRendu r = Rendre(g, 400, 300);
  ASSERT_EQ(r.rectangles.size(), 5u);  // the background, then the four bars
  const QRect b1 = r.rectangles[1];
  const QRect b2 = r.rectangles[2];
  // Inside: the bar's colour; its outline: the pen's black; neighbours share that line.
  EXPECT_EQ(r.image.pixel(b1.center()), qRgb(255, 0, 0));
  EXPECT_EQ(Compter(r.image, b1.adjusted(1, 1, -1, -1), qRgb(255, 0, 0)), (b1.width() - 2) * (b1.height() - 2));
  EXPECT_EQ(r.image.pixel(b1.left(), b1.center().y()), qRgb(0, 0, 0));
  EXPECT_EQ(b1.right(), b2.left());
  EXPECT_EQ(r.image.pixel(b1.right(), b2.bottom() - 2), qRgb(0, 0, 0));
  // The 18 rises higher than the 14, and the bars stand on the axis.
  EXPECT_LT(b2.top(), b1.top());
  EXPECT_EQ(b1.bottom(), b2.bottom());
  EXPECT_EQ(r.image.pixel(r.image.width() - 3, 3), qRgb(192, 192, 192));
  EXPECT_EQ(r.image.pixel(0, 0), qRgb(0, 0, 0));  // the frame
  // The average line, dotted in lime, 12 out of 20 of the way from the axis to the top.
  g.Moy = true;
  const TRendu m = Rendre(g, 400, 300);
  const QLine moy = m.lignes.back();
  const QLine axe = m.lignes.front();
  const QLine echelle = m.lignes[1];
  EXPECT_EQ(moy.y1(), moy.y2());
  EXPECT_NEAR(axe.y1() - moy.y1(), (echelle.y1() - echelle.y2()) * 12 / 20, 1);
  EXPECT_GT(Compter(m.image, QRect(moy.x1(), moy.y1(), moy.x2() - moy.x1(), 1), qRgb(0, 255, 0)), 50);

  TNewGraphe nb = Barres(true);
  nb.Moy = false;
  const TRendu n = Rendre(nb, 400, 300);
  const QRect h = n.rectangles[1].adjusted(1, 1, -1, -1);
  const int noirs = Compter(n.image, h, qRgb(0, 0, 0));
  const int blancs = Compter(n.image, h, qRgb(255, 255, 255));
  EXPECT_EQ(noirs + blancs, h.width() * h.height());  // black hatch on the white paper
  EXPECT_GT(noirs, h.width() * h.height() / 8);
  EXPECT_GT(blancs, h.width() * h.height() / 3);
  EXPECT_EQ(n.image.pixel(n.image.width() - 3, 3), qRgb(255, 255, 255));  // no background
  EXPECT_EQ(Compter(n.image, n.image.rect(), qRgb(255, 0, 0)), 0);

  // On a 300 dpi page the hatch keeps its screen spacing (about 25 pixels), not 8 pixels.
  const TRendu page = Rendre(nb, 1200, 900, 300);
  const QRect b = page.rectangles[2].adjusted(1, 1, -1, -1);
  int traits = 0;
  for (int x = b.left() + 1; x <= b.right(); ++x)
    traits += page.image.pixel(x, b.center().y()) == qRgb(0, 0, 0) &&
              page.image.pixel(x - 1, b.center().y()) != qRgb(0, 0, 0);
  EXPECT_GE(traits, b.width() / 30);  // the two directions may cross on the row
  EXPECT_LE(traits, 2 * b.width() / 20);
}

TEST(Rendu, TableauEnCreuxDansSaFenetre) {
  // Sunken grid: grey on the line, white one pixel right of it or under it.
  TVueTableau vue;
  vue.resize(500, 400);
  const QImage im = vue.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int colW = 500 / 6;
  const int rowH = 400 / 6;
  EXPECT_EQ(im.pixel(2 * colW, 3 * rowH + 10), qRgb(128, 128, 128));
  EXPECT_EQ(im.pixel(2 * colW + 1, 3 * rowH + 10), qRgb(255, 255, 255));
  EXPECT_EQ(im.pixel(2 * colW + 20, 2 * rowH), qRgb(128, 128, 128));
  EXPECT_EQ(im.pixel(2 * colW + 20, 2 * rowH + 1), qRgb(255, 255, 255));
  EXPECT_EQ(im.pixel(2 * colW + 3, rowH / 2 + 30), qRgb(192, 192, 192));
  // The graph's window gives its width to the trend curve.
  TVueGraphe vg;
  vg.resize(400, 300);
  vg.grab();
  EXPECT_EQ(vg.Graphe().LargeurControle, 400);
}
