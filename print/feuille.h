#pragma once
// The picture of a sheet of paper, with its shadow along the right and bottom edges.

#include <QWidget>
#include <cstdint>

#include "platform/canevas.h"

namespace calevrin {

// The sheet in (0, 0, W, H), the shadow Marge pixels wide; nothing when it does not fit.
void DessinerPapier(plateforme::TCanevas& c, int W, int H, int marge);

class TFeuille : public QWidget {
  Q_OBJECT
 public:
  explicit TFeuille(QWidget* parent = nullptr);
  std::uint8_t Marge = 5;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace calevrin
