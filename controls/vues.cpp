#include "controls/vues.h"

#include <QPainter>

#include "platform/canevasqt.h"

namespace calevrin::controles {

// Qt would fill the background under the control before each paint, a sixth of the cost of
// repainting the statistics windows; the control fills it itself where its drawing does not.
TVueControle::TVueControle(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(200, 150);
}

void TVueControle::FixerPage(const QSize& taille, double echelle, const QPaintDevice* mesure) {
  page_ = taille;
  echelle_ = echelle;
  mesure_ = mesure;
  update();
}

void TVueControle::Peindre(QPainter& p, plateforme::TCanevasQt& c) {
  if (page_.isEmpty()) {
    Dessiner(c, width(), height());
    return;
  }
  p.scale(echelle_, echelle_);
  c.FixerMesure(mesure_);
  Dessiner(c, page_.width(), page_.height());
}

void TVueControle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!page_.isEmpty() || !RemplitTout()) p.fillRect(rect(), palette().brush(backgroundRole()));
  plateforme::TCanevasQt c(p);
  Peindre(p, c);
}

void TVueGraphe::Dessiner(plateforme::TCanevasQt& c, int W, int H) {
  // The curve takes one step per pixel of this window, on paper too.
  graphe_.LargeurControle = width();
  graphe_.Dessine(c, 0, 0, W, H);
}

void TVueTableau::Dessiner(plateforme::TCanevasQt& c, int W, int H) { tableau_.Dessine(c, 0, 0, W, H); }

}  // namespace calevrin::controles
