#pragma once
// Thin windows that paint a graph or a table filling them. The owner changes the drawing
// object and calls update(); nothing here redraws by itself.

#include <QSize>
#include <QWidget>

#include "controls/graphe.h"
#include "controls/tableau.h"

class QPainter;
class QPaintDevice;

namespace calevrin::plateforme {
class TCanevasQt;
}

namespace calevrin::controles {

// What the two windows share: the picture of a page, when they show one. The graph or table is
// then laid out at its size on the page, its texts measured by the page's device, and the
// whole scaled down to the window, so that the picture is what prints.
class TVueControle : public QWidget {
  Q_OBJECT
 public:
  explicit TVueControle(QWidget* parent = nullptr);
  // An empty taille: the window's own size and device again.
  void FixerPage(const QSize& taille, double echelle, const QPaintDevice* mesure);
  QSize TaillePage() const { return page_; }
  // The painting, on a canvas of a painter on this window or on a copy of it.
  void Peindre(QPainter& p, plateforme::TCanevasQt& c);

 protected:
  void paintEvent(QPaintEvent* event) override;
  virtual void Dessiner(plateforme::TCanevasQt& c, int W, int H) = 0;
  // Whether the drawing fills its whole rectangle (in colour; black and white leaves the window's
  // own background).
  virtual bool RemplitTout() const = 0;

 private:
  QSize page_;
  double echelle_ = 1;
  const QPaintDevice* mesure_ = nullptr;
};

class TVueGraphe : public TVueControle {
  Q_OBJECT
 public:
  explicit TVueGraphe(QWidget* parent = nullptr) : TVueControle(parent) {}
  TNewGraphe& Graphe() { return graphe_; }
  const TNewGraphe& Graphe() const { return graphe_; }

 protected:
  void Dessiner(plateforme::TCanevasQt& c, int W, int H) override;
  bool RemplitTout() const override { return !graphe_.NoirBlanc; }

 private:
  TNewGraphe graphe_;
};

class TVueTableau : public TVueControle {
  Q_OBJECT
 public:
  explicit TVueTableau(QWidget* parent = nullptr) : TVueControle(parent) {}
  TTableau& Tableau() { return tableau_; }
  const TTableau& Tableau() const { return tableau_; }

 protected:
  void Dessiner(plateforme::TCanevasQt& c, int W, int H) override;
  bool RemplitTout() const override { return !tableau_.NoirBlanc; }

 private:
  TTableau tableau_;
};

}  // namespace calevrin::controles
