#include "dialogs/fiches.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/erreurs.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
#include "platform/messages.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

void Erreur(const QString& texte) { pf::BoiteMessage(texte, pf::TGenreMessage::Erreur); }

QCheckBox* Case(QWidget* parent, const QString& texte, const char* nom) {
  auto* c = new QCheckBox(texte, parent);
  c->setObjectName(QString::fromLatin1(nom));
  c->setChecked(true);
  return c;
}

// The preview's page: an A4 sheet as wide as a screen shows it at 100 %.
constexpr int LargeurApercu = 794;

}  // namespace

TDialFiches::TDialFiches(QWidget* parent, const TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o) {
  setWindowTitle(QStringLiteral("Fiches des élèves"));

  periode_ = new QComboBox(this);
  periode_->setObjectName(QStringLiteral("Periode"));
  for (const int p : PeriodesFiches(classe_)) periode_->addItem(Depuis(NomPeriodeFiche(classe_, p)), p);
  const int courante = periode_->findData(classe_.PeriodeCourante());
  periode_->setCurrentIndex(courante >= 0 ? courante : 0);
  auto* groupePeriode = new QGroupBox(QStringLiteral("Période"), this);
  (new QVBoxLayout(groupePeriode))->addWidget(periode_);

  auto* groupeEleves = new QGroupBox(QStringLiteral("Élèves"), this);
  tous_ = new QRadioButton(QStringLiteral("&Tous les élèves"), groupeEleves);
  tous_->setObjectName(QStringLiteral("Tous"));
  auto* choisis = new QRadioButton(QStringLiteral("Les élèves &cochés :"), groupeEleves);
  choisis->setObjectName(QStringLiteral("Choisis"));
  eleves_ = new QListWidget(groupeEleves);
  eleves_->setObjectName(QStringLiteral("Eleves"));
  for (int e = 1; e <= classe_.NbEleves(); ++e) {
    auto* item = new QListWidgetItem(QStringLiteral("%1 - ").arg(e) + Depuis(classe_.NomComplet(e, true)), eleves_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(Qt::Checked);
  }
  tous_->setChecked(true);
  eleves_->setEnabled(false);
  auto* colonneEleves = new QVBoxLayout(groupeEleves);
  colonneEleves->addWidget(tous_);
  colonneEleves->addWidget(choisis);
  colonneEleves->addWidget(eleves_, 1);

  auto* groupeContenu = new QGroupBox(QStringLiteral("Contenu de chaque fiche"), this);
  notes_ = Case(groupeContenu, QStringLiteral("&Notes des devoirs"), "Notes");
  moyennes_ = Case(groupeContenu, QStringLiteral("&Moyennes et rang"), "Moyennes");
  graphique_ = Case(groupeContenu, QStringLiteral("&Graphique d'évolution"), "Graphique");
  appreciation_ = Case(groupeContenu, QStringLiteral("Cadre pour l'a&ppréciation"), "Appreciation");
  auto* colonneContenu = new QVBoxLayout(groupeContenu);
  for (QCheckBox* c : {notes_, moyennes_, graphique_, appreciation_}) colonneContenu->addWidget(c);
  colonneContenu->addStretch(1);

  auto* gauche = new QVBoxLayout;
  gauche->addWidget(groupePeriode);
  gauche->addWidget(groupeContenu, 1);
  auto* haut = new QHBoxLayout;
  haut->addLayout(gauche);
  haut->addWidget(groupeEleves, 1);

  etat_ = new QLabel(this);
  etat_->setObjectName(QStringLiteral("Etat"));
  etat_->setWordWrap(true);

  auto* apercu = Bouton(this, QStringLiteral("Aper&çu"), "Apercu");
  auto* imprimer = Bouton(this, QStringLiteral("&Imprimer..."), "Imprimer");
  auto* pdf = Bouton(this, QStringLiteral("P&DF..."), "Pdf");
  auto* fermer = Bouton(this, QStringLiteral("Fermer"), "BoutonFermer");
  auto* aide = BoutonAide(this, QStringLiteral("FichesEleves"));
  auto* boutons = new QHBoxLayout;
  for (QPushButton* b : {apercu, imprimer, pdf}) {
    b->setAutoDefault(false);
    boutons->addWidget(b);
  }
  boutons->addStretch(1);
  boutons->addWidget(fermer);
  boutons->addWidget(aide);
  aide->setAutoDefault(false);

  auto* tout = new QVBoxLayout(this);
  tout->addLayout(haut, 1);
  tout->addWidget(etat_);
  tout->addLayout(boutons);

  connect(choisis, &QRadioButton::toggled, eleves_, &QWidget::setEnabled);
  connect(choisis, &QRadioButton::toggled, this, &TDialFiches::MajBoutons);
  connect(eleves_, &QListWidget::itemChanged, this, &TDialFiches::MajBoutons);
  connect(apercu, &QPushButton::clicked, this, &TDialFiches::Apercu);
  connect(imprimer, &QPushButton::clicked, this, &TDialFiches::Imprimer);
  connect(pdf, &QPushButton::clicked, this, [this] { EcrirePdf(); });
  connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
  MajBoutons();
}

int TDialFiches::Periode() const { return periode_->currentData().toInt(); }

std::vector<int> TDialFiches::Eleves() const {
  std::vector<int> r;
  for (int i = 0; i < eleves_->count(); ++i)
    if (tous_->isChecked() || eleves_->item(i)->checkState() == Qt::Checked) r.push_back(i + 1);
  return r;
}

TContenuFiche TDialFiches::Contenu() const {
  return {notes_->isChecked(), moyennes_->isChecked(), graphique_->isChecked(), appreciation_->isChecked()};
}

std::vector<TFicheEleve> TDialFiches::Fiches() const {
  const std::vector<int> eleves = Eleves();
  if (eleves.empty()) return {};
  return CalculerFiches(classe_, Periode(), eleves, options_);
}

QString TDialFiches::PdfPropose() const {
  const QFileInfo f(QString::fromStdString(classe_.NomFichier));
  const QString nom = f.completeBaseName().isEmpty() ? Depuis(classe_.Abreviation.Texte()) : f.completeBaseName();
  return f.absoluteDir().filePath(Depuis(NomFichierFiches("", classe_, Periode())).prepend(nom));
}

void TDialFiches::MajBoutons() {
  const bool eleves = !Eleves().empty();
  for (const char* nom : {"Apercu", "Imprimer", "Pdf"})
    if (auto* b = findChild<QPushButton*>(QString::fromLatin1(nom))) b->setEnabled(eleves);
}

bool TDialFiches::EcrirePdf(const QString& chemin) {
  QString nom = chemin;
  if (nom.isEmpty()) {
    nom = pf::DemanderFichierSauvegarde(this, PdfPropose(), QStringLiteral("Document PDF (*.pdf)"));
    if (nom.isEmpty()) return false;
    if (QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".pdf");
  }
  try {
    setCursor(Qt::WaitCursor);
    EcrirePdfFiches(nom.toStdString(), Fiches(), ParametresFiches(Contenu(), options_),
                    Depuis(classe_.Abreviation.Texte() + " - " + NomPeriodeFiche(classe_, Periode())));
    unsetCursor();
  } catch (const EErreurClasse& e) {
    unsetCursor();
    Erreur(QString::fromUtf8(e.what()));
    return false;
  }
  etat_->setText(QStringLiteral("PDF écrit : ") + nom);
  return true;
}

void TDialFiches::Apercu() {
  TApercuFiches apercu(this, Fiches(), ParametresFiches(Contenu(), options_));
  apercu.exec();
}

void TDialFiches::Imprimer() {
  QPrinter& imprimante = pf::ImprimanteCourante();
  imprimante.setDocName(QFileInfo(PdfPropose()).fileName());
  const bool etaitPdf = pf::EstDestinationPdf(imprimante);
  if (etaitPdf) imprimante.setOutputFileName(PdfPropose());
  // The pages are portrait; the sheet's own orientation is given back afterwards.
  const QPageLayout::Orientation orientation = imprimante.pageLayout().orientation();
  imprimante.setPageOrientation(QPageLayout::Portrait);
  const auto retablir = qScopeGuard([&] { imprimante.setPageOrientation(orientation); });
  if (!pf::DialogueImpression(this, imprimante)) return;
  // Printing to a file goes through the program's own writer, whole or not at all.
  if (pf::EstDestinationPdf(imprimante)) {
    if (!imprimante.outputFileName().isEmpty()) EcrirePdf(imprimante.outputFileName());
    return;
  }
  if (!ImprimerFiches(imprimante, Fiches(), ParametresFiches(Contenu(), options_)))
    Erreur(QStringLiteral("Impossible d'imprimer sur ") + imprimante.printerName());
}

TApercuFiches::TApercuFiches(QWidget* parent, std::vector<TFicheEleve> fiches, TParametresFiches p)
    : QDialog(parent), fiches_(std::move(fiches)), parametres_(std::move(p)) {
  setWindowTitle(QStringLiteral("Aperçu des fiches"));
  const QSize zone = ZoneA4(pf::ResolutionPdf);
  pages_ = PagesFiches(fiches_, parametres_, zone.width(), zone.height());

  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Page"));
  auto* defilement = new QScrollArea(this);
  defilement->setWidget(image_);
  defilement->setAlignment(Qt::AlignHCenter);
  defilement->setMinimumSize(LargeurApercu + 30, 700);
  numero_ = new QLabel(this);
  numero_->setObjectName(QStringLiteral("Numero"));
  auto* precedente = Bouton(this, QStringLiteral("< &Précédente"), "Precedente");
  auto* suivante = Bouton(this, QStringLiteral("&Suivante >"), "Suivante");
  auto* fermer = Bouton(this, QStringLiteral("Fermer"), "BoutonFermer");
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(precedente);
  boutons->addWidget(numero_);
  boutons->addWidget(suivante);
  boutons->addStretch(1);
  boutons->addWidget(fermer);
  auto* tout = new QVBoxLayout(this);
  tout->addWidget(defilement, 1);
  tout->addLayout(boutons);
  connect(precedente, &QPushButton::clicked, this, [this] { AllerA(courante_ - 1); });
  connect(suivante, &QPushButton::clicked, this, [this] { AllerA(courante_ + 1); });
  connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
  AllerA(0);
}

void TApercuFiches::AllerA(int page) {
  courante_ = std::clamp(page, 0, std::max(0, NbPages() - 1));
  image_->setPixmap(QPixmap::fromImage(Image()));
  image_->adjustSize();
  numero_->setText(NbPages() == 0 ? QStringLiteral("Aucune page")
                                  : QStringLiteral("Page %1 / %2").arg(courante_ + 1).arg(NbPages()));
}

QImage TApercuFiches::Image() const {
  if (pages_.empty()) return {};
  const auto& [i, page] = pages_[static_cast<std::size_t>(courante_)];
  return ImagePageFiche(fiches_[static_cast<std::size_t>(i)], page, parametres_, LargeurApercu);
}

}  // namespace calevrin
