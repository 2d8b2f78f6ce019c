#include "dialogs/supprimereleve.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/champseleve.h"
#include "dialogs/composants.h"
#include "model/edition.h"
#include "platform/messages.h"

namespace calevrin {

namespace pf = plateforme;

TDialSupprimerEleve::TDialSupprimerEleve(QWidget* parent, TClasse& classe) : QDialog(parent), classe_(classe) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(TitreClasse(QStringLiteral("Supprimer un élève"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QFormLayout(groupe);
  cb_ = ListeEleves(groupe, classe);
  cb_->setObjectName(QStringLiteral("ComboBox1"));
  grille->addRow(Etiquette(QStringLiteral("É&lève à supprimer :"), cb_, groupe), cb_);
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialSupprimerEleve::Supprimer);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_SupprimerEleve")));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  cb_->setFocus();
}

void TDialSupprimerEleve::Supprimer() {
  const int p = cb_->currentIndex() + 1;
  const std::string question = QuestionSupprimerEleve(classe_, p);
  if (question.empty() || pf::BoiteMessage(Depuis(question), pf::TGenreMessage::Confirmation,
                                           pf::BoutonOK | pf::BoutonAnnuler) != pf::TReponse::OK) {
    done(DialogueAnnule);
    return;
  }
  done(SupprimerEleve(classe_, p) ? DialogueConfirme : DialogueAnnule);
}

}  // namespace calevrin
