#include "dialogs/importliste.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/erreurs.h"
#include "platform/messages.h"
#include "platform/pressepapiers.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

void Cellule(QTableWidget* t, int ligne, int colonne, const QString& texte) {
  t->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

QString DateLisible(const std::string& d) {
  if (d.size() != 8) return Depuis(d);
  return QString::fromLatin1(d.substr(0, 2) + "/" + d.substr(2, 2) + "/" + d.substr(4));
}

}  // namespace

TDialImportListe::TDialImportListe(QWidget* parent, const TDateJour& aujourdhui)
    : QDialog(parent), aujourdhui_(aujourdhui) {
  setWindowTitle(QStringLiteral("Importer une liste d'élèves"));
  auto* explication =
      new QLabel(QStringLiteral("Une colonne de noms, une de prénoms et, si possible, une de dates de naissance :\n"
                                "fichier CSV ou texte exporté d'un tableur, ou cellules copiées dans le tableur.\n"
                                "Les élèves importés remplacent ceux déjà saisis ; ils restent modifiables avant OK."),
                 this);
  QPushButton* fichier = Bouton(this, QStringLiteral("&Fichier..."), "BoutonFichier");
  QPushButton* coller = Bouton(this, QStringLiteral("C&oller le presse-papiers"), "BoutonColler");
  connect(fichier, &QPushButton::clicked, this, &TDialImportListe::ChoisirFichier);
  connect(coller, &QPushButton::clicked, this, &TDialImportListe::Coller);
  resume_ = new QLabel(QStringLiteral("Aucune liste lue."), this);
  resume_->setObjectName(QStringLiteral("Resume"));
  resume_->setWordWrap(true);
  eleves_ = TableApercu(this, "Eleves",
                        {QStringLiteral("N°"), QStringLiteral("Nom"), QStringLiteral("Prénom"),
                         QStringLiteral("Date de naissance"), QStringLiteral("Ligne"), QStringLiteral("Remarque")});
  ignorees_ =
      TableApercu(this, "Ignorees", {QStringLiteral("Ligne"), QStringLiteral("Texte"), QStringLiteral("Raison")});
  garderDoubles_ = new QCheckBox(QStringLiteral("&Garder aussi les élèves en double"), this);
  garderDoubles_->setObjectName(QStringLiteral("GarderDoubles"));
  garderDoubles_->setVisible(false);
  importer_ = Bouton(this, QStringLiteral("&Importer"), "BoutonImporter");
  importer_->setEnabled(false);
  connect(importer_, &QPushButton::clicked, this, &QDialog::accept);

  auto* sources = new QHBoxLayout;
  sources->addWidget(fichier);
  sources->addWidget(coller);
  sources->addStretch();
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(explication);
  racine->addLayout(sources);
  racine->addWidget(resume_);
  racine->addWidget(Etiquette(QStringLiteral("É&lèves à importer :"), eleves_, this));
  racine->addWidget(eleves_, 3);
  racine->addWidget(garderDoubles_);
  racine->addWidget(Etiquette(QStringLiteral("&Lignes ignorées :"), ignorees_, this));
  racine->addWidget(ignorees_, 2);
  racine->addWidget(Boutons(this, importer_, QStringLiteral("Dlg_NewClasse")));
  resize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 80, fontMetrics().height() * 34);
  fichier->setFocus();
}

void TDialImportListe::Lire(const std::string& octets, const QString& origine) {
  liste_ = LireListeEleves(octets, aujourdhui_);
  const auto n = static_cast<int>(liste_.Eleves.size());
  eleves_->setRowCount(n);
  for (int i = 0; i < n; ++i) {
    const TEleveImporte& e = liste_.Eleves[static_cast<std::size_t>(i)];
    Cellule(eleves_, i, 0, QString::number(i + 1));
    Cellule(eleves_, i, 1, Depuis(e.Eleve.Nom));
    Cellule(eleves_, i, 2, Depuis(e.Eleve.Prenom));
    Cellule(eleves_, i, 3, DateLisible(e.Eleve.DateNaissance));
    Cellule(eleves_, i, 4, QString::number(e.Ligne));
    Cellule(eleves_, i, 5, QString::fromStdString(e.Remarques));
  }
  // A file that is no list may skip a hundred thousand rows: the first ones tell why.
  const auto m = static_cast<int>(liste_.Ignorees.size());
  ignorees_->setRowCount(std::min(m, 1000));
  for (int i = 0; i < ignorees_->rowCount(); ++i) {
    const TLigneIgnoree& l = liste_.Ignorees[static_cast<std::size_t>(i)];
    Cellule(ignorees_, i, 0, QString::number(l.Ligne));
    Cellule(ignorees_, i, 1, QString::fromStdString(l.Texte));
    Cellule(ignorees_, i, 2, QString::fromStdString(l.Raison));
  }
  eleves_->resizeColumnsToContents();
  ignorees_->resizeColumnsToContents();
  QString resume = origine + QStringLiteral(" : ") + QString::number(n) +
                   (n > 1 ? QStringLiteral(" élèves à importer") : QStringLiteral(" élève à importer"));
  if (m > 0)
    resume += QStringLiteral(", ") + QString::number(m) +
              (m > 1 ? QStringLiteral(" lignes ignorées") : QStringLiteral(" ligne ignorée"));
  const int doubles = liste_.NbDoubles();
  if (doubles > 0)
    resume += QStringLiteral(", dont ") + QString::number(doubles) +
              (doubles > 1 ? QStringLiteral(" en double, importés une fois")
                           : QStringLiteral(" en double, importé une fois"));
  resume += QStringLiteral(" (") + QString::fromStdString(std::string(NomEncodage(liste_.Encodage)));
  if (liste_.Separateur != 0)
    resume += QStringLiteral(", séparateur ") + QString::fromStdString(std::string(NomSeparateur(liste_.Separateur)));
  resume += liste_.EnTete ? QStringLiteral(", ligne d'en-tête)") : QStringLiteral(")");
  resume_->setText(resume);
  garderDoubles_->setChecked(false);
  garderDoubles_->setVisible(doubles > 0);
  importer_->setEnabled(n > 0);
  if (n > 0) importer_->setFocus();
}

void TDialImportListe::ChoisirFichier() {
  const QString nom =
      ChoisirFichierImport(this, QStringLiteral("Liste d'élèves (*.csv *.tsv *.txt);;Tous les fichiers (*)"));
  if (nom.isEmpty()) return;
  std::string octets;
  try {
    octets = LireFichierListe(nom.toStdString());
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(QString::fromStdString(e.what()), pf::TGenreMessage::Erreur);
    return;
  }
  Lire(octets, QFileInfo(nom).fileName());
}

std::vector<TEleveSaisi> TDialImportListe::Saisis() const { return liste_.Saisis(garderDoubles_->isChecked()); }

void TDialImportListe::Coller() {
  const QString texte = pf::TexteDuPressePapiers();
  if (texte.isEmpty()) {
    pf::BoiteMessage(QStringLiteral("Le presse-papiers ne contient pas de texte."), pf::TGenreMessage::Information);
    return;
  }
  const QByteArray octets = texte.toUtf8();
  if (const std::string trop =
          MessageTropGrand("Le presse-papiers contient", static_cast<std::uint64_t>(octets.size()));
      !trop.empty()) {
    pf::BoiteMessage(QString::fromStdString(trop), pf::TGenreMessage::Erreur);
    return;
  }
  Lire(octets.toStdString(), QStringLiteral("Presse-papiers"));
}

}  // namespace calevrin
