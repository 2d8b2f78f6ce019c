#include "controls/onglets.h"

#include <QStyleOptionTab>
#include <QStylePainter>

#include "platform/canevasqt.h"

namespace calevrin {

namespace pf = plateforme;

void DessinerOnglet(pf::TCanevas& canevas, const QString& libelle, int gauche, int haut, int droite, int bas,
                    bool selectionne, const pf::TPolice& police) {
  canevas.RemplirRectangle(gauche, haut, droite, bas);
  pf::TPolice f = police;
  f.Gras = selectionne;
  f.Italique = false;
  f.Souligne = false;
  f.Couleur = selectionne ? pf::RGB(255, 0, 0) : pf::RGB(0, 0, 0);
  canevas.FixerPolice(f);
  canevas.FixerAlignement(pf::TAlignement::Gauche);
  QString texte;
  int p = 0;
  for (qsizetype i = 0; i < libelle.size(); ++i) {
    if (libelle.at(i) == QLatin1Char('&')) {
      // The letter after the last "&", when there is one.
      p = i + 1 < libelle.size() ? static_cast<int>(texte.size()) + 1 : 0;
      continue;
    }
    texte += libelle.at(i);
  }
  const int x = gauche + pf::Div((droite - gauche) - canevas.LargeurTexte(texte) + 1, 2);
  const int y = haut + pf::Div((bas - haut) - canevas.HauteurTexte(texte) + 1, 2) - 1;
  canevas.TexteSortie(x, y, texte);
  if (p > 0) {
    const int xp = x + canevas.LargeurTexte(texte.left(p - 1));
    f.Souligne = true;
    canevas.FixerPolice(f);
    canevas.TexteSortie(xp, y, texte.mid(p - 1, 1));
  }
}

QSize TBarreOnglets::tabSizeHint(int index) const {
  QSize s = QTabBar::tabSizeHint(index);
  QFont gras = font();
  gras.setBold(true);
  QString texte = tabText(index);
  texte.remove(QLatin1Char('&'));
  const int extra = QFontMetrics(gras).horizontalAdvance(texte) - fontMetrics().horizontalAdvance(texte);
  s.rwidth() += std::max(0, extra);
  return s;
}

void TBarreOnglets::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab opt;
    initStyleOption(&opt, i);
    const QString libelle = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_TabBarTab, opt);
    const QRect r = style()->subElementRect(QStyle::SE_TabBarTabText, &opt, this);
    pf::TCanevasQt c(p);
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    pf::TPolice police;
    police.Nom = font().family();
    police.Taille = font().pointSizeF();
    DessinerOnglet(c, libelle, r.left(), r.top(), r.right() + 1, r.bottom() + 1, i == currentIndex(), police);
  }
}

TZlkPageControl::TZlkPageControl(QWidget* parent) : QTabWidget(parent) { setTabBar(new TBarreOnglets(this)); }

}  // namespace calevrin
