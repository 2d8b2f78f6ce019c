#include "sheet/feuille.h"

#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScrollBar>

#include "model/edition.h"
#include "platform/canevasqt.h"
#include "platform/imprimantes.h"
#include "print/metriques.h"

namespace calevrin {

namespace pf = plateforme;

TChild::TChild(const std::string& chemin, QWidget* parent)
    : QAbstractScrollArea(parent), classe_(std::make_unique<TClasse>()) {
  classe_->NomFichier = chemin;
  classe_->Charger();
  NormaliserNoms(*classe_);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(chemin));
  viewport()->setAutoFillBackground(true);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, pf::TCanevasQt::Couleur(Options.couleur[3]));
  viewport()->setPalette(pal);
  etat_.LigneAvant = etat_.ColonneAvant = 0;
  CalculerLargeurNoms();
}

TChild::~TChild() = default;

TMesuresPage TChild::MesuresPage() const {
  const TMetriques& m = Metriques();
  TMesuresPage page;
  if (m.ResolutionImprimante <= 0) return page;
  page.LargeurPhysique = m.LargeurPhysique;
  page.HauteurPhysique = m.HauteurPhysique;
  page.RapportEcran = m.RapportEcran;
  const QRect zone = pf::ImprimanteCourante().pageLayout().paintRectPixels(m.ResolutionImprimante);
  page.LargeurImprimable = zone.width() > 0 ? zone.width() : m.LargeurPhysique;
  page.HauteurImprimable = zone.height() > 0 ? zone.height() : m.HauteurPhysique;
  return page;
}

void TChild::CalculerLargeurNoms() {
  // Measured on a pixmap of the screen: a widget may only be painted on in its paint event.
  QPixmap mesure(1, 1);
  QPainter p(&mesure);
  pf::TCanevasQt c(p);
  etat_.NbColNoms = calevrin::CalculerLargeurNoms(c, *classe_);
}

void TChild::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  pf::TCanevasQt c(p);
  etat_.H = horizontalScrollBar()->value();
  etat_.V = verticalScrollBar()->value();
  etat_.LargeurClient = viewport()->width();
  etat_.HauteurClient = viewport()->height();
  DessinerFeuille(c, false, etat_, *classe_, MesuresPage());
  MajDefilement();
}

void TChild::MajDefilement() {
  const TDefilement d = CalculerDefilement(etat_, *classe_, MesuresPage());
  const auto regler = [](QScrollBar* b, int etendue, int client) {
    b->setRange(0, std::max(0, etendue - client));
    b->setPageStep(std::max(1, client));
    const int pas = (etendue - client) / 5;
    if (pas >= 1 && pas <= 32767) b->setSingleStep(pas);
  };
  regler(horizontalScrollBar(), d.Largeur, viewport()->width());
  regler(verticalScrollBar(), d.Hauteur, viewport()->height());
}

void TChild::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  MajDefilement();
}

void TChild::scrollContentsBy(int, int) { viewport()->update(); }

void TChild::Rafraichir() {
  viewport()->update();
  MajDefilement();
  emit EtatChange();
}

void TChild::ChangerPeriode(int p) {
  classe_->FixerPeriodeCourante(p);
  Rafraichir();
}

void TChild::ChangerMatiere(int s) {
  classe_->FixerMatiereCourante(s);
  Rafraichir();
}

void TChild::PeriodeSuivante() {
  const int p = classe_->PeriodeCourante();
  int suivante = p + 1;
  if (p == 4) suivante = 1;
  if (classe_->NbPeriodes() == 2 && p == 2) suivante = 4;
  if (classe_->NbPeriodes() == 2 && p == 3) suivante = 1;
  ChangerPeriode(suivante);
}

void TChild::MatiereSuivante() {
  const int s = classe_->MatiereCourante();
  const int nb = classe_->NbMatieres();
  int suivante = 1;
  if (s < nb) suivante = s + 1;
  else if (s == nb) suivante = 4;
  ChangerMatiere(suivante);
}

void TChild::BasculerApercu() {
  etat_.ModeApercu = !etat_.ModeApercu;
  if (etat_.ModeApercu) {
    LireMetriques();
    const TMesuresPage page = MesuresPage();
    const double hauteur = page.HauteurPhysique * page.RapportEcran;
    if (hauteur > 0) etat_.ZoomApercu = (viewport()->height() - 15) / hauteur;
  }
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  Rafraichir();
}

}  // namespace calevrin
