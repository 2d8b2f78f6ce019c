#include "stats/icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace calevrin {

QIcon IconeStat(TIconeStat icone) {
  QPixmap image(18, 18);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, icone != TIconeStat::Barre && icone != TIconeStat::Imprimer);
  const QColor bleu(0, 0, 160);
  switch (icone) {
    case TIconeStat::Barre: {
      const int hauteurs[] = {6, 11, 15, 9};
      for (int i = 0; i < 4; ++i) p.fillRect(2 + 4 * i, 17 - hauteurs[i], 3, hauteurs[i], bleu);
      break;
    }
    case TIconeStat::Ligne:
      p.setPen(QPen(bleu, 1.6));
      p.drawPolyline(QPolygonF({QPointF(1, 14), QPointF(6, 6), QPointF(11, 11), QPointF(17, 3)}));
      break;
    case TIconeStat::Tendance: {
      QPainterPath courbe(QPointF(1, 15));
      courbe.cubicTo(QPointF(6, -2), QPointF(11, 20), QPointF(17, 4));
      p.setPen(QPen(bleu, 1.6));
      p.drawPath(courbe);
      break;
    }
    case TIconeStat::Imprimer:
      p.setPen(Qt::black);
      p.setBrush(Qt::white);
      p.drawRect(5, 1, 8, 6);  // the sheet going in
      p.setBrush(QColor(160, 160, 160));
      p.drawRect(1, 7, 16, 7);  // the body
      p.setBrush(Qt::white);
      p.drawRect(4, 11, 10, 6);  // the sheet coming out
      break;
  }
  return QIcon(image);
}

}  // namespace calevrin
