#include "print/feuille.h"

#include <QPainter>

#include "platform/canevasqt.h"

namespace calevrin {

namespace pf = plateforme;

void DessinerPapier(pf::TCanevas& c, int W, int H, int marge) {
  if (marge > H || marge > W) return;
  c.FixerStylePlume(pf::TStylePlume::Plein);
  c.FixerLargeurPlume(1);
  c.FixerCouleurPlume(pf::RGB(0, 0, 0));
  c.FixerCouleurBrosse(pf::RGB(255, 255, 255));
  c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  c.Rectangle(0, 0, W - marge, H - marge);
  c.FixerCouleurBrosse(pf::RGB(0, 0, 0));
  c.Rectangle(marge, H - marge, W, H);
  c.Rectangle(W - marge, marge, W, H);
}

TFeuille::TFeuille(QWidget* parent) : QWidget(parent) { resize(200, 150); }

void TFeuille::paintEvent(QPaintEvent*) {
  QPainter p(this);
  pf::TCanevasQt c(p);
  DessinerPapier(c, width(), height(), Marge);
}

}  // namespace calevrin
