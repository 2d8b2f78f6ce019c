#pragma once
// The canvas on a QPainter: window, preview, printer page, image or PDF.

#include <QPainter>

#include "platform/canevas.h"

namespace calevrin::plateforme {

class TCanevasQt : public TCanevas {
 public:
  explicit TCanevasQt(QPainter& p) : p_(p) {}

  void TexteSortie(int x, int y, const QString& texte) override;
  void TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RemplirRectangle(int x1, int y1, int x2, int y2) override;
  int LargeurTexte(const QString& texte) override;
  int HauteurTexte(const QString& texte) override;

  static QColor Couleur(TCouleurRGB c);

 protected:
  void Ligne(int x1, int y1, int x2, int y2) override;

 private:
  QFont Font() const;
  void AppliquerPlume();
  void AppliquerBrosse();
  QPainter& p_;
};

}  // namespace calevrin::plateforme
