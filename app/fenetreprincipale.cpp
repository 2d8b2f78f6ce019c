#include "app/fenetreprincipale.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "app/adresses.h"
#include "app/apropos.h"
#include "app/demarrage.h"
#include "app/options.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/alertes.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "platform/aide.h"
#include "platform/chemins.h"
#include "platform/dialogues.h"
#include "platform/menus.h"
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

TMDI::TMDI(const std::string& fichierConfiguration, QWidget* parent)
    : QMainWindow(parent),
      configuration_(fichierConfiguration.empty() ? pf::FichierConfiguration() : fichierConfiguration) {
  setWindowTitle(QStringLiteral("Calevrin"));
  setWindowIcon(QIcon(QStringLiteral(":/icones/calevrin.svg")));
  TexteHorloge = [] { return pf::DepuisCp1252(DateHeureTexte()); };
  zone_ = new TZoneClient(this);
  zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(zone_);
  connect(zone_, &QMdiArea::subWindowActivated, this, &TMDI::FeuilleActivee);
  connect(zone_, &TZoneClient::CliqueGauche, this, [this] {
    if (!InviteDernierFichier) return;
    EffacerInvite();
    MenuFichier(1);
  });
  CreerMenus();
  CreerBarreEtat();

  // 1. the internal clipboard starts empty
  PressePapInterne.Vider();
  // 2.
  AfficherMessage(" " + Utf8(Programme.TitreVersion));
  HorlogeActive = true;
  // 3.
  ChargerOptions(Options, configuration_, pf::SeparateurDecimal());
  AfficherFichiersRecents();
  // 5.
  LireMetriques();
  // 6.
  if (!Options.liste[1].empty()) {
    setWindowTitle(QStringLiteral("Cliquer dans la fenètre pour ouvrir le dernier fichier: ") +
                   Utf8(Options.liste[1]));
    InviteDernierFichier = true;
  }
  horloge_ = new QTimer(this);
  horloge_->setInterval(15000);
  connect(horloge_, &QTimer::timeout, this, &TMDI::OnTimer);
  horloge_->start();
  MajMenuFichier();
  MajMenuFenetre(1);
  resize(1100, 760);
}

TMDI::~TMDI() {
  // The child windows die after this object: their signals must not reach it any more.
  zone_->disconnect(this);
  for (QMdiSubWindow* w : zone_->subWindowList()) {
    w->disconnect(this);
    if (w->widget()) w->widget()->disconnect(this);
  }
}

QAction* TMDI::Action(const char* nom) const { return pf::TrouverAction(this, nom); }

void TMDI::CreerMenus() {
  const auto action = [this](QMenu* menu, const char* nom, const QString& titre, const QString& hint,
                             auto&& quoi) { return pf::AjouterAction(menu, nom, titre, hint, this, quoi); };
  QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
  fichier->menuAction()->setStatusTip(QStringLiteral("Gérer les fichiers"));
  connect(fichier, &QMenu::aboutToShow, this, &TMDI::MajMenuFichier);
  QAction* nouvelle = action(fichier, "M10", QStringLiteral("&Nouvelle classe..."),
                             QStringLiteral("Créer un nouveau fichier de type classe"), [] {});
  nouvelle->setEnabled(false);  // with the new-class dialog
  action(fichier, "M11", QStringLiteral("&Ouvrir..."), QStringLiteral("Ouvrir un fichier"),
         [this] { MenuOuvrirFichier(); });
  action(fichier, "M12", QStringLiteral("&Sauver"), QStringLiteral("Sauver le fichier"), [this] {
    if (TChild* f = FeuilleActive()) f->SauverAvecCopie();
  });
  action(fichier, "M13", QStringLiteral("S&auver sous..."), QStringLiteral("Renommer le fichier"), [this] {
    if (TChild* f = FeuilleActive()) f->SauverSous();
  });
  action(fichier, "M14", QStringLiteral("Sa&uver tous"), QStringLiteral("Sauver tous les fichiers"), [this] {
    for (TChild* f : Feuilles()) f->SauverAvecCopie();
  });
  action(fichier, "M15", QStringLiteral("&Fermer"), QStringLiteral("Fermer la fenètre active"), [this] {
    if (QMdiSubWindow* w = zone_->currentSubWindow()) w->close();
  });
  action(fichier, "M16", QStringLiteral("F&ermer tous"), QStringLiteral("Fermer toutes les fenètres"),
         [this] { MenuFermerTous(); });
  action(fichier, "M17", QStringLiteral("Effa&cer"), QStringLiteral("Effacer le fichier du disque"), [this] {
    if (TChild* f = FeuilleActive()) f->EffacerFichier();
  });
  fichier->addSeparator();
  action(fichier, "M18", QStringLiteral("&Imprimer..."), QStringLiteral("Imprimer le fichier"), [this] {
    if (TChild* f = FeuilleActive()) f->Imprimer(false);
  });
  action(fichier, "M19", QStringLiteral("C&onfigurer l'imprimante..."), QStringLiteral("Configurer l'imprimante"),
         [this] {
           if (TChild* f = FeuilleActive()) f->ConfigurerImprimante();
         });
  action(fichier, "M21", QStringLiteral("&Aperçu avant impression"), QString(), [this] {
    if (TChild* f = FeuilleActive()) {
      f->EntrerApercu();
      AppliquerApercu(f);
    }
  });
  fichier->addSeparator();
  action(fichier, "M20", QStringLiteral("&Quitter"), QStringLiteral("Quitter le programme"), [this] { close(); });
  fichier->addSeparator();
  for (int i = 1; i <= 3; ++i) {
    const std::string nom = "MenuF" + std::to_string(i);
    recents_[static_cast<std::size_t>(i - 1)] = action(fichier, nom.c_str(), QStringLiteral("Fichier %1").arg(i),
                                                        QStringLiteral("Ouvrir ce fichier"), [this, i] {
                                                          EffacerInvite();
                                                          MenuFichier(i);
                                                        });
  }

  menuFenetre_ = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
  menuFenetre_->menuAction()->setStatusTip(QStringLiteral("Gérer les fenètres"));
  action(menuFenetre_, "MMosaiqueH", QStringLiteral("Mosaïque &horizontale"),
         QStringLiteral("Placer les fenètres horizontalement"), [this] { Mosaique(true); });
  action(menuFenetre_, "MMosaiqueV", QStringLiteral("Mosaïque &verticale"),
         QStringLiteral("Placer les fenètres verticalement"), [this] { Mosaique(false); });
  action(menuFenetre_, "MCascade", QStringLiteral("&Cascade"), QStringLiteral("Placer les fenètres en cascade"),
         [this] { zone_->cascadeSubWindows(); });
  action(menuFenetre_, "MIcone", QStringLiteral("&Arranger les icones"), QStringLiteral("Aligner les icones"),
         [this] { ArrangerIcones(); });
  action(menuFenetre_, "MReduire", QStringLiteral("&Réduire toutes"),
         QStringLiteral("Réduires toutes les fenètres en icone"), [this] {
           const QList<QMdiSubWindow*> l = zone_->subWindowList();
           for (auto it = l.rbegin(); it != l.rend(); ++it) (*it)->showMinimized();
         });
  // The window list follows the five items, rebuilt each time the menu opens.
  connect(menuFenetre_, &QMenu::aboutToShow, this, [this] {
    const QList<QAction*> actions = menuFenetre_->actions();
    for (int i = 5; i < actions.size(); ++i) {
      menuFenetre_->removeAction(actions[i]);
      actions[i]->deleteLater();
    }
    const QList<QMdiSubWindow*> l = zone_->subWindowList();
    if (!l.isEmpty()) menuFenetre_->addSeparator();
    int i = 0;
    for (QMdiSubWindow* w : l) {
      QAction* a = menuFenetre_->addAction(QStringLiteral("&%1 %2").arg(++i).arg(w->windowTitle()));
      a->setCheckable(true);
      a->setChecked(w == zone_->currentSubWindow());
      connect(a, &QAction::triggered, this, [this, w] { zone_->setActiveSubWindow(w); });
    }
  });

  QMenu* outils = menuBar()->addMenu(QStringLiteral("&Outils"));
  outils->menuAction()->setStatusTip(QStringLiteral("Aide"));
  action(outils, "Options1", QStringLiteral("&Options..."), QStringLiteral("Configuration du logiciel"), [] {})
      ->setEnabled(false);  // with the options dialog
  outils->addSeparator();
  action(outils, "Aide2", QStringLiteral("&Aide"), QStringLiteral("Aide"), [] { pf::AfficherAide(QString()); });
  action(outils, "Aproposde1", QStringLiteral("A propos de..."), QStringLiteral("A propos de ce logiciel"), [this] {
    TDlgInfo boite(this);
    boite.exec();
  });
  QMenu* internet = outils->addMenu(QStringLiteral("&Internet"));
  action(internet, "Int3", QStringLiteral("Aller au site Kestrova"), QString(), [this] { OuvrirSiteWeb(SiteSociete); });
  action(internet, "Int4", QStringLiteral("Aller au site officiel"), QString(),
         [this] { OuvrirSiteWeb(SiteLogiciel); });
  internet->addSeparator();
  action(internet, "Int1", QStringLiteral("Contacter Kestrova"), QString(), [] {
    pf::OuvrirMessagerie(QString::fromLatin1(MailSociete));
  });
  action(internet, "Int2", QStringLiteral("Contacter l'auteur"), QString(), [] {
    pf::BoiteMessage(QStringLiteral("L'adresse électronique de l'auteur change environ une fois par an.\n"
                                    "Consultez la page de contact de son site pour la connaître :\n") +
                         QString::fromLatin1(PageContactAuteur),
                     pf::TGenreMessage::Information);
  });
}

void TMDI::CreerBarreEtat() {
  QStatusBar* barre = statusBar();
  barre->setSizeGripEnabled(false);
  barre->setFixedHeight(25);
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(13);
  barre->setFont(courier);
  v1_ = new QWidget(barre);
  auto* rangee = new QHBoxLayout(v1_);
  rangee->setContentsMargins(1, 0, 1, 0);
  rangee->setSpacing(0);
  struct TBouton {
    const char* icone;
    const char* hint;
  } const boutons[13] = {
      {"sauver", "Sauver le fichier"},
      {"imprimer", "Imprimer"},
      {"fermer", "Fermer la fenètre active"},
      {"devoir", "Ajouter un nouveau devoir"},
      {"graphiques", "Ouvrir les 3 types de graphiques"},
      {"suivante", "Visualiser la fenètre suivante"},
      {"apercu", "Mode Tableau ou Aperçu avant impression"},
      {"matiere", "Changer de matière"},
      {"periode", "Changer de trimestre"},
      {"defilementh", "Défilement Horizontal Rapide"},
      {"defilementv", "Défilement Vertical Rapide"},
      {nullptr, "Z+"},
      {nullptr, "Z-"},
  };
  for (std::size_t i = 0; i < 13; ++i) {
    auto* b = new QToolButton(v1_);
    b->setObjectName(QStringLiteral("SB%1").arg(i + 1));
    b->setAutoRaise(true);
    b->setFixedSize(24, 24);
    b->setIconSize(QSize(18, 18));
    if (boutons[i].icone) {
      b->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(QString::fromLatin1(boutons[i].icone))));
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
  v1_->setFixedWidth(209);
  v2_ = new QLabel(barre);
  v2_->setFixedWidth(56);
  v2_->setFrameShape(QFrame::Panel);
  v2_->setFrameShadow(QFrame::Sunken);
  v3_ = new QLabel(barre);
  v3_->setFrameShape(QFrame::Panel);
  v3_->setFrameShadow(QFrame::Sunken);
  barre->addWidget(v1_);
  barre->addWidget(v2_);
  barre->addWidget(v3_, 1);

  const auto feuille = [this](auto&& quoi, int bouton) {
    connect(sb_[static_cast<std::size_t>(bouton - 1)], &QToolButton::clicked, this, [this, quoi, bouton] {
      if (TChild* f = FeuilleActive())
        quoi(f);
      else
        sb_[static_cast<std::size_t>(bouton - 1)]->setEnabled(false);
    });
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
  feuille([this](TChild* f) { f->SauverAvecCopie(); }, 1);
  feuille([](TChild* f) { f->Action("M30")->trigger(); }, 4);
  feuille([](TChild* f) { f->Imprimer(true); }, 2);
  feuille([this](TChild* f) {
    f->BasculerApercu();
    AppliquerApercu(f);
  }, 7);
  feuille([](TChild* f) { f->MatiereSuivante(); }, 8);
  feuille([](TChild* f) { f->PeriodeSuivante(); }, 9);
  feuille([](TChild* f) { f->DefilementRapide(true); }, 10);
  feuille([](TChild* f) { f->DefilementRapide(false); }, 11);
  connect(sb_[11], &QToolButton::clicked, this, [this] { Zoom(true); });
  connect(sb_[12], &QToolButton::clicked, this, [this] { Zoom(false); });
}

TChild* TMDI::FeuilleActive() const {
  QMdiSubWindow* w = zone_->currentSubWindow();
  return w ? qobject_cast<TChild*>(w->widget()) : nullptr;
}

QList<TChild*> TMDI::Feuilles() const {
  QList<TChild*> r;
  for (QMdiSubWindow* w : zone_->subWindowList())
    if (auto* f = qobject_cast<TChild*>(w->widget())) r.push_back(f);
  return r;
}

bool TMDI::OuvrirFichier(const std::string& chemin) {
  TChild* feuille = nullptr;
  try {
    feuille = new TChild(chemin);
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(QString::fromUtf8(e.what()), pf::TGenreMessage::Erreur);
    return false;
  }
  QMdiSubWindow* fenetre = zone_->addSubWindow(feuille);
  fenetre->setAttribute(Qt::WA_DeleteOnClose);
  connect(feuille, &TChild::EtatChange, this, [this, feuille] {
    if (feuille == FeuilleActive()) FeuilleActivee(zone_->currentSubWindow());
  });
  connect(feuille, &TChild::Message, this, [this](const QString& texte, bool horloge) {
    HorlogeActive = horloge;
    AfficherMessage(horloge ? TexteHorloge() : texte);
  });
  connect(feuille, &TChild::Modification, this, &TMDI::MajMenuFichier);
  connect(feuille, &TChild::FichierRecent, this, &TMDI::AjouterFichierRecent);
  connect(feuille, &TChild::FermetureDecidee, this, [this](bool acceptee) { FermetureAcceptee = acceptee; });
  connect(fenetre, &QObject::destroyed, this, [this] {
    DesactiverBoutons();
    AfficherPeriode(nullptr, 0);
    MajMenuFenetre(1);
    MajMenuFichier();
  });
  fenetre->resize(zone_->size() * 0.9);
  fenetre->showMaximized();
  AjouterFichierRecent(chemin);
  MajMenuFenetre(0);
  FeuilleActivee(fenetre);
  return true;
}

void TMDI::FeuilleActivee(QMdiSubWindow* fenetre) {
  TChild* f = fenetre ? qobject_cast<TChild*>(fenetre->widget()) : nullptr;
  FusionnerMenus(f);
  MajMenuFichier();
  if (!f) {
    for (int i : {4, 5, 7, 8, 9}) Bouton(i)->setEnabled(false);
    AppliquerApercu(nullptr);
    return;
  }
  Bouton(4)->setEnabled(f->Action("M30")->isEnabled());
  Bouton(5)->setEnabled(f->Action("M46")->isEnabled());
  Bouton(6)->setEnabled(zone_->subWindowList().size() != 1);
  Bouton(8)->setEnabled(true);
  Bouton(9)->setEnabled(true);
  Bouton(7)->setEnabled(true);
  AppliquerApercu(f);
  const TClasse& c = f->Classe();
  AfficherPeriode(&c, c.PeriodeCourante());
}

void TMDI::AppliquerApercu(TChild* f) {
  const bool apercu = f && f->Etat().ModeApercu;
  v1_->setFixedWidth(apercu ? 301 : 209);
  for (int i = 10; i <= 13; ++i) {
    Bouton(i)->setVisible(apercu);
    Bouton(i)->setEnabled(apercu);
  }
}

void TMDI::MajMenuFichier() {
  const QList<TChild*> feuilles = Feuilles();
  const int n = static_cast<int>(feuilles.size());
  const bool s = n > 0 && FeuilleActive() != nullptr;
  TChild* active = FeuilleActive();
  Action("M12")->setEnabled(s && active->Modifie);
  Action("M13")->setEnabled(s);
  Action("M14")->setEnabled(s && n > 1);
  Action("M15")->setEnabled(s);
  Action("M16")->setEnabled(Action("M14")->isEnabled());
  // Deleting a class that was never saved would delete whatever file has its default name.
  Action("M17")->setEnabled(s && !active->JamaisSauve);
  Action("M18")->setEnabled(s);
  Action("M19")->setEnabled(s);
  Action("M21")->setEnabled(s);
  Bouton(1)->setEnabled(Action("M12")->isEnabled());
  Bouton(2)->setEnabled(n > 0);
  Bouton(3)->setEnabled(true);  // closes the window, or the program when none is open
  Bouton(7)->setEnabled(s);
}

void TMDI::MajMenuFenetre(int k) {
  const bool actif = k == 0 || zone_->subWindowList().size() > k;
  for (const char* nom : {"MMosaiqueH", "MMosaiqueV", "MCascade", "MIcone", "MReduire"})
    Action(nom)->setEnabled(actif);
}

void TMDI::AjouterFichierRecent(const std::string& nom) {
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

void TMDI::AfficherFichiersRecents() {
  for (std::size_t i = 1; i <= 3; ++i) {
    QAction* a = recents_[i - 1];
    a->setVisible(!Options.liste[i].empty());
    a->setText(Utf8(Options.liste[i]));
  }
}

void TMDI::AfficherPeriode(const TClasse* c, int code) {
  QString texte;
  if (c) {
    if (code >= 1 && code <= 3)
      texte = pf::DepuisCp1252(NomCourtPeriode(c->NbPeriodes())) + QString::number(code);
    else if (code == 4)
      texte = QStringLiteral("Bilan");
    else if (code == 5)
      texte = QStringLiteral("Année");
  }
  if (v2_->text() != texte) v2_->setText(texte);
  AfficherMessage(TexteHorloge());
}

void TMDI::DesactiverBoutons() {
  for (int i = 1; i <= 13; ++i)
    if (i != 3) Bouton(i)->setEnabled(false);
}

void TMDI::EffacerInvite() {
  setWindowTitle(QStringLiteral("Calevrin"));
  InviteDernierFichier = false;
}

void TMDI::AfficherMessage(const QString& texte) { v3_->setText(texte); }
QString TMDI::TextePeriode() const { return v2_->text(); }
QString TMDI::TexteMessage() const { return v3_->text(); }

void TMDI::AfficherHint(const QString& hint) {
  AfficherMessage(hint.isEmpty() ? TexteHorloge() : "  [ " + hint + " ]");
}

void TMDI::OnTimer() {
  if (HorlogeActive) AfficherMessage(TexteHorloge());
}

bool TMDI::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    AfficherHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TMDI::MenuOuvrirFichier() {
  EffacerInvite();
  // The folder of the last class opened; the program's own folder means nothing to a user here.
  QString dossier = QDir::homePath();
  if (!Options.liste[1].empty()) dossier = QFileInfo(Utf8(Options.liste[1])).absolutePath();
  const QString nom = pf::DemanderFichierOuverture(this, dossier, QStringLiteral("Fichier classe v3 (*.cl3)"));
  if (nom.isEmpty()) return;
  OuvrirFichier(CouperUtf8(nom.toStdString(), 255));
}

void TMDI::MenuFichier(int i) {
  const std::string nom = Options.liste[static_cast<std::size_t>(i)];
  if (!nom.empty()) OuvrirFichier(nom);
}

void TMDI::FusionnerMenus(TChild* feuille) {
  if (menusFusionnes_ == feuille) return;
  if (menusFusionnes_)
    for (QMenu* m : menusFusionnes_->Menus()) menuBar()->removeAction(m->menuAction());
  menusFusionnes_ = feuille;
  if (!feuille) return;
  connect(feuille, &QObject::destroyed, this, [this, feuille] {
    if (menusFusionnes_ == feuille) menusFusionnes_ = nullptr;
  }, Qt::UniqueConnection);
  for (QMenu* m : feuille->Menus()) menuBar()->insertMenu(menuFenetre_->menuAction(), m);
}

void TMDI::MenuFermerTous() {
  const QList<QMdiSubWindow*> l = zone_->subWindowList();
  for (auto it = l.rbegin(); it != l.rend(); ++it) {
    if (!qobject_cast<TChild*>((*it)->widget())) continue;
    FermetureAcceptee = true;
    if (!(*it)->close() || !FermetureAcceptee) {
      FermetureAcceptee = false;
      return;
    }
  }
}

void TMDI::Mosaique(bool horizontale) {
  mosaiqueHorizontale_ = horizontale;
  QList<QMdiSubWindow*> l;
  for (QMdiSubWindow* w : zone_->subWindowList())
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

void TMDI::ArrangerIcones() {
  int x = 0;
  const int bas = zone_->viewport()->height();
  for (QMdiSubWindow* w : zone_->subWindowList()) {
    if (!w->isMinimized()) continue;
    w->move(x, bas - w->height());
    x += w->width();
  }
}

void TMDI::Zoom(bool plus) {
  TChild* f = FeuilleActive();
  if (!f) return;
  f->horizontalScrollBar()->setValue(0);
  f->verticalScrollBar()->setValue(0);
  double& z = f->Etat().ZoomApercu;
  if ((plus && z >= 4.0) || (!plus && z <= 0.1)) {
    Bip();
    return;
  }
  z = plus ? z * 2 : z / 2;
  f->Rafraichir();
}

void TMDI::OuvrirSiteWeb(const char* adresse) {
  if (!pf::OuvrirAdresse(QString::fromLatin1(adresse)))
    pf::BoiteMessage(QStringLiteral("Explorateur non trouvé"), pf::TGenreMessage::Erreur);
}

void TMDI::closeEvent(QCloseEvent* event) {
  FermetureAcceptee = true;
  MenuFermerTous();
  if (!FermetureAcceptee) {
    event->ignore();
    return;
  }
  EnregistrerOptions(Options, configuration_, pf::SeparateurDecimal());
  event->accept();
}

}  // namespace calevrin
