#include "dialogs/matieres.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/champseleve.h"
#include "dialogs/composants.h"
#include "model/edition.h"

namespace calevrin {

TDialMatieres::TDialMatieres(QWidget* parent, TClasse& classe) : QDialog(parent), classe_(classe) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(TitreClasse(QStringLiteral("Changer le nombre et le nom des matières"), classe));
  auto* groupe = new QGroupBox(this);
  auto* nombre = new QGroupBox(QStringLiteral("Nombre de matières utilisées:"), groupe);
  auto* radios = new QHBoxLayout(nombre);
  auto* grille = new QGridLayout;
  grille->addWidget(new QLabel(QStringLiteral("Nom complet:"), groupe), 0, 1);
  grille->addWidget(new QLabel(QStringLiteral("Abréviation:"), groupe), 0, 2);
  for (int m = 1; m <= MaxMatieres; ++m) {
    const auto i = static_cast<std::size_t>(m - 1);
    rb_[i] = new QRadioButton(QStringLiteral("&%1").arg(m), nombre);
    rb_[i]->setObjectName(QStringLiteral("RB%1").arg(m));
    radios->addWidget(rb_[i]);
    connect(rb_[i], &QRadioButton::toggled, this, [this, m](bool coche) {
      if (coche) Montrer(m);
    });
    noms_[i] = Champ(groupe, ("Edit" + std::to_string(m)).c_str(), CapaciteNomEleve);
    abrevs_[i] = Champ(groupe, ("Edit" + std::to_string(m + 3)).c_str(), 2);
    noms_[i]->setText(Depuis(classe.Matiere(m).Nom.Vue()));
    abrevs_[i]->setText(Depuis(classe.Matiere(m).Abrev.Vue()));
    libelles_[i] = Etiquette(QStringLiteral("Matière %1").arg(m), noms_[i], groupe);
    grille->addWidget(libelles_[i], m, 0);
    grille->addWidget(noms_[i], m, 1);
    grille->addWidget(abrevs_[i], m, 2);
  }
  radios->addStretch();
  auto* colonne = new QVBoxLayout(groupe);
  colonne->addWidget(nombre);
  colonne->addLayout(grille);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialMatieres::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_ModifMatiere")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(rb_[0], noms_[0]);
  for (std::size_t i = 0; i < MaxMatieres; ++i) {
    setTabOrder(noms_[i], abrevs_[i]);
    if (i + 1 < MaxMatieres) setTabOrder(abrevs_[i], noms_[i + 1]);
  }
  const int nb = classe.NbMatieres();
  rb_[static_cast<std::size_t>(nb - 1)]->setChecked(true);
  Montrer(nb);
  noms_[0]->setFocus();
}

// Row 1 always; the rows of the subjects in use.
void TDialMatieres::Montrer(int nb) {
  for (int m = 2; m <= MaxMatieres; ++m) {
    const auto i = static_cast<std::size_t>(m - 1);
    for (QWidget* w :
         {static_cast<QWidget*>(libelles_[i]), static_cast<QWidget*>(noms_[i]), static_cast<QWidget*>(abrevs_[i])})
      w->setVisible(m <= nb);
  }
}

void TDialMatieres::OK() {
  const auto t = LireTextes({noms_[0], noms_[1], noms_[2], abrevs_[0], abrevs_[1], abrevs_[2]});
  if (!t) return;
  int nb = 1;
  for (int m = 1; m <= MaxMatieres; ++m)
    if (rb_[static_cast<std::size_t>(m - 1)]->isChecked()) nb = m;
  bool change = nb != classe_.NbMatieres();
  for (int m = 1; m <= MaxMatieres; ++m) {
    const auto i = static_cast<std::size_t>(m - 1);
    change = change || classe_.Matiere(m).Nom.Vue() != (*t)[i] || classe_.Matiere(m).Abrev.Vue() != (*t)[i + 3];
  }
  ModifierMatieres(classe_, {(*t)[0], (*t)[1], (*t)[2]}, {(*t)[3], (*t)[4], (*t)[5]}, nb);
  done(change ? DialogueConfirme : DialogueAnnule);
}

}  // namespace calevrin
