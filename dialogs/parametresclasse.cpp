#include "dialogs/parametresclasse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "dialogs/champseleve.h"
#include "dialogs/composants.h"
#include "model/edition.h"
#include "model/formatage.h"

namespace calevrin {

namespace {

QLabel* Section(const QString& titre, QWidget* parent) {
  auto* l = new QLabel(titre, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

// Under the check box's text, not under its box.
QLabel* Remarque(const QString& texte, QWidget* parent) {
  auto* l = new QLabel(texte, parent);
  const QStyle* s = parent->style();
  l->setIndent(s->pixelMetric(QStyle::PM_IndicatorWidth) + s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
  return l;
}

}  // namespace

TDialParametresClasse::TDialParametresClasse(QWidget* parent, TClasse& classe) : QDialog(parent), classe_(classe) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(TitreClasse(QStringLiteral("Modifier les paramètres de la classe"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QFormLayout(groupe);
  edit3_ = Champ(groupe, "Edit3", 50);
  edit4_ = Champ(groupe, "Edit4", 50);
  edit1_ = Champ(groupe, "Edit1", 8);
  edit2_ = Champ(groupe, "Edit2", 25);
  rb2_ = new QRadioButton(QStringLiteral("&2 semestres"), groupe);
  rb3_ = new QRadioButton(QStringLiteral("&3 trimestres"), groupe);
  rb2_->setObjectName(QStringLiteral("RB2"));
  rb3_->setObjectName(QStringLiteral("RB3"));
  cb_ = new QComboBox(groupe);
  cb_->setObjectName(QStringLiteral("CB"));
  for (int mode = 0; mode <= 6; ++mode) cb_->addItem(Depuis(NomArrondi(mode)));
  cb1_ = new QCheckBox(QStringLiteral("Calculer également la moyenne &Joker"), groupe);
  cb1_->setObjectName(QStringLiteral("CB1"));

  grille->addRow(Section(QStringLiteral("Divers"), groupe));
  grille->addRow(Etiquette(QStringLiteral("Nom du &professeur"), edit3_, groupe), edit3_);
  auto* matiere = new QVBoxLayout;
  matiere->setSpacing(0);
  matiere->addWidget(edit4_);
  matiere->addWidget(new QLabel(QStringLiteral("( Ce nom se retrouve sur le bulletin scolaire )"), groupe));
  grille->addRow(Etiquette(QStringLiteral("Nom de la &matière principale"), edit4_, groupe), matiere);
  grille->addRow(Etiquette(QStringLiteral("A&bréviation de la classe"), edit1_, groupe), edit1_);
  grille->addRow(Etiquette(QStringLiteral("Année &scolaire"), edit2_, groupe), edit2_);
  auto* division = new QHBoxLayout;
  division->addWidget(rb2_);
  division->addWidget(rb3_);
  division->addStretch();
  grille->addRow(new QLabel(QStringLiteral("Division de l'année"), groupe), division);
  grille->addRow(Section(QStringLiteral("Moyenne"), groupe));
  grille->addRow(Etiquette(QStringLiteral("Mode d'&arrondi"), cb_, groupe), cb_);
  auto* joker = new QVBoxLayout;
  joker->setSpacing(0);
  joker->addWidget(cb1_);
  joker->addWidget(Remarque(QStringLiteral("( La note la plus basse est ignorée )"), groupe));
  joker->addWidget(Remarque(QStringLiteral("( Tous les calculs sont alors faits avec cette moyenne )"), groupe));
  grille->addRow(joker);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialParametresClasse::Valider);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_ParamClasse")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  const TParametresClasse p = LireParametres(classe_);
  edit1_->setText(Depuis(p.Abreviation));
  edit2_->setText(Depuis(p.AnneeScolaire));
  edit3_->setText(Depuis(p.Professeur));
  edit4_->setText(Depuis(p.MatierePrincipale));
  (p.NbPeriodes == 2 ? rb2_ : rb3_)->setChecked(true);
  cb_->setCurrentIndex(p.Arrondi);
  cb1_->setChecked(p.Joker);
  edit3_->setFocus();
}

void TDialParametresClasse::Valider() {
  const auto t = LireTextes({edit1_, edit2_, edit3_, edit4_});
  if (!t) return;
  const TParametresClasse avant = LireParametres(classe_);
  TParametresClasse p{(*t)[0],          (*t)[1], (*t)[2], (*t)[3], rb2_->isChecked() ? 2 : 3, cb_->currentIndex(),
                      cb1_->isChecked()};
  ModifierParametres(classe_, p);
  const TParametresClasse apres = LireParametres(classe_);
  const bool change = apres.Abreviation != avant.Abreviation || apres.AnneeScolaire != avant.AnneeScolaire ||
                      apres.Professeur != avant.Professeur || apres.MatierePrincipale != avant.MatierePrincipale ||
                      apres.NbPeriodes != avant.NbPeriodes || apres.Arrondi != avant.Arrondi ||
                      apres.Joker != avant.Joker;
  done(change ? DialogueConfirme : DialogueAnnule);
}

}  // namespace calevrin
