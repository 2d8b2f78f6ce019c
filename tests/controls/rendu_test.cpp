// The controls drawn into images: the pixels that matter once the Qt canvas has drawn them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "controls/vues.h"
#include "platform/canevasqt.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;

namespace {

TNewGraphe Barres(bool noirBlanc) {
  TNewGraphe g;
  g.Mode = TMode::mBarre;
  g.NoirBlanc = noirBlanc;
  g.Moy = false;  // its line would cross the first bar
  g.FixerNbBarre(4);
  const double v[] = {14, 18, 6, 10};
  for (int i = 1; i <= 4; ++i) {
    g.Barre(i)->Valeur = v[i - 1];
    g.Barre(i)->Couleur = i == 1 ? RGB(255, 0, 0) : RGB(0, 0, 255);
  }
  return g;
}

// The Qt canvas, remembering where the rectangles went (right and bottom inclusive).
class TEspion : public calevrin::plateforme::TCanevasQt {
 public:
  using TCanevasQt::TCanevasQt;
  std::vector<QRect> rectangles;
  void Rectangle(int x1, int y1, int x2, int y2) override {
    rectangles.emplace_back(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    TCanevasQt::Rectangle(x1, y1, x2, y2);
  }
};

// The image at ppp pixels per inch, and the bars' rectangles.
QImage Rendre(TNewGraphe g, int W, int H, std::vector<QRect>& barres, int ppp = 96) {
  QImage im(W, H, QImage::Format_RGB32);
  im.fill(Qt::white);
  im.setDotsPerMeterX(static_cast<int>(ppp / 0.0254));
  im.setDotsPerMeterY(static_cast<int>(ppp / 0.0254));
  QPainter p(&im);
  TEspion c(p);
  g.Dessine(c, 0, 0, W, H);
  barres.assign(c.rectangles.begin() + 1, c.rectangles.end());  // after the background
  return im.copy();
}

int Compter(const QImage& im, const QRect& zone, QRgb couleur) {
  int n = 0;
  for (int y = zone.top(); y <= zone.bottom(); ++y)
    for (int x = zone.left(); x <= zone.right(); ++x) n += im.pixel(x, y) == couleur;
  return n;
}

}  // namespace

TEST(Rendu, BarresHachuresEtTableauEnCreux) {
  std::vector<QRect> b;
  QImage im = Rendre(Barres(false), 400, 300, b);
  ASSERT_EQ(b.size(), 4u);
  EXPECT_EQ(im.pixel(b[0].center()), qRgb(255, 0, 0));
  EXPECT_EQ(im.pixel(b[0].left(), b[0].center().y()), qRgb(0, 0, 0));  // the pen's outline
  EXPECT_EQ(im.pixel(im.width() - 3, 3), qRgb(192, 192, 192));

  // Black and white: a black hatch on the white paper, no colour, no background.
  b.clear();
  im = Rendre(Barres(true), 400, 300, b);
  const QRect h = b[0].adjusted(1, 1, -1, -1);
  const int noirs = Compter(im, h, qRgb(0, 0, 0));
  const int blancs = Compter(im, h, qRgb(255, 255, 255));
  EXPECT_EQ(noirs + blancs, h.width() * h.height());
  EXPECT_TRUE(noirs > h.width() * h.height() / 8 && blancs > h.width() * h.height() / 3);
  EXPECT_TRUE(im.pixel(im.width() - 3, 3) == qRgb(255, 255, 255) && Compter(im, im.rect(), qRgb(255, 0, 0)) == 0);
  // On a 300 dpi page the hatch keeps its screen spacing (about 25 pixels), not 8 pixels.
  b.clear();
  im = Rendre(Barres(true), 1200, 900, b, 300);
  const QRect p = b[1].adjusted(1, 1, -1, -1);
  int traits = 0;
  for (int x = p.left() + 1; x <= p.right(); ++x)
    traits += im.pixel(x, p.center().y()) == qRgb(0, 0, 0) && im.pixel(x - 1, p.center().y()) != qRgb(0, 0, 0);
  EXPECT_GE(traits, p.width() / 30);  // the two directions may cross on the row
  EXPECT_LE(traits, 2 * p.width() / 20);

  // The table's window: sunken lines, grey on the line, white one pixel right of it or under it.
  TVueTableau vue;
  vue.resize(500, 400);
  const QImage t = vue.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int x = 2 * (500 / 6), y = 3 * (400 / 6) + 10;
  EXPECT_TRUE(t.pixel(x, y) == qRgb(128, 128, 128) && t.pixel(x + 1, y) == qRgb(255, 255, 255));
  // The graph's window gives its width to the trend curve.
  TVueGraphe vg;
  vg.resize(400, 300);
  vg.grab();
  EXPECT_EQ(vg.Graphe().LargeurControle, 400);
}

// Qt no longer fills the background under the two windows: they paint every pixel themselves,
// in colour to the last row and column, in black and white with the window's own background.
TEST(Rendu, LesFenetresPeignentToutLeurFond) {
  QWidget parent;
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 128, 0));
  parent.setPalette(palette);
  const QRgb perime = qRgb(255, 0, 255);  // what a buffer left unpainted would show
  for (const bool noirBlanc : {false, true}) {
    TVueGraphe g(&parent);
    g.Graphe() = Barres(noirBlanc);
    TVueTableau t(&parent);
    t.Tableau().NoirBlanc = noirBlanc;
    for (QWidget* v : {static_cast<QWidget*>(&g), static_cast<QWidget*>(&t)}) {
      v->resize(301, 203);
      QImage im(v->size(), QImage::Format_RGB32);
      im.fill(perime);
      v->render(&im, QPoint(), QRegion(), QWidget::RenderFlags());
      int restes = 0;
      for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) restes += im.pixel(x, y) == perime;
      EXPECT_EQ(restes, 0) << v->metaObject()->className() << (noirBlanc ? " noir et blanc" : " couleur");
    }
  }
}

namespace {

// The fullest graph of a statistics window: 25 slots, long title and legend lines, "abs" slots.
TNewGraphe GraphePlein(TMode mode, bool noirBlanc) {
  TNewGraphe g;
  g.Mode = mode;
  g.NoirBlanc = noirBlanc;
  g.Caption = QStringLiteral("4EB / Mathématiques appliquées / Trimestre 1 / Contrôle commun ( 2026 / 2027 )");
  g.FixerNbBarre(25);
  for (int i = 1; i <= 25; ++i) {
    g.Barre(i)->Valeur = i % 7 == 3 ? -1 : (i * 7) % 20;
    g.Barre(i)->FixerTexte(QStringLiteral("abs"));
    g.Barre(i)->Couleur = RGB(10 * i, 255 - 10 * i, 128);
    g.LegendeBarre(i, QString::number(i - 1));
  }
  g.FixerNbLigne(5);
  for (int l = 1; l <= 5; ++l)
    g.FixerLigne(l, QStringLiteral("Dev. %1 - Coef. 2.5 - Contrôle commun : géométrie dans l'espace").arg(l));
  g.BarreMoy.Valeur = 11.2;
  return g;
}

// Long subjects (cut in their cells when narrow), descenders, and a slanted bold font.
TTableau TableauPlein(bool italique) {
  TTableau t;
  t.Caption = QStringLiteral("4EB: Bilan complet de MONTGOLFIER-DELAVIGNE Marie-Angélique");
  const char* matieres[] = {"Matière", "Mathématiques appliquées", "Physique-Chimie et Te", "Sciences de la vie et",
                            "Synthèse"};
  for (int l = 1; l <= 5; ++l) t.FixerCellule(1, l, QString::fromUtf8(matieres[l - 1]));
  for (int c = 2; c <= 5; ++c) {
    t.FixerCellule(c, 1, QStringLiteral("Trim.%1").arg(c - 1));
    for (int l = 2; l <= 5; ++l) t.FixerCellule(c, l, QString::number(10 + l + c * 0.35, 'f', 1));
  }
  if (italique) {
    t.Police.Italique = t.Police.Gras = true;
    t.Police.Couleur = RGB(0, 0, 160);
    t.CouleurFond = RGB(255, 255, 200);
    t.Relief = TRelief::rBosse;
  }
  return t;
}

// What the canvas draws on an image first filled with 'fond', three times as a window is (the
// canvas keeps its pictures of texts from the second). With 'commeQt' its texts are measured
// as on another device, which keeps Qt writing them itself.
QImage Peindre(const std::function<void(calevrin::plateforme::TCanevas&, int, int)>& dessin, int W, int H, QRgb fond,
               bool commeQt) {
  QImage im(W, H, QImage::Format_RGB32);
  for (int fois = 0; fois < 3; ++fois) {
    im.fill(fond);
    QPainter p(&im);
    calevrin::plateforme::TCanevasQt c(p);
    if (commeQt) c.FixerMesure(&im);
    dessin(c, W, H);
  }
  return im;
}

}  // namespace

// Full-screen drawings take the canvas's shortcuts (texts from kept pictures, composed on the
// background they are written on, the table's background left out under its texts): every
// pixel of the rectangle is still painted, and the texts are those Qt writes, but for the
// anti-aliasing of glyph edges.
TEST(Rendu, PleinEcranChaquePixelPeintCommeParQt) {
  const QRgb sentinelle = qRgb(255, 0, 255);
  struct TCas {
    std::string nom;
    std::function<void(calevrin::plateforme::TCanevas&, int, int)> dessin;
    bool fond;     // black and white leaves the paper as it is
    bool commeQt;  // Qt slants a large bold italic a shade apart from its own picture of it
  };
  std::vector<TCas> cas;
  for (const bool italique : {false, true})
    cas.push_back(
        {italique ? "tableau en italique" : "tableau",
         [t = TableauPlein(italique)](calevrin::plateforme::TCanevas& c, int W, int H) { t.Dessine(c, 0, 0, W, H); },
         true, !italique});
  for (const TMode mode : {TMode::mBarre, TMode::mLigne, TMode::mBezier})
    for (const bool noirBlanc : {false, true})
      cas.push_back({"graphe " + std::to_string(static_cast<int>(mode)) + (noirBlanc ? " noir et blanc" : ""),
                     [g = GraphePlein(mode, noirBlanc)](calevrin::plateforme::TCanevas& c, int W, int H) mutable {
                       g.LargeurControle = W;
                       g.Dessine(c, 0, 0, W, H);
                     },
                     !noirBlanc, true});
  const QSize tailles[] = {{1920, 1080}, {600, 1080}, {301, 203}};
  for (const TCas& k : cas)
    for (const QSize& s : tailles) {
      const std::string nom = k.nom + " " + std::to_string(s.width()) + "x" + std::to_string(s.height());
      const QImage obtenu = Peindre(k.dessin, s.width(), s.height(), k.fond ? sentinelle : qRgb(255, 255, 255), false);
      if (k.fond) {
        EXPECT_EQ(Compter(obtenu, obtenu.rect(), sentinelle), 0) << nom;
      }
      if (!k.commeQt) continue;
      const QImage attendu = Peindre(k.dessin, s.width(), s.height(), qRgb(255, 255, 255), true);
      int differents = 0, ecart = 0;
      for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
          const QRgb a = obtenu.pixel(x, y), b = attendu.pixel(x, y);
          if (a == b) continue;
          ++differents;
          ecart = std::max(
              {ecart, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
      EXPECT_LE(ecart, 24) << nom << ": " << differents << " pixels differ";
    }
}

namespace {

// A control painted three times as a window is, its painter cut to one rectangle or, with
// 'direct', to two, which keeps the canvas writing each drawing through Qt as it comes.
QImage PeindreCoupe(const std::function<void(calevrin::plateforme::TCanevas&, int, int)>& dessin, const QSize& s,
                    QImage::Format f, bool direct) {
  QImage im(s.width() + 8, s.height(), f);
  for (int fois = 0; fois < 3; ++fois) {
    im.fill(qRgb(255, 0, 255));
    QPainter p(&im);
    const QRegion zone(0, 0, s.width() + 1, s.height());  // the relief's last column
    p.setClipRegion(direct ? zone + QRegion(s.width() + 4, 0, 1, 1) : zone);
    calevrin::plateforme::TCanevasQt c(p);
    dessin(c, s.width(), s.height());
  }
  return im.copy(0, 0, s.width() + 1, s.height());
}

}  // namespace

// The pixels held and written band by band are those drawn call by call. Tables: plain and
// slanted texts, cut cells, every relief, black and white; graphs: every mode, colour and
// black and white. In a window's two image formats.
TEST(Rendu, ComposeCommeDessine) {
  using TDessin = std::function<void(calevrin::plateforme::TCanevas&, int, int)>;
  std::vector<std::pair<std::string, TDessin>> dessins;
  const auto tableau = [](const TTableau& t) {
    return [t](calevrin::plateforme::TCanevas& c, int W, int H) { t.Dessine(c, 0, 0, W, H); };
  };
  dessins.emplace_back("tableau plein", tableau(TableauPlein(false)));
  dessins.emplace_back("tableau italique", tableau(TableauPlein(true)));
  TTableau t = TableauPlein(false);
  t.Relief = TRelief::rAucun;
  t.Cadre = false;
  dessins.emplace_back("tableau plat", tableau(t));
  t.NoirBlanc = true;
  dessins.emplace_back("tableau noir et blanc", tableau(t));
  for (const TMode mode : {TMode::mBarre, TMode::mLigne, TMode::mBezier})
    for (const bool noirBlanc : {false, true})
      dessins.emplace_back("graphe " + std::to_string(static_cast<int>(mode)) + (noirBlanc ? " noir et blanc" : ""),
                           [g = GraphePlein(mode, noirBlanc)](calevrin::plateforme::TCanevas& c, int W, int H) mutable {
                             g.LargeurControle = W;
                             g.Dessine(c, 0, 0, W, H);
                           });
  const QSize tailles[] = {{1920, 1080}, {600, 1080}, {301, 203}};
  for (const auto& [nom, dessin] : dessins)
    for (const QSize& s : tailles)
      for (const QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        EXPECT_EQ(PeindreCoupe(dessin, s, f, false), PeindreCoupe(dessin, s, f, true))
            << nom << " " << s.width() << "x" << s.height() << " format " << f;

  // In a window, painted where it asks to be, moved into the window's buffer.
  TVueTableau vue;
  vue.Tableau() = TableauPlein(false);
  vue.resize(640, 360);
  const QRect r1(10, 10, 300, 200), r2(330, 220, 300, 130);
  QImage parParties(660, 380, QImage::Format_RGB32), ensemble = parParties;
  parParties.fill(qRgb(255, 0, 255));
  ensemble.fill(qRgb(255, 0, 255));
  for (int fois = 0; fois < 3; ++fois) {
    // Qt puts the top-left corner of what it renders at the offset.
    vue.render(&parParties, QPoint(7, 5), QRegion(r1));
    vue.render(&parParties, QPoint(7, 5) + r2.topLeft() - r1.topLeft(), QRegion(r2));
    vue.render(&ensemble, QPoint(7, 5), QRegion(r1) + QRegion(r2));  // two rectangles: drawn call by call
  }
  EXPECT_EQ(parParties, ensemble);
  EXPECT_EQ(Compter(parParties, parParties.rect(), qRgb(255, 0, 255)),
            660 * 380 - r1.width() * r1.height() - r2.width() * r2.height());
}

// A table keeps its layout between paints: any change to it, to its rectangle or to the
// resolution it is measured at gives the pixels of a table drawn for the first time.
TEST(Rendu, TableauRedessineApresChaqueChangement) {
  const auto peindre = [](const TTableau& t, int W, int ppp) {
    QImage im(W, 300, QImage::Format_RGB32);
    im.setDotsPerMeterX(static_cast<int>(ppp / 0.0254));
    im.setDotsPerMeterY(static_cast<int>(ppp / 0.0254));
    im.fill(Qt::white);
    QPainter p(&im);
    calevrin::plateforme::TCanevasQt c(p);
    t.Dessine(c, 0, 0, W, 300);
    return im;
  };
  const std::vector<std::pair<std::string, std::function<void(TTableau&, int&, int&)>>> changements = {
      {"cellule", [](TTableau& t, int&, int&) { t.FixerCellule(1, 2, QStringLiteral("Histoire-Géographie et EMC")); }},
      {"titre", [](TTableau& t, int&, int&) { t.Caption = QStringLiteral("3EA"); }},
      {"police", [](TTableau& t, int&, int&) { t.Police.Gras = true; }},
      {"couleurs", [](TTableau& t, int&, int&) { t.Police.Couleur = RGB(200, 0, 0); }},
      {"noir et blanc", [](TTableau& t, int&, int&) { t.NoirBlanc = true; }},
      {"lignes", [](TTableau& t, int&, int&) { t.FixerNbLigne(3); }},
      {"colonnes", [](TTableau& t, int&, int&) { t.FixerNbColonne(4); }},
      {"largeur", [](TTableau&, int& W, int&) { W = 420; }},
      {"résolution", [](TTableau&, int&, int& ppp) { ppp = 192; }},
  };
  for (const auto& [nom, changer] : changements) {
    TTableau repeint = TableauPlein(false);
    repeint.Police.Pixels = nom != "résolution";  // a size in points follows the resolution
    int W = 640, ppp = 96;
    peindre(repeint, W, ppp);
    peindre(repeint, W, ppp);
    changer(repeint, W, ppp);
    const QImage obtenu = peindre(repeint, W, ppp);
    TTableau neuf = TableauPlein(false);
    neuf.Police.Pixels = repeint.Police.Pixels;
    int W2 = 640, ppp2 = 96;
    changer(neuf, W2, ppp2);
    EXPECT_EQ(obtenu, peindre(neuf, W2, ppp2)) << nom;
  }
}
