#pragma once
// Thin windows that paint a graph or a table filling them. The owner changes the drawing
// object and calls update(); nothing here redraws by itself.

#include <QWidget>

#include "controls/graphe.h"
#include "controls/tableau.h"

namespace calevrin::controles {

class TVueGraphe : public QWidget {
  Q_OBJECT
 public:
  explicit TVueGraphe(QWidget* parent = nullptr);
  TNewGraphe& Graphe() { return graphe_; }
  const TNewGraphe& Graphe() const { return graphe_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TNewGraphe graphe_;
};

class TVueTableau : public QWidget {
  Q_OBJECT
 public:
  explicit TVueTableau(QWidget* parent = nullptr);
  TTableau& Tableau() { return tableau_; }
  const TTableau& Tableau() const { return tableau_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TTableau tableau_;
};

}  // namespace calevrin::controles
