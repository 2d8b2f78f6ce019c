#pragma once
// A page control whose tabs the program labels itself: the selected tab's caption in bold
// red, the shortcut letter underlined.

#include <QTabBar>
#include <QTabWidget>

#include "platform/canevas.h"

namespace calevrin {

// Writes one tab's caption centred in the rectangle (right and bottom excluded), with the
// canvas's brush under it; police is the control's font.
void DessinerOnglet(plateforme::TCanevas& canevas, const QString& libelle, int gauche, int haut, int droite, int bas,
                    bool selectionne, const plateforme::TPolice& police);

class TBarreOnglets : public QTabBar {
  Q_OBJECT
 public:
  using QTabBar::QTabBar;

 protected:
  // Room for the caption in bold, whichever tab is selected.
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;
};

class TZlkPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TZlkPageControl(QWidget* parent = nullptr);
};

}  // namespace calevrin
