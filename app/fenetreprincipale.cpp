#include "app/fenetreprincipale.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "app/adresses.h"
#include "app/apropos.h"
#include "app/demarrage.h"
#include "app/dialoguesapplication.h"
#include "app/icones.h"
#include "app/nouvelleclasse.h"
#include "app/options.h"
#include "document/documentclasse.h"
#include "document/recuperation.h"
#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "platform/aide.h"
#include "platform/chemins.h"
#include "platform/dialogues.h"
#include "platform/messages.h"
#include "platform/programmes.h"
#include "platform/regional.h"
#include "platform/texte.h"
#include "print/metriques.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// Embossed text: white, then black two pixels up and left, then grey in between.
void TexteRelief(QPainter& p, int x, int y, const QString& t) {
  const int haut = QFontMetrics(p.font()).ascent();
  p.setPen(Qt::white);
  p.drawText(x, y + haut, t);
  p.setPen(Qt::black);
  p.drawText(x - 2, y - 2 + haut, t);
  p.setPen(QColor(128, 128, 128));
  p.drawText(x - 1, y - 1 + haut, t);
}

QFont PoliceFond(int points, bool italique) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(points);
  f.setBold(true);
  f.setItalic(italique);
  return f;
}

}  // namespace

void TZoneClient::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), QColor(128, 128, 128));
  p.setFont(PoliceFond(30, true));
  TexteRelief(p, 50, 80, Utf8(Programme.TitreVersion));
  p.setFont(PoliceFond(15, true));
  TexteRelief(p, 80, 140, QStringLiteral("Version 64 bits pour Linux"));
  p.setFont(PoliceFond(10, true));
  p.setPen(QColor(192, 192, 192));
  for (int i = 0; i < 5; ++i)
    p.drawText(20, 220 + 20 * i + QFontMetrics(p.font()).ascent(), QString::fromUtf8(CoordonneesSociete[i]));
}

void TZoneClient::mousePressEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) emit CliqueGauche();
  QMdiArea::mousePressEvent(event);
}

TFenetrePrincipale::TFenetrePrincipale(const std::string& fichierConfiguration, QWidget* parent)
    : QMainWindow(parent),
      dialogues_(std::make_unique<TDialoguesApplication>(Options)),
      configuration_(fichierConfiguration.empty() ? pf::FichierConfiguration() : fichierConfiguration) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(QStringLiteral("Calevrin"));
  setWindowIcon(Icone("calevrin"));
  TexteHorloge = [] { return pf::DepuisCp1252(DateHeureTexte()); };
  zone_ = new TZoneClient(this);
  zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(zone_);
  connect(zone_, &QMdiArea::subWindowActivated, this, &TFenetrePrincipale::FeuilleActivee);
  connect(zone_, &TZoneClient::CliqueGauche, this, [this] {
    if (!InviteDernierFichier) return;
    EffacerInvite();
    MenuFichier(1);
  });
  CreerMenus();
  CreerBarreEtat();

  // A test copied in a former run means nothing to the classes of this one.
  PressePapInterne.Vider();
  AfficherMessage(" " + Utf8(Programme.TitreVersion));
  HorlogeActive = true;
  ChargerOptions(Options, configuration_, pf::SeparateurDecimal());
  AfficherFichiersRecents();
  // The printer metrics are not read here but by the preview, the printing and the print dialog,
  // each of which refreshes them first: asking the print server (its plugin, its libraries and a
  // connection, retried when the server is down) would only delay the first window.
  // The title invites a click that reopens the last class.
  if (!Options.liste[1].empty()) {
    setWindowTitle(QStringLiteral("Cliquer dans la fenêtre pour ouvrir le dernier fichier: ") + Utf8(Options.liste[1]));
    InviteDernierFichier = true;
  }
  horloge_ = new QTimer(this);
  horloge_->setInterval(15000);
  connect(horloge_, &QTimer::timeout, this, &TFenetrePrincipale::OnTimer);
  horloge_->start();
  MajMenuFichier();
  MajMenuFenetre(1);
  resize(1100, 760);
}

TFenetrePrincipale::~TFenetrePrincipale() {
  // The child windows die after this object: their signals must not reach it any more.
  zone_->disconnect(this);
  for (QMdiSubWindow* w : zone_->subWindowList()) {
    w->disconnect(this);
    if (w->widget()) w->widget()->disconnect(this);
    if (auto* e = dynamic_cast<pf::TFenetreEnfant*>(w->widget())) e->Signaux().disconnect(this);
  }
}

// Only the frame's own items: the sheets below it have theirs.
QAction* TFenetrePrincipale::Action(pf::TAction a) const { return actions_[a]; }

void TFenetrePrincipale::CreerBarreEtat() {
  QStatusBar* barre = statusBar();
  barre->setSizeGripEnabled(false);
  barre->setFixedHeight(25);
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(13);
  barre->setFont(courier);
  boutonsStat_ = new QWidget(barre);
  auto* rangee = new QHBoxLayout(boutonsStat_);
  rangee->setContentsMargins(1, 0, 1, 0);
  rangee->setSpacing(0);
  struct TBouton {
    const char* icone;
    const char* hint;
  } const boutons[13] = {
      {"sauver", "Sauver le fichier"},
      {"imprimer", "Imprimer"},
      {"fermer", "Fermer la fenêtre active"},
      {"devoir", "Ajouter un nouveau devoir"},
      {"graphiques", "Ouvrir les 3 types de graphiques"},
      {"suivante", "Visualiser la fenêtre suivante"},
      {"apercu", "Mode Tableau ou Aperçu avant impression"},
      {"matiere", "Changer de matière"},
      {"periode", "Changer de trimestre"},
      {"defilementh", "Défilement Horizontal Rapide"},
      {"defilementv", "Défilement Vertical Rapide"},
      {nullptr, "Z+"},
      {nullptr, "Z-"},
  };
  for (std::size_t i = 0; i < 13; ++i) {
    auto* b = new QToolButton(boutonsStat_);
    b->setObjectName(QStringLiteral("SB%1").arg(i + 1));
    b->setAutoRaise(true);
    b->setFixedSize(24, 24);
    b->setIconSize(QSize(18, 18));
    if (boutons[i].icone) {
      b->setIcon(Icone(boutons[i].icone));
      b->setToolTip(QString::fromUtf8(boutons[i].hint));
      b->setStatusTip(QString::fromUtf8(boutons[i].hint));
    } else {
      b->setText(QString::fromUtf8(boutons[i].hint));
    }
    b->setEnabled(i == 2);
    rangee->addWidget(b);
    sb_[i] = b;
  }
  for (int i = 10; i <= 13; ++i) sb_[static_cast<std::size_t>(i - 1)]->setVisible(false);
  rangee->addStretch();
  boutonsStat_->setFixedWidth(209);
  periodeAffichee_ = new QLabel(barre);
  periodeAffichee_->setFixedWidth(56);
  periodeAffichee_->setFrameShape(QFrame::Panel);
  periodeAffichee_->setFrameShadow(QFrame::Sunken);
  message_ = new QLabel(barre);
  message_->setFrameShape(QFrame::Panel);
  message_->setFrameShadow(QFrame::Sunken);
  barre->addWidget(boutonsStat_);
  barre->addWidget(periodeAffichee_);
  barre->addWidget(message_, 1);
  RelierBoutons();
}

// Each toolbar button runs its command on the active child, or the frame's own.
void TFenetrePrincipale::RelierBoutons() {
  const auto commande = [this](pf::TCommandeCadre c, int bouton) {
    connect(sb_[static_cast<std::size_t>(bouton - 1)], &QToolButton::clicked, this,
            [this, c, bouton] { Commande(c, bouton); });
  };
  connect(sb_[2], &QToolButton::clicked, this, [this] {
    if (QMdiSubWindow* w = zone_->currentSubWindow())
      w->close();
    else
      close();  // the normal way, so that the configuration and the recent files are written
  });
  connect(sb_[5], &QToolButton::clicked, this, [this] {
    zone_->activateNextSubWindow();
    if (zone_->subWindowList().size() < 2) sb_[5]->setEnabled(false);
  });
  using C = pf::TCommandeCadre;
  commande(C::Sauver, 1);
  commande(C::ImprimerSansDialogue, 2);
  commande(C::NouveauDevoir, 4);
  commande(C::OuvrirStatistiques, 5);
  commande(C::BasculerApercu, 7);
  commande(C::MatiereSuivante, 8);
  commande(C::PeriodeSuivante, 9);
  commande(C::DefilementHorizontal, 10);
  commande(C::DefilementVertical, 11);
  commande(C::ZoomPlus, 12);
  commande(C::ZoomMoins, 13);
}

namespace {
pf::TFenetreEnfant* Enfant(const QMdiSubWindow* w) {
  return w ? dynamic_cast<pf::TFenetreEnfant*>(w->widget()) : nullptr;
}
}  // namespace

pf::TFenetreEnfant* TFenetrePrincipale::EnfantActif() const { return Enfant(zone_->currentSubWindow()); }

QList<pf::TFenetreEnfant*> TFenetrePrincipale::Enfants() const {
  QList<pf::TFenetreEnfant*> r;
  for (QMdiSubWindow* w : zone_->subWindowList())
    if (pf::TFenetreEnfant* e = Enfant(w)) r.push_back(e);
  return r;
}

void TFenetrePrincipale::Commande(pf::TCommandeCadre commande, int bouton) {
  pf::TFenetreEnfant* e = EnfantActif();
  if (!e) {
    if (bouton > 0) Bouton(bouton)->setEnabled(false);
    return;
  }
  if (e->Disponible(commande)) e->Executer(commande);
}

bool TFenetrePrincipale::OuvrirFichier(const std::string& chemin) {
  std::unique_ptr<TDocumentClasse> document;
  try {
    document = TDocumentClasse::Ouvrir(chemin, Options);
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(QString::fromUtf8(e.what()), pf::TGenreMessage::Erreur);
    return false;
  }
  if (!Verrouiller(*document)) return false;
  OuvrirDocument(std::move(document));
  AjouterFichierRecent(chemin);
  return true;
}

// Two windows on one file would each save over the other's work: the second is announced.
bool TFenetrePrincipale::Verrouiller(TDocumentClasse& document) {
  const QString chemin = QString::fromStdString(document.Chemin());
  QString ou;
  bool ouvert = false;
  for (pf::TFenetreEnfant* e : Enfants())
    if (QFileInfo(e->Chemin()) == QFileInfo(chemin)) ouvert = true;
  QString detenteur;
  if (ouvert)
    ou = QStringLiteral("dans une autre fenêtre de ce programme");
  else if (!document.Verrouiller(detenteur))
    ou = QStringLiteral("par un autre programme Calevrin (") + detenteur + QStringLiteral(")");
  else
    return true;
  const int r = pf::ChoixMessage(
      QStringLiteral("Le fichier ") + chemin + QStringLiteral(" est déjà ouvert ") + ou +
          QStringLiteral(".\n\nEnregistrer depuis deux fenêtres ferait perdre le travail "
                         "de l'une.\nL'ouvrir en lecture seule ?"),
      pf::TGenreMessage::Avertissement,
      {QStringLiteral("&Lecture seule"), QStringLiteral("&Ouvrir quand même"), QStringLiteral("Annuler")});
  if (r == 2) return false;
  document.FixerLectureSeule(r == 0);
  return true;
}

TFenetreFeuille* TFenetrePrincipale::OuvrirDocument(std::unique_ptr<TDocumentClasse> document) {
  // The document owns its recovery copy.
  new TRecuperation(*document, TRecuperation::Dossier(), DelaiCalme, DelaiMaximum);
  auto* feuille = new TFenetreFeuille(std::move(document), *dialogues_, Options);
  AjouterEnfant(feuille);
  return feuille;
}

void TFenetrePrincipale::ProposerRecuperations() {
  if (TRecuperation::Dossier().isEmpty()) {
    pf::BoiteMessage(QStringLiteral("Aucun dossier personnel n'est défini (variable HOME) : les copies de secours "
                                    "des classes modifiées sont désactivées pendant cette session."),
                     pf::TGenreMessage::Avertissement);
    return;
  }
  for (const TRecuperation::TCopie& c : TRecuperation::CopiesOrphelines()) {
    if (!c.Defaut.isEmpty()) {
      // Nothing to recover from it, but the teacher decides: it may be the only trace left.
      if (pf::ChoixMessage(QStringLiteral("La copie de secours ") + c.Fichier + QStringLiteral(" est abîmée (") +
                               c.Defaut + QStringLiteral(") : elle ne peut pas être récupérée.\n\nLa supprimer ?"),
                           pf::TGenreMessage::Avertissement,
                           {QStringLiteral("&Supprimer"), QStringLiteral("&Garder")}) == 0)
        TRecuperation::Supprimer(c);
      continue;
    }
    const QString texte = QStringLiteral("Le programme s'est arrêté avant que cette classe soit enregistrée :\n\n") +
                          c.Original + QStringLiteral("\n\nUne copie de secours du ") +
                          QLocale(QLocale::French).toString(c.Moment, QStringLiteral("dddd d MMMM yyyy à HH:mm")) +
                          QStringLiteral(
                              " peut être récupérée. Le fichier lui-même n'est pas modifié tant que la "
                              "classe récupérée n'est pas enregistrée.");
    const int r =
        pf::ChoixMessage(texte, pf::TGenreMessage::Confirmation,
                         {QStringLiteral("&Récupérer"), QStringLiteral("&Supprimer"), QStringLiteral("&Ignorer")});
    // The copy may hold the only trace of an afternoon's grades: deleting it is asked twice.
    if (r == 1 && pf::BoiteMessage(QStringLiteral("Supprimer définitivement la copie de secours de ") + c.Original +
                                       QStringLiteral(" ? Les modifications qu'elle contient seront perdues."),
                                   pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) == pf::TReponse::Oui)
      TRecuperation::Supprimer(c);
    if (r != 0) continue;
    std::unique_ptr<TDocumentClasse> document;
    try {
      document = TDocumentClasse::Ouvrir(c.Fichier.toStdString(), Options);
    } catch (const EErreurClasse& e) {
      pf::BoiteMessage(QString::fromUtf8(e.what()), pf::TGenreMessage::Erreur);
      continue;
    }
    document->FixerChemin(c.Original.toStdString());
    document->NoterFichier();  // a save compares with the file as it is now
    if (!Verrouiller(*document)) continue;
    document->MarquerModifie();
    TDocumentClasse& d = *document;
    OuvrirDocument(std::move(document));
    // The recovered class has its own copy from now on, until it is saved or closed.
    if (auto* copie = d.findChild<TRecuperation*>()) {
      copie->Ecrire();
      copie->Attendre();
    }
    TRecuperation::Supprimer(c);
  }
}

QMdiSubWindow* TFenetrePrincipale::AjouterEnfant(QWidget* widget) {
  QMdiSubWindow* fenetre = zone_->addSubWindow(widget);
  fenetre->setAttribute(Qt::WA_DeleteOnClose);
  // The window menu's "Close" would hold Ctrl+W and Ctrl+F4 beside "Fichier > Fermer": a key
  // two actions share does nothing.
  if (QMenu* systeme = fenetre->systemMenu())
    for (QAction* a : systeme->actions()) a->setShortcuts({});
  if (auto* e = dynamic_cast<pf::TFenetreEnfant*>(widget)) {
    pf::TSignauxEnfant* signaux = &e->Signaux();
    connect(signaux, &pf::TSignauxEnfant::EtatChange, this, [this, e] {
      if (e == EnfantActif()) FeuilleActivee(zone_->currentSubWindow());
    });
    connect(signaux, &pf::TSignauxEnfant::Message, this, [this](const QString& texte, bool horloge) {
      HorlogeActive = horloge;
      AfficherMessage(horloge ? TexteHorloge() : texte);
    });
    connect(signaux, &pf::TSignauxEnfant::Modification, this, &TFenetrePrincipale::MajMenuFichier);
    connect(signaux, &pf::TSignauxEnfant::FichierRecent, this,
            [this](const QString& chemin) { AjouterFichierRecent(chemin.toStdString()); });
    // Connected once per child: the merged menus must never belong to a child that is gone.
    connect(widget, &QObject::destroyed, this, [this, e] {
      if (menusFusionnes_ == e) menusFusionnes_ = nullptr;
    });
  }
  connect(fenetre, &QObject::destroyed, this, [this] {
    DesactiverBoutons();
    AfficherPeriode(QString());
    MajMenuFenetre(1);
    MajMenuFichier();
  });
  fenetre->resize(zone_->size() * 0.9);
  fenetre->showMaximized();
  MajMenuFenetre(0);
  FeuilleActivee(fenetre);
  return fenetre;
}

void TFenetrePrincipale::FeuilleActivee(QMdiSubWindow* fenetre) {
  pf::TFenetreEnfant* e = Enfant(fenetre);
  const bool autre = e != menusFusionnes_;
  FusionnerMenus(e);
  MajMenuFichier();
  if (!e) {
    for (int i : {4, 5, 7, 8, 9}) Bouton(i)->setEnabled(false);
    AppliquerApercu(nullptr);
    return;
  }
  using C = pf::TCommandeCadre;
  Bouton(4)->setEnabled(e->Disponible(C::NouveauDevoir));
  Bouton(5)->setEnabled(e->Disponible(C::OuvrirStatistiques));
  Bouton(6)->setEnabled(zone_->subWindowList().size() != 1);
  Bouton(7)->setEnabled(e->Disponible(C::BasculerApercu));
  Bouton(8)->setEnabled(e->Disponible(C::MatiereSuivante));
  Bouton(9)->setEnabled(e->Disponible(C::PeriodeSuivante));
  AppliquerApercu(e);
  AfficherPeriode(e->TextePeriode());
  // The title shows the file's name only; its folder is here and in the tooltip.
  fenetre->setToolTip(e->Chemin());
  if (autre && !e->Chemin().isEmpty()) AfficherMessage(QStringLiteral(" ") + e->Chemin());
}

void TFenetrePrincipale::AppliquerApercu(pf::TFenetreEnfant* e) {
  const bool apercu = e && e->EnApercu();
  boutonsStat_->setFixedWidth(apercu ? 301 : 209);
  for (int i = 10; i <= 13; ++i) {
    Bouton(i)->setVisible(apercu);
    Bouton(i)->setEnabled(apercu);
  }
}

void TFenetrePrincipale::MajMenuFichier() {
  const int n = static_cast<int>(Enfants().size());
  pf::TFenetreEnfant* active = EnfantActif();
  const bool s = n > 0 && active != nullptr;
  using C = pf::TCommandeCadre;
  const auto peut = [&](C c) { return s && active->Disponible(c); };
  Action(pf::TAction::Sauver)->setEnabled(peut(C::Sauver));
  Action(pf::TAction::SauverSous)->setEnabled(peut(C::SauverSous));
  Action(pf::TAction::SauverTous)->setEnabled(s && n > 1);
  Action(pf::TAction::Fermer)->setEnabled(s);
  Action(pf::TAction::FermerTous)->setEnabled(Action(pf::TAction::SauverTous)->isEnabled());
  // Deleting a class that was never saved would delete whatever file has its default name.
  Action(pf::TAction::Effacer)->setEnabled(peut(C::Effacer));
  Action(pf::TAction::Imprimer)->setEnabled(peut(C::Imprimer));
  Action(pf::TAction::ConfigurerImprimante)->setEnabled(peut(C::ConfigurerImprimante));
  Action(pf::TAction::Apercu)->setEnabled(peut(C::Apercu));
  Action(pf::TAction::ExporterClasseur)->setEnabled(s && dynamic_cast<TFenetreFeuille*>(active) != nullptr);
  Action(pf::TAction::FichesEleves)->setEnabled(Action(pf::TAction::ExporterClasseur)->isEnabled());
  Bouton(1)->setEnabled(Action(pf::TAction::Sauver)->isEnabled());
  Bouton(2)->setEnabled(n > 0);
  Bouton(3)->setEnabled(true);  // closes the window, or the program when none is open
  Bouton(7)->setEnabled(s);
}

void TFenetrePrincipale::MajMenuFenetre(int k) {
  const bool actif = k == 0 || zone_->subWindowList().size() > k;
  using A = pf::TAction;
  for (A a : {A::MosaiqueHorizontale, A::MosaiqueVerticale, A::Cascade, A::ArrangerIcones, A::ReduireToutes})
    Action(a)->setEnabled(actif);
}

void TFenetrePrincipale::AjouterFichierRecent(const std::string& nom) {
  // Its one line in the configuration file would become several.
  if (nom.find_first_of("\r\n") != std::string::npos) return;
  TTableau1<std::string, 3>& l = Options.liste;
  if (nom != l[1] && nom != l[2] && nom != l[3]) {
    l[3] = l[2];
    l[2] = l[1];
    l[1] = nom;
  } else {
    const std::string ancien = l[1];
    l[1] = nom;
    for (std::size_t i = 2; i <= 3; ++i)
      if (l[i] == nom) l[i] = ancien;
  }
  AfficherFichiersRecents();
}

void TFenetrePrincipale::AfficherFichiersRecents() {
  for (std::size_t i = 1; i <= 3; ++i) {
    QAction* a = Action(Recents[i - 1]);
    a->setVisible(!Options.liste[i].empty());
    a->setText(Utf8(Options.liste[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
}

void TFenetrePrincipale::AfficherPeriode(const QString& texte) {
  if (periodeAffichee_->text() != texte) periodeAffichee_->setText(texte);
  AfficherMessage(TexteHorloge());
}

void TFenetrePrincipale::DesactiverBoutons() {
  for (int i = 1; i <= 13; ++i)
    if (i != 3) Bouton(i)->setEnabled(false);
}

void TFenetrePrincipale::EffacerInvite() {
  setWindowTitle(QStringLiteral("Calevrin"));
  InviteDernierFichier = false;
}

void TFenetrePrincipale::AfficherMessage(const QString& texte) { message_->setText(texte); }
QString TFenetrePrincipale::TextePeriode() const { return periodeAffichee_->text(); }
QString TFenetrePrincipale::TexteMessage() const { return message_->text(); }

void TFenetrePrincipale::AfficherHint(const QString& hint) {
  AfficherMessage(hint.isEmpty() ? TexteHorloge() : "  [ " + hint + " ]");
}

void TFenetrePrincipale::OnTimer() {
  if (HorlogeActive) AfficherMessage(TexteHorloge());
}

bool TFenetrePrincipale::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    AfficherHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TFenetrePrincipale::MenuOuvrirFichier() {
  EffacerInvite();
  // The folder of the last class opened; the program's own folder means nothing to a user here.
  QString dossier = QDir::homePath();
  if (!Options.liste[1].empty()) dossier = QFileInfo(Utf8(Options.liste[1])).absolutePath();
  const QString nom = pf::DemanderFichierOuverture(this, dossier, QStringLiteral("Fichier classe v3 (*.cl3)"));
  if (nom.isEmpty()) return;
  OuvrirFichier(CouperUtf8(nom.toStdString(), 255));
}

void TFenetrePrincipale::MenuFichier(int i) {
  const std::string nom = Options.liste[static_cast<std::size_t>(i)];
  if (!nom.empty()) OuvrirFichier(nom);
}

void TFenetrePrincipale::FusionnerMenus(pf::TFenetreEnfant* enfant) {
  if (menusFusionnes_ == enfant) return;
  if (menusFusionnes_)
    for (QMenu* m : menusFusionnes_->MenusFusionnes()) menuBar()->removeAction(m->menuAction());
  menusFusionnes_ = enfant;
  if (!enfant) return;
  for (QMenu* m : enfant->MenusFusionnes()) menuBar()->insertMenu(menuFenetre_->menuAction(), m);
}

// From the last window to the first; the first refusal stops, the others stay open.
bool TFenetrePrincipale::MenuFermerTous() {
  const QList<QMdiSubWindow*> l = zone_->subWindowList();
  for (auto it = l.rbegin(); it != l.rend(); ++it) {
    pf::TFenetreEnfant* e = Enfant(*it);
    if (e && !e->DemanderFermeture()) return false;
    if (!(*it)->close()) return false;
  }
  return true;
}

void TFenetrePrincipale::Mosaique(bool horizontale) { Mosaique(horizontale, zone_->subWindowList()); }

void TFenetrePrincipale::Mosaique(bool horizontale, const QList<QMdiSubWindow*>& fenetres) {
  mosaiqueHorizontale_ = horizontale;
  QList<QMdiSubWindow*> l;
  for (QMdiSubWindow* w : fenetres)
    if (!w->isMinimized()) l.push_back(w);
  if (l.isEmpty()) return;
  const QRect r = zone_->viewport()->rect();
  const int n = static_cast<int>(l.size());
  for (int i = 0; i < n; ++i) {
    l[i]->showNormal();
    if (horizontale)
      l[i]->setGeometry(0, r.height() * i / n, r.width(), r.height() * (i + 1) / n - r.height() * i / n);
    else
      l[i]->setGeometry(r.width() * i / n, 0, r.width() * (i + 1) / n - r.width() * i / n, r.height());
  }
}

// Qt's own cascade shrinks every window to a few rows; a sheet must stay readable.
void TFenetrePrincipale::Cascade() {
  QList<QMdiSubWindow*> l;
  for (QMdiSubWindow* w : zone_->subWindowList())
    if (!w->isMinimized()) l.push_back(w);
  if (l.isEmpty()) return;
  const QRect r = zone_->viewport()->rect();
  const int pas = l.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, l.first()) + 4;
  const int n = static_cast<int>(l.size());
  // Two thirds of the area at least, the rest shared by the offsets.
  const int largeur = std::max(r.width() * 2 / 3, r.width() - pas * (n - 1));
  const int hauteur = std::max(r.height() * 2 / 3, r.height() - pas * (n - 1));
  const int decalageX = n > 1 ? std::min(pas, (r.width() - largeur) / (n - 1)) : 0;
  const int decalageY = n > 1 ? std::min(pas, (r.height() - hauteur) / (n - 1)) : 0;
  for (int i = 0; i < n; ++i) {
    l[i]->showNormal();
    l[i]->setGeometry(decalageX * i, decalageY * i, largeur, hauteur);
    l[i]->raise();
  }
}

void TFenetrePrincipale::ArrangerIcones() {
  int x = 0;
  const int bas = zone_->viewport()->height();
  for (QMdiSubWindow* w : zone_->subWindowList()) {
    if (!w->isMinimized()) continue;
    w->move(x, bas - w->height());
    x += w->width();
  }
}

void TFenetrePrincipale::OuvrirSiteWeb(const char* adresse) {
  if (!pf::OuvrirAdresse(QString::fromLatin1(adresse)))
    pf::BoiteMessage(QStringLiteral("Explorateur non trouvé"), pf::TGenreMessage::Erreur);
}

void TFenetrePrincipale::closeEvent(QCloseEvent* event) {
  if (!MenuFermerTous()) {
    event->ignore();
    return;
  }
  EnregistrerOptions(Options, configuration_, pf::SeparateurDecimal());
  event->accept();
}

}  // namespace calevrin
