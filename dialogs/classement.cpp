#include "dialogs/classement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "dialogs/tablelecture.h"
#include "model//cp1252.h"
#include "model/dates.h"
#include "model/erreurs.h"
#include "platform/chemins.h"
#include "platform/fichiers.h"
#include "platform/messages.h"
#include "platform/pressepapiers.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

constexpr const char* NomFichierTexte = "Classement.TXT";

QRadioButton* Radio(QWidget* parent, const QString& texte, const QString& nom) {
  auto* b = new QRadioButton(texte, parent);
  b->setObjectName(nom);
  return b;
}

// A subject's name as a button caption: its '&' shown, not taken as a shortcut.
QString Libelle(std::string_view cp1252) {
  return pf::DepuisCp1252(cp1252).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The hourglass while the file is written.
struct TSablier {
  TSablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TSablier() { QApplication::restoreOverrideCursor(); }
  TSablier(const TSablier&) = delete;
  TSablier& operator=(const TSablier&) = delete;
};

}  // namespace

TDialClassement::TDialClassement(QWidget* parent, const TClasse& classe, const TOptions& o)
    : QDialog(parent),
      classe_(classe),
      options_(o),
      matiere_(classe.MatiereCourante()),
      periode_(classe.PeriodeCourante()) {
  setObjectName(QLatin1String(IdConception));
  st_ = TableLecture(this, EnteteClassement(), std::array{39, 178, 61, 61}, 14);

  const QString nomPeriode = pf::DepuisCp1252(NomPeriode(classe.NbPeriodes()));
  auto* groupePeriodes = new QGroupBox(QStringLiteral("Période"), this);
  auto* boutonsPeriodes = new QButtonGroup(this);
  auto* colonnePeriodes = new QVBoxLayout(groupePeriodes);
  const QString textesPeriodes[] = {nomPeriode + QStringLiteral(" 1"), nomPeriode + QStringLiteral(" 2"),
                                    QStringLiteral("Trimestre 3"), QStringLiteral("Année")};
  for (int i = 0; i < 4; ++i) {
    periodes_[static_cast<std::size_t>(i)] =
        Radio(groupePeriodes, textesPeriodes[i], QStringLiteral("RB") + QString::number(i + 1));
    boutonsPeriodes->addButton(periodes_[static_cast<std::size_t>(i)], i + 1);
    colonnePeriodes->addWidget(periodes_[static_cast<std::size_t>(i)]);
  }
  periodes_[2]->setVisible(classe.NbPeriodes() == 3);

  auto* groupeMatieres = new QGroupBox(QStringLiteral("Matière"), this);
  auto* boutonsMatieres = new QButtonGroup(this);
  auto* colonneMatieres = new QVBoxLayout(groupeMatieres);
  for (int i = 0; i < 4; ++i) {
    const QString texte = i < 3 ? Libelle(classe.Matiere(i + 1).Nom.Vue()) : QStringLiteral("Synthèse");
    matieres_[static_cast<std::size_t>(i)] =
        Radio(groupeMatieres, texte, QStringLiteral("RB1") + QString::number(i + 1));
    boutonsMatieres->addButton(matieres_[static_cast<std::size_t>(i)], i + 1);
    colonneMatieres->addWidget(matieres_[static_cast<std::size_t>(i)]);
    if (i < 3) matieres_[static_cast<std::size_t>(i)]->setVisible(i < classe.NbMatieres());
  }

  cb_ = new QCheckBox(QStringLiteral("Ne pas classer les\nélèves ayant des\nabsences"), this);
  cb_->setObjectName(QStringLiteral("CB"));

  auto* droite = new QVBoxLayout;
  droite->addWidget(groupePeriodes);
  droite->addWidget(groupeMatieres);
  droite->addWidget(cb_);
  droite->addStretch(1);
  auto* haut = new QHBoxLayout;
  haut->addWidget(st_, 1);
  haut->addLayout(droite);

  auto* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  auto* presse = Bouton(this, QStringLiteral("--> Presse Papier"), "Button1");
  auto* bloc = Bouton(this, QStringLiteral("--> Bloc Note"), "Button2");
  auto* aide = BoutonAide(this, QStringLiteral("ClassementDesEleves"), false);
  auto* boutons = new QHBoxLayout;
  for (QPushButton* b : {ok, presse, bloc, aide}) {
    if (b != ok) b->setAutoDefault(false);  // Enter stays with OK
    boutons->addWidget(b);
  }
  boutons->addStretch(1);

  auto* tout = new QVBoxLayout(this);
  tout->addLayout(haut, 1);
  tout->addLayout(boutons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(presse, &QPushButton::clicked, this, &TDialClassement::CopierClassement);
  connect(bloc, &QPushButton::clicked, this, &TDialClassement::EnregistrerClassement);
  connect(cb_, &QCheckBox::clicked, this, &TDialClassement::Classer);

  // Checking the buttons of the class's view fills the table, as every later choice does.
  if (periode_ >= 1 && periode_ <= 4) periodes_[static_cast<std::size_t>(periode_ - 1)]->setChecked(true);
  if (matiere_ >= 1 && matiere_ <= 4) matieres_[static_cast<std::size_t>(matiere_ - 1)]->setChecked(true);
  for (QButtonGroup* g : {boutonsPeriodes, boutonsMatieres})
    connect(g, &QButtonGroup::idToggled, this, [this](int, bool coche) {
      if (coche) ChoixChange();
    });
  Classer();
}

void TDialClassement::ChoixChange() {
  for (int i = 1; i <= 4; ++i) {
    if (periodes_[static_cast<std::size_t>(i - 1)]->isChecked()) periode_ = i;
    if (matieres_[static_cast<std::size_t>(i - 1)]->isChecked()) matiere_ = i;
  }
  Classer();
}

void TDialClassement::Classer() {
  classement_ = calevrin::Classer(classe_, matiere_, periode_, cb_->isChecked(), options_);
  RemplirTable(st_, classement_.Lignes);
  setWindowTitle(pf::DepuisCp1252(classement_.Titre));
}

void TDialClassement::CopierClassement() {
  if (!pf::CopierTexte(pf::DepuisCp1252(TexteClassement(classement_))))
    pf::BoiteMessage(QStringLiteral("Le presse-papiers n'est pas disponible."), pf::TGenreMessage::Erreur);
}

QString TDialClassement::FichierTexte() const {
  QString repertoire = repertoire_;
  if (repertoire.isEmpty()) {
    repertoire = QString::fromStdString(pf::RepertoireProgramme());
    if (!QFileInfo(repertoire).isWritable()) {
      repertoire = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
      if (repertoire.isEmpty()) repertoire = QDir::homePath();
    }
  }
  return QDir(repertoire).absoluteFilePath(QLatin1String(NomFichierTexte));
}

void TDialClassement::EnregistrerClassement() {
  const QString chemin = QDir::toNativeSeparators(FichierTexte());
  QString erreur;
  {
    TSablier sablier;
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    erreur = pf::EcrireFichier(chemin, QByteArray::fromStdString(Utf8DepuisCp1252(FichierClassement(classement_))));
  }
  if (!erreur.isEmpty()) {
    pf::BoiteMessage(erreur, pf::TGenreMessage::Erreur);
    return;
  }
  pf::BoiteMessage(QStringLiteral("Le fichier ") + chemin + QStringLiteral(" est créé."),
                   pf::TGenreMessage::Information);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(chemin)))
    pf::BoiteMessage(QStringLiteral("Aucun éditeur de texte n'a pu être lancé pour ouvrir le fichier ") + chemin,
                     pf::TGenreMessage::Avertissement);
}

}  // namespace calevrin
