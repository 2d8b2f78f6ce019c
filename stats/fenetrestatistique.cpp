#include "stats/fenetrestatistique.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/dates.h"
#include "platform/aide.h"
#include "platform/texte.h"
#include "stats/icones.h"

namespace calevrin {

namespace pf = plateforme;

TFenetreStatistique::TFenetreStatistique(TFenetreStat genre, TDocumentClasse& document, const TOptions& o,
                                         QWidget* parent)
    : QWidget(parent), document_(&document), options_(o), etat_(EtatInitial(genre, document.Classe(), o)) {
  auto* colonne = new QVBoxLayout(this);
  colonne->setContentsMargins(0, 0, 0, 0);
  colonne->setSpacing(0);
  auto* haut = new QWidget(this);
  haut->setObjectName(QStringLiteral("Panel1"));
  // A button that is down must show it at a glance, whatever the desktop's style.
  haut->setStyleSheet(
      QStringLiteral("QToolButton { border: 1px solid #8a8a8a; border-radius: 2px; background: #f2f2f2; }"
                     "QToolButton:hover { background: #e2e8f2; }"
                     "QToolButton:checked { border: 1px solid #3c5a8c; background: #b4c8e8; }"
                     "QToolButton:disabled { color: #a0a0a0; }"));
  panneau_ = new QHBoxLayout(haut);
  panneau_->setContentsMargins(4, 3, 4, 3);
  panneau_->setSpacing(1);
  colonne->addWidget(haut);
  setWindowTitle(pf::DepuisCp1252(TitreFenetreStat(genre, document.Classe())));

  connect(&document, &TDocumentClasse::Change, this, &TFenetreStatistique::Actualiser);
  // A window follows the period and the subject the sheet shows.
  connect(&document, &TDocumentClasse::VueChangee, this, &TFenetreStatistique::Actualiser);
  connect(&document, &TDocumentClasse::Restauree, this, &TFenetreStatistique::ToutReconstruire);
  // The class goes with its sheet; so do the windows that show it.
  connect(&document, &QObject::destroyed, this, &TFenetreStatistique::Fermer);
}

TFenetreStatistique::~TFenetreStatistique() = default;

void TFenetreStatistique::Contenu(QWidget* vue) { static_cast<QVBoxLayout*>(layout())->addWidget(vue, 1); }

QToolButton* TFenetreStatistique::Bouton(const char* nom, const QString& texte, const QString& hint, bool bascule) {
  auto* b = new QToolButton(panneau_->parentWidget());
  b->setObjectName(QLatin1String(nom));
  b->setText(texte);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  b->setCheckable(bascule);
  b->setAutoRaise(false);
  b->setFixedSize(26, 24);
  b->setFocusPolicy(Qt::NoFocus);
  panneau_->addWidget(b);
  return b;
}

void TFenetreStatistique::BoutonsFin(const QString& hintImprimer, const QString& sujetAide) {
  panneau_->addSpacing(8);
  QToolButton* imprimer = Bouton("SB32", QString(), hintImprimer);
  imprimer->setIcon(IconeStat(TIconeStat::Imprimer));
  connect(imprimer, &QToolButton::clicked, this, [this] { Imprimer(); });
  QToolButton* aide = Bouton("SpeedButton1", QStringLiteral("?"), QStringLiteral("Aide"));
  connect(aide, &QToolButton::clicked, this, [sujetAide] { pf::AfficherAide(sujetAide); });
  panneau_->addStretch(1);
}

void TFenetreStatistique::Calculer() {
  if (!document_) return;
  ++calculs_;
  Remplir();
  emit signaux_.EtatChange();  // the period panel, while this window is active
}

void TFenetreStatistique::Actualiser(const TChangement& changement) {
  if (!document_) return;
  const TReactionStat r = calevrin::Actualiser(etat_, Classe(), changement);
  Reconstruire(r);
  if (r.Recalculer) Calculer();
}

void TFenetreStatistique::Borner() {
  const TClasse& c = Classe();
  const TEtatStat ouverture = EtatInitial(etat_.Fenetre, c, options_);
  if (etat_.Periode >= 1 && etat_.Periode <= 3 && etat_.Periode > c.NbPeriodes()) etat_.Periode = ouverture.Periode;
  if (etat_.Matiere >= 1 && etat_.Matiere <= 3 && etat_.Matiere > c.NbMatieres()) etat_.Matiere = 1;
  if (etat_.Eleve > c.NbEleves()) etat_.Eleve = 0;
  const bool periodeSimple = etat_.Periode >= 1 && etat_.Periode <= 3;
  if (periodeSimple && etat_.Matiere <= 3 && etat_.Devoir > c.NbDevoirs(etat_.Matiere, etat_.Periode))
    etat_.Devoir = c.NbDevoirs(etat_.Matiere, etat_.Periode);
}

void TFenetreStatistique::ToutReconstruire() {
  if (!document_) return;
  Borner();
  TReactionStat tout;
  tout.Recalculer = tout.BoutonsPeriode = tout.BoutonsMatiere = true;
  tout.ListeDevoirs = etat_.Fenetre == TFenetreStat::Devoir;
  tout.ListeEleves = etat_.Fenetre == TFenetreStat::Evolution || etat_.Fenetre == TFenetreStat::Bilan;
  // Rebuilt as they stand: the test and the student shown stay when they still exist.
  Reconstruire(tout);
  Calculer();
}

bool TFenetreStatistique::Disponible(pf::TCommandeCadre commande) const {
  using C = pf::TCommandeCadre;
  return document_ && (commande == C::Imprimer || commande == C::ImprimerSansDialogue);
}

void TFenetreStatistique::Executer(pf::TCommandeCadre commande) {
  if (Disponible(commande)) Imprimer();
}

QString TFenetreStatistique::TextePeriode() const {
  if (!document_) return {};
  const int p = etat_.Fenetre == TFenetreStat::Bilan ? 4 : etat_.Periode;
  if (p == 4) return QStringLiteral("Bilan");
  if (p == 5) return QStringLiteral("Année");
  return pf::DepuisCp1252(NomCourtPeriode(Classe().NbPeriodes())) + QString::number(p);
}

void TFenetreStatistique::Fermer() {
  // Nothing here may read the class any more: it is being destroyed.
  hide();
  if (auto* cadre = qobject_cast<QMdiSubWindow*>(parentWidget()))
    cadre->close();
  else
    deleteLater();
}

void RemplirListe(QComboBox* liste, const std::vector<std::string>& elements, int choisi) {
  const QSignalBlocker bloque(liste);
  liste->clear();
  for (const std::string& e : elements) liste->addItem(plateforme::DepuisCp1252(e));
  liste->setCurrentIndex(choisi >= 0 && choisi < liste->count() ? choisi : -1);
}

void ChoisirDansGroupe(QButtonGroup* groupe, int id) {
  QAbstractButton* b = groupe->button(id);
  groupe->setExclusive(false);
  for (QAbstractButton* x : groupe->buttons()) x->setChecked(x == b);
  groupe->setExclusive(true);
}

}  // namespace calevrin
