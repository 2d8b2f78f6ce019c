#include "dialogs/choixdevoir.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "dialogs/champsdevoir.h"
#include "dialogs/composants.h"

namespace calevrin {

QString TDialChoixDevoir::SujetAide(TModeChoixDevoir mode) {
  switch (mode) {
    case TModeChoixDevoir::Supprimer: return QStringLiteral("Dlg_SupDevoir");
    case TModeChoixDevoir::InsererAvant: return QStringLiteral("Dlg_InsererDevoir");
    default: return QStringLiteral("PressePapInterne");
  }
}

TDialChoixDevoir::TDialChoixDevoir(QWidget* parent, const TClasse& classe, TModeChoixDevoir choix) : QDialog(parent) {
  setObjectName(QLatin1String(IdConception));
  const int m = MatiereVue(classe);
  const int p = PeriodeVue(classe);
  const int mode = static_cast<int>(choix);
  if (mode < 1 || mode > 5) throw std::invalid_argument("mode de choix de devoir hors limites");
  static const char* const Titres[] = {"Supprimer un devoir ( ", "Copier un devoir", "Couper un devoir",
                                       "Insérer le devoir copié", "Insérer un devoir"};
  static const char* const Libelles[] = {
      "&Devoir à supprimer:", "&Devoir à copier:", "&Devoir à couper:", "&Insérer le devoir copié avant le devoir:",
      "&Insérer le nouveau devoir avant le devoir:"};
  QString titre = QString::fromUtf8(Titres[mode - 1]);
  if (mode == 1) titre += Depuis(classe.Matiere(m).Nom.Vue()) + QStringLiteral(" )");
  setWindowTitle(titre);

  auto* groupe = new QGroupBox(this);
  cb_ = ListeDevoirs(groupe, classe, m, p);
  auto* colonne = new QVBoxLayout(groupe);
  colonne->addWidget(Etiquette(QString::fromUtf8(Libelles[mode - 1]), cb_, groupe));
  colonne->addWidget(cb_);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  ok->setEnabled(cb_->count() > 0);
  connect(ok, &QPushButton::clicked, this, [this] { done(cb_->currentIndex() + 1); });

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, SujetAide(choix)));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  cb_->setFocus();
}

void TDialChoixDevoir::reject() { done(ChoixAnnule); }

}  // namespace calevrin
