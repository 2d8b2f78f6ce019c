#include "dialogs/importnotes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/composants.h"
#include "dialogs/resultats.h"
#include "fichiers/lecture.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/erreurs.h"
#include "platform/messages.h"
#include "platform/pressepapiers.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString U(const std::string& utf8) { return QString::fromStdString(utf8); }

enum { ColLigne, ColNom, ColLu, ColEleve, ColResultat };

}  // namespace

TDialImportNotes::TDialImportNotes(QWidget* parent, TClasse& classe, const TOptions& o, const TDateJour& aujourdhui)
    : QDialog(parent), classe_(classe), options_(o), m_(MatiereVue(classe)), p_(PeriodeVue(classe)) {
  setWindowTitle(QStringLiteral("Importer des notes ( ") + Depuis(classe.Abreviation.Vue()) + QStringLiteral(" )"));
  QPushButton* fichier = Bouton(this, QStringLiteral("&Parcourir..."), "BoutonFichier");
  QPushButton* coller = Bouton(this, QStringLiteral("C&oller le presse-papiers"), "BoutonColler");
  connect(fichier, &QPushButton::clicked, this, &TDialImportNotes::ChoisirFichier);
  connect(coller, &QPushButton::clicked, this, &TDialImportNotes::Coller);
  resume_ = new QLabel(QStringLiteral("Choisir un fichier CSV, TSV ou texte (l'export d'un questionnaire en ligne, "
                                      "d'un tableur), ou coller des cellules copiées dans un tableur."),
                       this);
  resume_->setObjectName(QStringLiteral("Resume"));
  resume_->setWordWrap(true);
  ok_ = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok_->setDefault(true);
  ok_->setEnabled(false);
  connect(ok_, &QPushButton::clicked, this, &TDialImportNotes::accept);

  auto* sources = new QHBoxLayout;
  sources->addWidget(fichier);
  sources->addWidget(coller);
  sources->addStretch();
  auto* racine = new QVBoxLayout(this);
  racine->addLayout(sources);
  racine->addWidget(resume_);
  racine->addLayout(CreerColonnes());
  CreerCible(racine, aujourdhui);
  CreerApercu(racine);
  const QString sujetAide = QStringLiteral("ImporterDesNotes");
  racine->addWidget(Boutons(this, ok_, sujetAide));
  resize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 96, fontMetrics().height() * 40);
  fichier->setFocus();
}

QHBoxLayout* TDialImportNotes::CreerColonnes() {
  colonneNom_ = new QComboBox(this);
  colonneNom_->setObjectName(QStringLiteral("ColonneNom"));
  colonneNote_ = new QComboBox(this);
  colonneNote_->setObjectName(QStringLiteral("ColonneNote"));
  sur_ = Champ(this, "Sur", 6);
  sur_->setText(QString::number(options_.notemax));
  const auto recalculer = [this] {
    if (!remplissage_) Recalculer();
  };
  connect(colonneNom_, &QComboBox::currentIndexChanged, this, recalculer);
  connect(colonneNote_, &QComboBox::currentIndexChanged, this, recalculer);
  connect(sur_, &QLineEdit::textChanged, this, recalculer);
  auto* colonnes = new QHBoxLayout;
  colonnes->addWidget(Etiquette(QStringLiteral("&Noms :"), colonneNom_, this));
  colonnes->addWidget(colonneNom_, 2);
  colonnes->addWidget(Etiquette(QStringLiteral("No&tes :"), colonneNote_, this));
  colonnes->addWidget(colonneNote_, 2);
  colonnes->addWidget(Etiquette(QStringLiteral("Noté &sur :"), sur_, this));
  colonnes->addWidget(sur_);
  return colonnes;
}

void TDialImportNotes::CreerCible(QVBoxLayout* racine, const TDateJour& aujourdhui) {
  const int n = classe_.NbDevoirs(m_, p_);
  nouveau_ = new QRadioButton(QStringLiteral("No&uveau devoir"), this);
  nouveau_->setObjectName(QStringLiteral("Nouveau"));
  groupe_ = new QGroupBox(TitreGroupeDevoir(classe_, m_, p_, std::min(n + 1, MaxDevoirs), options_), this);
  groupe_->setObjectName(QStringLiteral("GB1"));
  champs_ = ChampsDevoir(groupe_);
  champs_.date->setText(Depuis(DateDevoirTexte(0, aujourdhui).substr(0, CapaciteDate)));
  champs_.coef->setText(QStringLiteral("1"));
  existant_ = new QRadioButton(QStringLiteral("Devoir e&xistant :"), this);
  existant_->setObjectName(QStringLiteral("Existant"));
  devoirs_ = ListeDevoirs(this, classe_, m_, p_);
  if (n > 0) devoirs_->setCurrentIndex(n - 1);
  remplacer_ = new QCheckBox(QStringLiteral("&Remplacer les notes existantes"), this);
  remplacer_->setObjectName(QStringLiteral("Remplacer"));
  // A full period takes the grades only into one of its tests.
  nouveau_->setEnabled(n < MaxDevoirs);
  if (n >= MaxDevoirs) nouveau_->setToolTip(U(std::string(MsgPlusDeDevoir)));
  (n < MaxDevoirs ? nouveau_ : existant_)->setChecked(true);
  existant_->setEnabled(n > 0);
  const auto cible = [this] {
    groupe_->setEnabled(nouveau_->isChecked());
    devoirs_->setEnabled(existant_->isChecked());
    remplacer_->setEnabled(existant_->isChecked());
    if (!remplissage_) Recalculer();
  };
  connect(nouveau_, &QRadioButton::toggled, this, cible);
  connect(devoirs_, &QComboBox::currentIndexChanged, this, cible);
  connect(remplacer_, &QCheckBox::toggled, this, cible);
  cible();
  auto* existante = new QHBoxLayout;
  existante->addWidget(existant_);
  existante->addWidget(devoirs_, 1);
  existante->addWidget(remplacer_);
  racine->addWidget(nouveau_);
  racine->addWidget(groupe_);
  racine->addLayout(existante);
}

void TDialImportNotes::CreerApercu(QVBoxLayout* racine) {
  table_ = TableApercu(this, "Apercu",
                       {QStringLiteral("Ligne"), QStringLiteral("Nom lu"), QStringLiteral("Note lue"),
                        QStringLiteral("Élève"), QStringLiteral("Note enregistrée")});
  table_->setMinimumHeight(table_->fontMetrics().height() * 8);
  // A row unticked is left out.
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (remplissage_ || item->column() != ColLigne) return;
    const int ligne = item->data(Qt::UserRole).toInt();
    std::erase(choix_.Ecartees, ligne);
    if (item->checkState() == Qt::Unchecked) choix_.Ecartees.push_back(ligne);
    Recalculer();
  });
  racine->addWidget(Etiquette(QStringLiteral("&Aperçu (décocher une ligne pour l'écarter) :"), table_, this));
  racine->addWidget(table_, 1);
}

void TDialImportNotes::Lire(const std::string& octets, const QString& origine, bool fichier) {
  try {
    source_ = LireSourceNotes(octets);
  } catch (const EErreurClasse& e) {
    source_.reset();
    apercu_ = {};
    remplissage_ = true;
    colonneNom_->clear();
    colonneNote_->clear();
    table_->setRowCount(0);
    remplissage_ = false;
    resume_->setText(origine + QStringLiteral(" : ") + U(e.what()));
    ok_->setEnabled(false);
    pf::BoiteMessage(U(e.what()), pf::TGenreMessage::Erreur);
    return;
  }
  choix_ = ChoixParDefaut(*source_, options_);
  RemplirColonnes();
  if (fichier) {
    const std::optional<std::string> c = Cp1252DepuisUtf8(CommentaireDepuisFichier(origine.toStdString()));
    if (c) champs_.commentaire->setText(Depuis(c->substr(0, CapaciteCommentaire)));
  }
  resume_->setProperty("origine", origine);
  Recalculer();
}

void TDialImportNotes::RemplirColonnes() {
  remplissage_ = true;
  colonneNom_->clear();
  colonneNote_->clear();
  const std::vector<std::string>& noms = source_->Colonnes;
  if (choix_.ColonneNom >= 0 && choix_.ColonnePrenom >= 0)
    colonneNom_->addItem(U(noms[static_cast<std::size_t>(choix_.ColonneNom)]) + QStringLiteral(" + ") +
                             U(noms[static_cast<std::size_t>(choix_.ColonnePrenom)]),
                         QPoint(choix_.ColonneNom, choix_.ColonnePrenom));
  for (std::size_t j = 0; j < noms.size(); ++j) {
    colonneNom_->addItem(U(noms[j]), QPoint(static_cast<int>(j), -1));
    colonneNote_->addItem(U(noms[j]), static_cast<int>(j));
  }
  colonneNom_->addItem(QStringLiteral("Aucune : dans l'ordre de la liste"), QPoint(-1, -1));
  colonneNom_->setCurrentIndex(colonneNom_->findData(QPoint(choix_.ColonneNom, choix_.ColonnePrenom)));
  colonneNote_->setCurrentIndex(choix_.ColonneNote);
  if (source_->Sur > 0) sur_->setText(QString::number(source_->Sur));
  remplissage_ = false;
}

void TDialImportNotes::Recalculer() {
  if (!source_) return;
  const QPoint nom = colonneNom_->currentData().toPoint();
  choix_.ColonneNom = nom.x();
  choix_.ColonnePrenom = nom.y();
  choix_.ColonneNote = colonneNote_->currentData().toInt();
  // A scale that is not a positive number leaves every grade unreadable, as the preview shows.
  bool lu = false;
  const double sur = QString(sur_->text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&lu);
  choix_.Sur = lu ? sur : 0;
  choix_.Devoir = existant_->isChecked() ? devoirs_->currentIndex() + 1 : 0;
  choix_.Remplacer = existant_->isChecked() && remplacer_->isChecked();
  apercu_ = ApercuNotes(classe_, *source_, choix_, options_);
  AfficherApercu();
}

void TDialImportNotes::AfficherApercu() {
  remplissage_ = true;
  const std::vector<TCasesApercu> cases = CasesApercu(classe_, apercu_);
  table_->setRowCount(static_cast<int>(cases.size()));
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    const TCasesApercu& x = cases[static_cast<std::size_t>(i)];
    const QString textes[] = {x.Ligne > 0 ? QString::number(x.Ligne) : QString(), U(x.Nom), U(x.Lu), U(x.Eleve),
                              U(x.Resultat)};
    for (int j = ColLigne; j <= ColResultat; ++j) {
      auto* item = new QTableWidgetItem(textes[j]);
      if (x.Refus) item->setForeground(QBrush(Qt::red));
      if (j == ColLigne && x.Ligne > 0) {
        item->setData(Qt::UserRole, x.Ligne);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool ecartee =
            std::find(choix_.Ecartees.begin(), choix_.Ecartees.end(), x.Ligne) != choix_.Ecartees.end();
        item->setCheckState(ecartee ? Qt::Unchecked : Qt::Checked);
      }
      table_->setItem(i, j, item);
    }
  }
  table_->resizeColumnsToContents();
  resume_->setText(resume_->property("origine").toString() + QStringLiteral(" : ") +
                   U(ResumeApercu(*source_, apercu_)));
  ok_->setEnabled(apercu_.NbPrises > 0);
  remplissage_ = false;
}

void TDialImportNotes::LireFichier(const QString& chemin) {
  std::string octets;
  try {
    octets = LireFichierTexte(QFile::encodeName(chemin).toStdString(), TailleMaxNotes, MsgPasTableauNotes);
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(U(e.what()), pf::TGenreMessage::Erreur);
    return;
  }
  Lire(octets, QFileInfo(chemin).fileName(), true);
}

void TDialImportNotes::ChoisirFichier() {
  const QString nom = ChoisirFichierImport(this, QStringLiteral("Notes (*.csv *.tsv *.txt);;Tous les fichiers (*)"));
  if (!nom.isEmpty()) LireFichier(nom);
}

void TDialImportNotes::Coller() {
  const QString texte = pf::TexteDuPressePapiers();
  if (texte.isEmpty()) {
    pf::BoiteMessage(QStringLiteral("Le presse-papiers ne contient pas de texte."), pf::TGenreMessage::Information);
    return;
  }
  const QByteArray octets = texte.toUtf8();
  if (static_cast<std::uint64_t>(octets.size()) > TailleMaxNotes) {
    pf::BoiteMessage(U("Le presse-papiers contient " + TailleLisible(static_cast<std::uint64_t>(octets.size())) +
                       " : un tableau de notes en fait au plus " + TailleLisible(TailleMaxNotes) + "."),
                     pf::TGenreMessage::Erreur);
    return;
  }
  Lire(octets.toStdString(), QStringLiteral("Presse-papiers"), false);
}

void TDialImportNotes::accept() {
  if (!source_ || apercu_.NbPrises == 0) return;
  TNouveauDevoir nouveau;
  if (choix_.Devoir == 0) {
    if (classe_.NbDevoirs(m_, p_) >= MaxDevoirs) {
      pf::BoiteMessage(U(std::string(MsgPlusDeDevoir)), pf::TGenreMessage::Erreur);
      return;
    }
    const std::optional<TTextesDevoir> t = LireTextes(champs_);
    if (!t) return;
    const std::optional<double> coef = LireCoef(champs_.coef, options_, QStringLiteral("du devoir"));
    if (!coef) return;
    nouveau = {t->date, t->duree, *coef, t->commentaire};
  }
  if (!AppliquerNotes(classe_, apercu_, choix_, nouveau)) {
    pf::Bip();
    return;
  }
  done(DialogueConfirme);
}

}  // namespace calevrin
