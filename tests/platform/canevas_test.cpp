#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <functional>

#include "platform/canevasqt.h"
#include "platform/texte.h"

using namespace calevrin::plateforme;

namespace {

// Bounding box of the pixels that differ from white.
QRect Encre(const QImage& im) {
  QRect r;
  for (int y = 0; y < im.height(); ++y)
    for (int x = 0; x < im.width(); ++x)
      if (im.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
  return r;
}

// What the canvas draws on a white image of w x h, its painter moved right by dx.
QImage Dessiner(int w, int h, int dx, const std::function<void(TCanevasQt&)>& dessin) {
  QImage im(w, h, QImage::Format_RGB32);
  im.fill(Qt::white);
  QPainter p(&im);
  p.translate(dx, 0);
  TCanevasQt c(p);
  dessin(c);
  return im.copy();
}

}  // namespace

TEST(Canevas, BordsExclusEtTexteParLeHaut) {
  QImage im = Dessiner(100, 60, 0, [](TCanevasQt& c) {
    c.FixerStyleBrosse(TStyleBrosse::Vide);
    c.FixerCouleurBrosse(RGB(0, 0, 0));  // a colour makes the clear brush solid
    EXPECT_EQ(c.StyleBrosse(), TStyleBrosse::Plein);
    c.FixerStylePlume(TStylePlume::Aucun);
    c.Rectangle(10, 10, 20, 15);
  });
  EXPECT_EQ(Encre(im), QRect(QPoint(10, 10), QPoint(19, 14)));  // right and bottom excluded

  im = Dessiner(100, 60, 0, [](TCanevasQt& c) {
    c.DeplacerVers(5, 30);
    c.LigneVers(25, 30);  // end point excluded
    c.DeplacerVers(40, 5);
    c.LigneVers(40, 1);
  });
  const QRgb noir = qRgb(0, 0, 0);
  EXPECT_EQ(im.pixel(5, 30), noir);
  EXPECT_EQ(im.pixel(24, 30), noir);
  EXPECT_NE(im.pixel(25, 30), noir);
  EXPECT_EQ(im.pixel(40, 5), noir);
  EXPECT_NE(im.pixel(40, 1), noir);

  // Text placed by its top, not its baseline; underlined where it is, even through a painter
  // moved as a child window's is.
  TPolice f;
  f.Taille = 12;
  const QRect t = Encre(Dessiner(100, 60, 0, [&](TCanevasQt& c) {
    c.FixerStyleBrosse(TStyleBrosse::Vide);
    c.FixerPolice(f);
    c.TexteSortie(10, 20, QStringLiteral("HE"));
  }));
  EXPECT_GE(t.top(), 20);
  EXPECT_LT(t.top(), 28);
  EXPECT_GE(t.left(), 10);
  f.Pixels = f.Souligne = true;
  f.Taille = 16;
  const QRect s = Encre(Dessiner(300, 40, 100, [&](TCanevasQt& c) {
    c.FixerPolice(f);
    c.FixerStyleBrosse(TStyleBrosse::Vide);
    c.TexteSortie(10, 5, QStringLiteral("Bilan"));
  }));
  EXPECT_GE(s.left(), 108);
}

TEST(Canevas, ArrondisEtTextesWindows1252) {
  // Halves go to the even neighbour (banker's rounding), as every drawing's positions expect.
  EXPECT_EQ(R(2.5), 2);
  EXPECT_EQ(R(3.5), 4);
  EXPECT_EQ(R(-2.5), -2);

  EXPECT_EQ(DepuisCp1252("Lef\xE8vre \x80 \x9C"), QStringLiteral("Lefèvre € œ"));
  EXPECT_EQ(VersCp1252(QStringLiteral("Œuvre à ÿ")), std::string("\x8Cuvre \xE0 \xFF"));
  EXPECT_EQ(VersCp1252(QStringLiteral("Ω")), std::nullopt);
}

TEST(Canevas, DeuxCanevasEtPlusDePolicesQueLeCache) {
  // A window's canvas keeps writing while a second canvas (the print dialog's picture) goes
  // through more fonts than the shared text cache holds; under AddressSanitizer a table
  // freed under the first canvas shows as a use after free.
  QImage a(200, 40, QImage::Format_RGB32);
  QImage b(200, 40, QImage::Format_RGB32);
  a.fill(Qt::white);
  b.fill(Qt::white);
  QPainter pa(&a);
  QPainter pb(&b);
  TCanevasQt premier(pa);
  TCanevasQt second(pb);
  TPolice f;
  f.Taille = 9;
  premier.FixerPolice(f);
  const int largeur = premier.LargeurTexte(QStringLiteral("Dupont"));
  for (int i = 0; i < 40; ++i) {
    TPolice g;
    g.Taille = 10 + i;
    g.Pixels = true;
    second.FixerPolice(g);
    second.TexteSortie(0, 0, QStringLiteral("Martin"));
  }
  EXPECT_EQ(premier.LargeurTexte(QStringLiteral("Dupont")), largeur);
  premier.TexteSortie(0, 0, QStringLiteral("Dupont"));
  EXPECT_NE(Encre(a), QRect());
  // A size in pixels is the device's: 40 pixels are twice as wide as 20 on any screen.
  TPolice p20;
  p20.Pixels = true;
  p20.Taille = 20;
  second.FixerPolice(p20);
  const int l20 = second.LargeurTexte(QStringLiteral("MMMMMMMMMM"));
  p20.Taille = 40;
  second.FixerPolice(p20);
  EXPECT_NEAR(second.LargeurTexte(QStringLiteral("MMMMMMMMMM")), 2 * l20, 4);

  // One font in points, measured in turn on the screen and on a page of three times its
  // resolution: each device gets its own measures, as Qt gives them.
  QImage page(200, 40, QImage::Format_RGB32);
  page.setDotsPerMeterX(static_cast<int>(288 / 0.0254));
  page.setDotsPerMeterY(static_cast<int>(288 / 0.0254));
  QPainter pp(&page);
  TPolice f11;
  f11.Taille = 11;
  QFont qf(f11.Nom);
  qf.setPointSizeF(f11.Taille);
  for (int fois = 0; fois < 2; ++fois)
    for (QPainter* p : {&pa, &pp}) {
      TCanevasQt c(*p);
      c.FixerPolice(f11);
      const QFontMetrics m(qf, p->device());
      EXPECT_EQ(c.LargeurTexte(QStringLiteral("Lefèvre")), m.horizontalAdvance(QStringLiteral("Lefèvre")));
      EXPECT_EQ(c.HauteurTexte(QStringLiteral("Lefèvre")), m.height());
    }
}

TEST(Canevas, GrandsTextesEnImageEtTraitsRemplisCommeDessinesParQt) {
  // Straight lines, each way, give the pixels of the stroked line a printer page gets: through
  // the pixel centres, square-capped, short of the end point.
  const int traits[][4] = {{5, 30, 45, 30}, {45, 33, 5, 33}, {50, 5, 50, 55}, {53, 55, 53, 5}};
  for (const auto& t : traits) {
    const QImage obtenu = Dessiner(80, 60, 3, [&](TCanevasQt& c) {
      c.DeplacerVers(t[0], t[1]);
      c.LigneVers(t[2], t[3]);
    });
    QImage attendu(80, 60, QImage::Format_RGB32);
    attendu.fill(Qt::white);
    QPainter p(&attendu);
    p.translate(3, 0);
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    const double dx = t[2] > t[0] ? 1 : t[2] < t[0] ? -1 : 0, dy = t[3] > t[1] ? 1 : t[3] < t[1] ? -1 : 0;
    p.drawLine(QPointF(t[0] + 0.5, t[1] + 0.5), QPointF(t[2] - dx + 0.5, t[3] - dy + 0.5));
    p.end();
    EXPECT_EQ(obtenu, attendu) << t[0] << "," << t[1] << " to " << t[2] << "," << t[3];
  }
  // Rectangles' outlines alike; one pixel thin, the rectangle itself (Qt strokes those beyond).
  const int cadres[][4] = {{5, 5, 40, 30}, {60, 10, 62, 12}, {50, 10, 51, 40}, {10, 40, 70, 41}};
  for (const auto& r : cadres) {
    const auto cadre = [&](TCanevasQt& c) {
      c.FixerStyleBrosse(TStyleBrosse::Vide);
      c.Rectangle(r[0], r[1], r[2], r[3]);
    };
    const QImage obtenu = Dessiner(80, 60, 3, cadre);
    EXPECT_EQ(Encre(obtenu), QRect(QPoint(r[0] + 3, r[1]), QPoint(r[2] + 2, r[3] - 1)));
    if (r[2] - r[0] < 2 || r[3] - r[1] < 2) continue;
    QImage attendu(80, 60, QImage::Format_RGB32);
    attendu.fill(Qt::white);
    QPainter p(&attendu);
    p.translate(3, 0);
    p.scale(1.0000001, 1);  // off the device's own scale: stroked, as on a printer page
    TCanevasQt c(p);
    cadre(c);
    p.end();
    EXPECT_EQ(obtenu, attendu) << r[0] << "," << r[1] << " to " << r[2] << "," << r[3];
  }
  // Hatches filled from a tile, the same lines as drawn one by one (recorded in a picture, as
  // for a device without pixels, then played), through a moved painter as well.
  for (const TStyleBrosse style : {TStyleBrosse::CroixDiagonale, TStyleBrosse::Croise})
    for (const int dx : {0, 3}) {
      const auto hachure = [&](TCanevasQt& c) {
        c.FixerCouleurBrosse(RGB(0, 0, 0));
        c.FixerStyleBrosse(style);
        c.FixerStylePlume(TStylePlume::Aucun);
        c.Rectangle(7, 5, 61, 50);
        c.Rectangle(61, 5, 75, 33);
      };
      QPicture image;
      QPainter pi(&image);
      pi.translate(dx, 0);
      TCanevasQt ci(pi);
      hachure(ci);
      pi.end();
      QImage attendu(80, 60, QImage::Format_RGB32);
      attendu.fill(Qt::white);
      QPainter p(&attendu);
      image.play(&p);
      p.end();
      EXPECT_EQ(Dessiner(80, 60, dx, hachure), attendu) << dx;
    }
  // Dotted and wide straight lines, drawn from a picture of the first one of each length, are
  // the lines Qt strokes wherever they lie: the dots start at the first end.
  for (const TStylePlume style : {TStylePlume::Pointille, TStylePlume::Plein})
    for (const int largeur : {1, 2, 3})
      for (const int debut : {4, 5, 6, 7}) {
        if (style == TStylePlume::Plein && largeur == 1) continue;  // filled, checked above
        const int traits2[][4] = {
            {debut, 20, 70, 20}, {70, 27, debut, 27}, {debut + 30, 5, debut + 30, 55}, {debut + 40, 55, debut + 40, 9}};
        for (const auto& t : traits2) {
          const auto trait = [&](TCanevasQt& c) {
            c.FixerCouleurPlume(RGB(0, 0, 200));
            c.FixerStylePlume(style);
            c.FixerLargeurPlume(largeur);
            c.DeplacerVers(t[0], t[1]);
            c.LigneVers(t[2], t[3]);
          };
          Dessiner(80, 60, 0, trait);  // the picture made here serves the translated one below
          const QImage obtenu = Dessiner(80, 60, 3, trait);
          QImage attendu(80, 60, QImage::Format_RGB32);
          attendu.fill(Qt::white);
          QPainter p(&attendu);
          p.translate(3, 0);
          QPen pen(QColor(0, 0, 200), largeur, style == TStylePlume::Pointille ? Qt::DotLine : Qt::SolidLine,
                   Qt::SquareCap);
          p.setPen(pen);
          const int dx = t[2] > t[0] ? 1 : t[2] < t[0] ? -1 : 0, dy = t[3] > t[1] ? 1 : t[3] < t[1] ? -1 : 0;
          p.drawLine(QPointF(t[0] + 0.5, t[1] + 0.5), QPointF(t[2] - dx + 0.5, t[3] - dy + 0.5));
          p.end();
          EXPECT_EQ(obtenu, attendu) << largeur << " " << t[0] << "," << t[1] << " to " << t[2] << "," << t[3];
        }
      }
  // One pixel long: that pixel (Qt strokes it one pixel down and right).
  const QImage point = Dessiner(80, 60, 3, [](TCanevasQt& c) {
    c.DeplacerVers(60, 9);
    c.LigneVers(61, 9);
  });
  EXPECT_EQ(Encre(point), QRect(63, 9, 1, 1));

  // Large texts drawn twice (the second time from their kept picture) look as Qt draws them:
  // italics standing out of their advance, an underline, a size Qt draws by outlines, each
  // alignment; a change of colour is not served the old picture.
  struct TCas {
    const char* texte;
    int taille;
    bool italique, souligne;
    TAlignement alignement;
  };
  const TCas cas[] = {{"ffj Éf", 48, true, false, TAlignement::Gauche},
                      {"Bilan", 40, false, true, TAlignement::Centre},
                      {"Mathématiques", 90, false, false, TAlignement::Droite}};
  for (const TCas& k : cas) {
    TPolice f;
    f.Pixels = true;
    f.Taille = k.taille;
    f.Italique = k.italique;
    f.Souligne = k.souligne;
    f.Couleur = RGB(0, 0, 255);
    const QString s = QString::fromUtf8(k.texte);
    QImage obtenu;
    for (int fois = 0; fois < 3; ++fois)
      obtenu = Dessiner(900, 160, 0, [&](TCanevasQt& c) {
        c.FixerStyleBrosse(TStyleBrosse::Vide);
        c.FixerAlignement(k.alignement);
        c.FixerPolice(f);
        if (fois == 1) c.FixerCouleurPolice(RGB(255, 0, 0));
        c.TexteSortie(450, 30, s);
      });
    QFont q(QStringLiteral("Arial"));
    q.setPixelSize(k.taille);
    q.setItalic(k.italique);
    q.setUnderline(k.souligne);
    const QFontMetrics m(q);
    const int l = m.horizontalAdvance(s);
    const int x = k.alignement == TAlignement::Gauche   ? 450
                  : k.alignement == TAlignement::Centre ? 450 - l / 2
                                                        : 450 - l;
    QImage attendu(900, 160, QImage::Format_RGB32);
    attendu.fill(Qt::white);
    QPainter p(&attendu);
    p.setFont(q);
    p.setPen(Qt::blue);
    p.drawText(QPoint(x, 30 + m.ascent()), s);
    p.end();
    ASSERT_EQ(Encre(obtenu), Encre(attendu)) << k.texte;
    int ecart = 0;
    for (int y = 0; y < 160; ++y)
      for (int x2 = 0; x2 < 900; ++x2) {
        const QRgb a = obtenu.pixel(x2, y), b = attendu.pixel(x2, y);
        ecart = std::max(
            {ecart, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
      }
    EXPECT_LE(ecart, 24) << k.texte;  // antialiased edges only
  }

  // Clipped to its cell, from its picture as well.
  TPolice f;
  f.Pixels = true;
  f.Taille = 80;
  QImage cadre;
  for (int fois = 0; fois < 2; ++fois)
    cadre = Dessiner(400, 120, 0, [&](TCanevasQt& c) {
      c.FixerStyleBrosse(TStyleBrosse::Vide);
      c.FixerPolice(f);
      c.TexteCadre(10, 10, 100, 110, 12, 10, QStringLiteral("Mathématiques"));
    });
  EXPECT_TRUE(QRect(10, 10, 90, 100).contains(Encre(cadre)));
}

// A composition holds solid fills and opaque texts until its end, writes whatever else comes
// in between in its turn, and leaves the same pixels as drawing each call as it comes: on an
// image of either format, moved and cut as a child window's paint is.
TEST(Canevas, CompositionTientLesPixelsDansLOrdre) {
  TPolice grand;
  grand.Pixels = true;
  grand.Taille = 60;
  grand.Italique = true;  // its slant stands out of its box: blended over what lies there
  // The painter moved by (13, 7): the canvas's (60, 40) is the image's (73, 47).
  const auto dessin = [&](TCanevasQt& c, const QImage& im, bool direct) {
    c.DebutComposition();
    c.FixerStylePlume(TStylePlume::Aucun);
    c.FixerCouleurBrosse(RGB(255, 0, 0));
    c.Rectangle(0, 0, 300, 120);
    EXPECT_EQ(im.pixel(73, 47), direct ? qRgb(255, 0, 0) : qRgb(255, 255, 255)) << "a fill held until the end";
    c.FixerPolice(grand);
    c.FixerCouleurBrosse(RGB(255, 255, 0));
    c.TexteSortie(20, 10, QStringLiteral("Jfg"));
    c.FixerStylePlume(TStylePlume::Pointille);  // drawn by Qt, over what is held before it
    c.DeplacerVers(0, 50);
    c.LigneVers(300, 50);
    c.FixerStylePlume(TStylePlume::Plein);
    c.FixerCouleurPlume(RGB(0, 128, 0));
    c.DeplacerVers(40, 0);
    c.LigneVers(40, 120);
    c.FixerStyleBrosse(TStyleBrosse::Croise);
    c.RemplirRectangle(200, 60, 260, 110);
    c.FixerStyleBrosse(TStyleBrosse::Plein);
    c.FixerCouleurBrosse(RGB(0, 0, 255));
    c.RemplirRectangle(30, 45, 120, 55);                         // over the dotted line
    c.TexteCadre(100, 0, 180, 40, 90, 5, QStringLiteral("Wq"));  // cut at its cell, its box too
    c.FinComposition();
  };
  for (const QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
    for (const bool coupe : {false, true}) {
      // Each painted three times as a window is: texts come from kept pictures from the second.
      auto peindre = [&](bool direct) {
        QImage im(340, 150, f);
        for (int fois = 0; fois < 3; ++fois) {
          im.fill(Qt::white);
          QPainter p(&im);
          p.translate(13, 7);
          const QRegion zone = coupe ? QRegion(5, 3, 250, 100) : QRegion(-13, -7, 330, 150);
          // Two rectangles keep the canvas drawing each call as it comes.
          p.setClipRegion(direct ? zone + QRegion(322, 133, 1, 1) : zone);
          TCanevasQt c(p);
          dessin(c, im, direct);
        }
        return im;
      };
      const QImage compose = peindre(false), direct = peindre(true);
      EXPECT_EQ(compose, direct) << "format " << f << (coupe ? ", cut" : "");
      if (coupe) {
        EXPECT_EQ(compose.pixel(293, 117), qRgb(255, 255, 255)) << "nothing outside the clip";
      }
    }

  // A canvas dropped before the end of its composition still writes what it held.
  QImage im(50, 50, QImage::Format_RGB32);
  im.fill(Qt::white);
  {
    QPainter p(&im);
    TCanevasQt c(p);
    c.DebutComposition();
    c.FixerCouleurBrosse(RGB(0, 0, 255));
    c.RemplirRectangle(0, 0, 50, 50);
  }
  EXPECT_EQ(im.pixel(25, 25), qRgb(0, 0, 255));
}
