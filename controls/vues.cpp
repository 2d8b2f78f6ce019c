#include "controls/vues.h"

#include <QPainter>

#include "platform/canevasqt.h"

namespace calevrin::controles {

TVueGraphe::TVueGraphe(QWidget* parent) : QWidget(parent) { resize(200, 150); }

void TVueGraphe::paintEvent(QPaintEvent*) {
  QPainter p(this);
  pf::TCanevasQt c(p);
  graphe_.LargeurControle = width();
  graphe_.Dessine(c, 0, 0, width(), height());
}

TVueTableau::TVueTableau(QWidget* parent) : QWidget(parent) { resize(200, 150); }

void TVueTableau::paintEvent(QPaintEvent*) {
  QPainter p(this);
  pf::TCanevasQt c(p);
  tableau_.Dessine(c, 0, 0, width(), height());
}

}  // namespace calevrin::controles
