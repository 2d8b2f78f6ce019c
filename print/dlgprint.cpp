#include "print/dlgprint.h"

#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/aide.h"
#include "platform/canevasqt.h"
#include "platform/dialogues.h"
#include "platform/fichiers.h"
#include "platform/imprimantes.h"
#include "platform/messages.h"
#include "print/page.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

// The sheet's picture never exceeds 311 pixels; the panel leaves 8 around it.
constexpr int CotePanneau = 8 + 311 + 8;

// The hourglass for as long as a page or a file is being written, whatever the way out.
class TSablier {
 public:
  TSablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TSablier() { QApplication::restoreOverrideCursor(); }
  TSablier(const TSablier&) = delete;
  TSablier& operator=(const TSablier&) = delete;
};

void Erreur(const QString& texte) { pf::BoiteMessage(texte, pf::TGenreMessage::Erreur); }

QString MessageFichier(const QString& fichier) { return QStringLiteral("Impossible d'écrire le fichier ") + fichier; }

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* nom, bool basculant = false) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QLatin1String(nom));
  b->setCheckable(basculant);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TDialImpression::TDialImpression(QWidget* parent, const controles::TTableau* tableau,
                                 const controles::TNewGraphe* graphe, bool noirBlanc, QPrinter* imprimante)
    : QDialog(parent), imprimante_(imprimante ? *imprimante : pf::ImprimanteCourante()) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(QStringLiteral("Aperçu avant impression"));
  QVBoxLayout* gauche = CreerApercu();
  auto* droite = new QVBoxLayout;
  AjouterChoix(droite);
  AjouterBoutons(droite);
  auto* racine = new QHBoxLayout(this);
  racine->addLayout(gauche);
  racine->addLayout(droite);
  racine->setSizeConstraint(QLayout::SetFixedSize);

  orientations_->button(Paysage() ? 11 : 10)->setChecked(true);
  contenu_ = graphe ? 0 : 1;
  if (graphe) g_->Graphe().CopierPourImpression(*graphe);
  if (tableau) t_->Tableau().CopierPourImpression(*tableau);
  g_->setVisible(contenu_ == 0);
  t_->setVisible(contenu_ == 1);
  noirBlanc_->setChecked(noirBlanc);  // the layout below gives it to the copies
  LireMetriques();
  disposition_ = TDisposition::Haut;
  dispositions_->button(2)->setChecked(true);
  MettreEnPage();
  AfficherTaillePage();
}

QVBoxLayout* TDialImpression::CreerApercu() {
  panneau_ = new QFrame(this);
  panneau_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panneau_->setFixedSize(CotePanneau, CotePanneau);
  f_ = new TFeuille(panneau_);
  f_->setObjectName(QStringLiteral("F"));
  f_->Marge = 5;
  f_->move(8, 8);
  g_ = new controles::TVueGraphe(panneau_);
  g_->setObjectName(QStringLiteral("G"));
  t_ = new controles::TVueTableau(panneau_);
  t_->setObjectName(QStringLiteral("T"));
  taillePage_ = new QLabel(this);
  taillePage_->setObjectName(QStringLiteral("Label3"));
  taillePage_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* gauche = new QVBoxLayout;
  gauche->addWidget(panneau_);
  gauche->addWidget(taillePage_);
  gauche->addStretch();
  return gauche;
}

void TDialImpression::AjouterChoix(QVBoxLayout* droite) {
  droite->addWidget(new QLabel(QStringLiteral("Disposition:"), this));
  dispositions_ = new QButtonGroup(this);
  const char* const noms[] = {"SB1", "SB2", "SB3", "SB4", "SB5", "SB6"};
  const QString textes[] = {QStringLiteral("En haut à gauche"), QStringLiteral("En haut"),
                            QStringLiteral("Page entière"),     QStringLiteral("En haut, centré"),
                            QStringLiteral("Au milieu"),        QStringLiteral("Centré")};
  for (int i = 0; i < 6; ++i) {
    QPushButton* b = Bouton(this, textes[i], noms[i], true);
    dispositions_->addButton(b, i + 1);
    droite->addWidget(b);
  }
  droite->addSpacing(6);
  droite->addWidget(new QLabel(QStringLiteral("Orientation:"), this));
  orientations_ = new QButtonGroup(this);
  QPushButton* portrait = Bouton(this, QStringLiteral("Portrait"), "SB10", true);
  QPushButton* paysage = Bouton(this, QStringLiteral("Paysage"), "SB11", true);
  orientations_->addButton(portrait, 10);
  orientations_->addButton(paysage, 11);
  auto* ligneOrientation = new QHBoxLayout;
  ligneOrientation->addWidget(portrait);
  ligneOrientation->addWidget(paysage);
  droite->addLayout(ligneOrientation);
  droite->addSpacing(6);
  cadre_ = new QCheckBox(QStringLiteral("Tracer le cadre"), this);
  cadre_->setObjectName(QStringLiteral("CB2"));
  cadre_->setChecked(true);
  noirBlanc_ = new QCheckBox(QStringLiteral("Imprimer en Noir && Blanc"), this);
  noirBlanc_->setObjectName(QStringLiteral("CB"));
  droite->addWidget(cadre_);
  droite->addWidget(noirBlanc_);
  droite->addStretch();

  connect(dispositions_, &QButtonGroup::idClicked, this, &TDialImpression::ChoisirDisposition);
  connect(orientations_, &QButtonGroup::idClicked, this, &TDialImpression::ChoisirOrientation);
  connect(cadre_, &QCheckBox::toggled, this, [this](bool coche) {
    if (contenu_ == 0) {
      g_->Graphe().Cadre = coche;
      g_->update();
    } else {
      t_->Tableau().Cadre = coche;
      t_->update();
    }
    MettreEnPage();
  });
  connect(noirBlanc_, &QCheckBox::toggled, this, [this] {
    MettreEnPage();
    g_->update();
    t_->update();
  });
}

void TDialImpression::AjouterBoutons(QVBoxLayout* droite) {
  imprimer_ = Bouton(this, QStringLiteral("Imprimer"), "SB20");
  droite->addWidget(imprimer_);
  sansZone_ = new QLabel(
      QStringLiteral("Cette imprimante n'a pas de zone imprimable : choisissez-en une autre, ou enregistrez en PDF."),
      this);
  sansZone_->setObjectName(QStringLiteral("SansZone"));
  sansZone_->setWordWrap(true);
  sansZone_->setMaximumWidth(200);
  droite->addWidget(sansZone_);
  QPushButton* pdf = Bouton(this, QStringLiteral("PDF..."), "BoutonPdf");
  QPushButton* image = Bouton(this, QStringLiteral("Enregistrer en image..."), "BoutonImage");
  droite->addWidget(pdf);
  droite->addWidget(image);
  droite->addSpacing(6);
  QPushButton* fermer = Bouton(this, QStringLiteral("Fermer"), "BitBtn1");
  fermer->setDefault(true);
  QPushButton* aide = Bouton(this, QStringLiteral("&Aide"), "BitBtn2");
  auto* basBoutons = new QHBoxLayout;
  basBoutons->addWidget(fermer);
  basBoutons->addWidget(aide);
  droite->addLayout(basBoutons);

  connect(imprimer_, &QPushButton::clicked, this, &TDialImpression::Imprimer);
  connect(pdf, &QPushButton::clicked, this, &TDialImpression::EnregistrerPdf);
  connect(image, &QPushButton::clicked, this, &TDialImpression::EnregistrerImage);
  connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
  connect(aide, &QPushButton::clicked, this, [] { pf::AfficherAide(QStringLiteral("Dlg_Print")); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, aide, &QPushButton::click);
}

bool TDialImpression::Paysage() const { return imprimante_.pageLayout().orientation() == QPageLayout::Landscape; }

QString TDialImpression::Titre() const { return contenu_ == 0 ? G().Caption : T().Caption; }

void TDialImpression::ChoisirDisposition(int id) {
  disposition_ = static_cast<TDisposition>(id);
  MettreEnPage();
}

void TDialImpression::ChoisirOrientation(int id) {
  // The application's printer: the choice stays after the dialog, as the set-up dialog's would.
  imprimante_.setPageOrientation(id == 11 ? QPageLayout::Landscape : QPageLayout::Portrait);
  MettreEnPage();
  AfficherTaillePage();
}

void TDialImpression::MettreEnPage() {
  const QRect page = imprimante_.pageLayout().paintRectPixels(imprimante_.resolution());
  g_->Graphe().NoirBlanc = noirBlanc_->isChecked();
  t_->Tableau().NoirBlanc = noirBlanc_->isChecked();
  mise_ = CalculerMiseEnPage(page.width(), page.height(), Paysage(), disposition_, f_->Marge);
  f_->resize(mise_.Feuille);
  QWidget* contenu = contenu_ == 0 ? static_cast<QWidget*>(g_) : t_;
  contenu->setGeometry(mise_.Image);
  contenu->raise();
  // The picture is the page's zone scaled, its texts measured as the printer measures them.
  const QPaintDevice* mesure = mise_.Imprimable ? static_cast<const QPaintDevice*>(&imprimante_) : nullptr;
  static_cast<controles::TVueControle*>(contenu)->FixerPage(mise_.Zone.size(), mise_.Echelle, mesure);
  g_->Graphe().LargeurControle = mise_.Image.width();
  imprimer_->setEnabled(mise_.Imprimable);
  sansZone_->setVisible(!mise_.Imprimable);
  f_->update();
  contenu->update();
}

void TDialImpression::AfficherTaillePage() { taillePage_->setText(TexteTaillePage(LireMetriques())); }

void TDialImpression::Dessiner(pf::TCanevas& c, const QRect& zone) {
  if (contenu_ == 0)
    g_->Graphe().Dessine(c, zone.x(), zone.y(), zone.width(), zone.height());
  else
    t_->Tableau().Dessine(c, zone.x(), zone.y(), zone.width(), zone.height());
}

void TDialImpression::DessinerPage(pf::TCanevas& c) { Dessiner(c, mise_.Zone); }

TDessinZone TDialImpression::Dessin() {
  return [this](pf::TCanevas& c, const QRect& zone) { Dessiner(c, zone); };
}

QString TDialImpression::DemanderFichier(const QString& filtre, const QString& extension) {
  QString nom = Titre();
  for (const QChar interdit : QStringLiteral("/\\:*?\"<>|")) nom.replace(interdit, QLatin1Char('_'));
  if (nom.trimmed().isEmpty()) nom = contenu_ == 0 ? QStringLiteral("Graphique") : QStringLiteral("Tableau");
  QString fichier = pf::DemanderFichierSauvegarde(this, QDir::home().filePath(nom + extension), filtre);
  if (!fichier.isEmpty() && QFileInfo(fichier).suffix().isEmpty()) fichier += extension;
  return fichier;
}

bool TDialImpression::Imprimer() {
  if (!mise_.Imprimable) return false;
  // Qt's PDF destination: the same page written directly, so that the application's printer
  // keeps no file name (the sheet's next printout would overwrite that file unasked) and its
  // output format (clearing a file name turns a PDF printer into a native one).
  if (pf::EstDestinationPdf(imprimante_)) {
    const QString fichier = DemanderFichier(QStringLiteral("Document PDF (*.pdf)"), QStringLiteral(".pdf"));
    return !fichier.isEmpty() && EcrirePdf(fichier, imprimante_.resolution(), imprimante_.pageLayout());
  }
  QString erreur;
  {
    TSablier sablier;
    imprimante_.setDocName(Titre());
    QPainter p;
    if (!p.begin(&imprimante_)) {
      erreur = QStringLiteral("Impossible d'imprimer sur ") + imprimante_.printerName();
    } else {
      pf::TCanevasQt c(p);
      DessinerPage(c);
      if (!p.end())
        erreur = QStringLiteral("L'impression sur ") + imprimante_.printerName() +
                 QStringLiteral(" n'a pas pu être terminée.");
    }
  }
  if (!erreur.isEmpty()) Erreur(erreur);
  return erreur.isEmpty();
}

QPageLayout TDialImpression::PageExport() const {
  if (mise_.Imprimable) return imprimante_.pageLayout();
  return QPageLayout(QPageSize(QPageSize::A4), Paysage() ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

bool TDialImpression::EcrirePdf(const QString& fichier, int resolution, const QPageLayout& page) {
  QString erreur = MessageFichier(fichier);
  {
    TSablier sablier;
    // Rendered into memory, then written whole: the old file stays until the new one is, and a
    // FIFO or a device at the file's place is refused instead of blocking the program.
    const QByteArray octets = PagePdf(Dessin(), page, resolution, disposition_, Paysage(), Titre());
    if (!octets.isEmpty()) erreur = pf::EcrireFichier(fichier, octets);
  }
  if (!erreur.isEmpty()) Erreur(erreur);
  return erreur.isEmpty();
}

bool TDialImpression::EnregistrerPdf() {
  const QString fichier = DemanderFichier(QStringLiteral("Document PDF (*.pdf)"), QStringLiteral(".pdf"));
  return !fichier.isEmpty() && EcrirePdf(fichier, ResolutionPdf, PageExport());
}

bool TDialImpression::EnregistrerImage() {
  const QString fichier = DemanderFichier(QStringLiteral("Image PNG (*.png)"), QStringLiteral(".png"));
  if (fichier.isEmpty()) return false;
  QString erreur = MessageFichier(fichier);
  {
    TSablier sablier;
    const QByteArray octets = ImagePng(Dessin(), PageExport(), disposition_, Paysage());
    if (!octets.isEmpty()) erreur = pf::EcrireFichier(fichier, octets);
  }
  if (!erreur.isEmpty()) Erreur(erreur);
  return erreur.isEmpty();
}

void TDialImpression::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* ecran = screen()) move(ecran->availableGeometry().center() - rect().center());
}

}  // namespace calevrin
