// The main window's own menus: files, windows, tools. The active sheet's menus are merged
// between "Fichier" and "Fenêtre".
#include <QMdiSubWindow>
#include <QMenuBar>

#include "app/adresses.h"
#include "app/apropos.h"
#include "app/fenetreprincipale.h"
#include "app/nouvelleclasse.h"
#include "platform/aide.h"
#include "platform/messages.h"
#include "platform/programmes.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;
using A = pf::TAction;
using C = pf::TCommandeCadre;

void TFenetrePrincipale::CreerMenus() {
  CreerMenuFichier();
  CreerMenuFenetre();
  CreerMenuOutils();
}

void TFenetrePrincipale::CreerMenuFichier() {
  QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
  fichier->menuAction()->setStatusTip(QStringLiteral("Gérer les fichiers"));
  connect(fichier, &QMenu::aboutToShow, this, &TFenetrePrincipale::MajMenuFichier);
  actions_.Ajouter(fichier, A::NouvelleClasse, this, [this] {
    EffacerInvite();
    if (auto document = CreerNouvelleClasse(this, Options)) OuvrirDocument(std::move(document));
  });
  actions_.Ajouter(fichier, A::Ouvrir, this, [this] { MenuOuvrirFichier(); });
  actions_.Ajouter(fichier, A::Sauver, this, [this] { Commande(C::Sauver); });
  actions_.Ajouter(fichier, A::SauverSous, this, [this] { Commande(C::SauverSous); });
  actions_.Ajouter(fichier, A::SauverTous, this, [this] {
    for (pf::TFenetreEnfant* e : Enfants())
      if (e->Disponible(C::SauverSous)) e->Executer(C::Sauver);
  });
  actions_.Ajouter(fichier, A::Fermer, this, [this] {
    if (QMdiSubWindow* w = zone_->currentSubWindow()) w->close();
  });
  actions_.Ajouter(fichier, A::FermerTous, this, [this] { MenuFermerTous(); });
  actions_.Ajouter(fichier, A::Effacer, this, [this] { Commande(C::Effacer); });
  fichier->addSeparator();
  actions_.Ajouter(fichier, A::Imprimer, this, [this] { Commande(C::Imprimer); });
  actions_.Ajouter(fichier, A::ConfigurerImprimante, this, [this] { Commande(C::ConfigurerImprimante); });
  actions_.Ajouter(fichier, A::Apercu, this, [this] { Commande(C::Apercu); });
  fichier->addSeparator();
  actions_.Ajouter(fichier, A::FichesEleves, this, [this] {
    if (auto* feuille = dynamic_cast<TFenetreFeuille*>(EnfantActif())) feuille->FichesEleves();
  });
  actions_.Ajouter(fichier, A::ExporterClasseur, this, [this] { MenuExporterClasseur(); });
  fichier->addSeparator();
  actions_.Ajouter(fichier, A::Quitter, this, [this] { close(); });
  fichier->addSeparator();
  for (int i = 1; i <= 3; ++i) {
    actions_.Ajouter(fichier, Recents[i - 1], this, [this, i] {
      EffacerInvite();
      MenuFichier(i);
    });
  }
}

void TFenetrePrincipale::CreerMenuFenetre() {
  // "n" is the sheet's "Note": the merged bar gives each menu its own letter.
  menuFenetre_ = menuBar()->addMenu(QStringLiteral("Fenê&tre"));
  menuFenetre_->menuAction()->setStatusTip(QStringLiteral("Gérer les fenêtres"));
  actions_.Ajouter(menuFenetre_, A::MosaiqueHorizontale, this, [this] { Mosaique(true); });
  actions_.Ajouter(menuFenetre_, A::MosaiqueVerticale, this, [this] { Mosaique(false); });
  actions_.Ajouter(menuFenetre_, A::Cascade, this, [this] { Cascade(); });
  actions_.Ajouter(menuFenetre_, A::ArrangerIcones, this, [this] { ArrangerIcones(); });
  actions_.Ajouter(menuFenetre_, A::ReduireToutes, this, [this] {
    const QList<QMdiSubWindow*> l = zone_->subWindowList();
    for (auto it = l.rbegin(); it != l.rend(); ++it) (*it)->showMinimized();
  });
  connect(menuFenetre_, &QMenu::aboutToShow, this, &TFenetrePrincipale::ListerFenetres);
}

// The window list follows the five items, rebuilt each time the menu opens.
void TFenetrePrincipale::ListerFenetres() {
  const QList<QAction*> actions = menuFenetre_->actions();
  for (int i = 5; i < actions.size(); ++i) {
    menuFenetre_->removeAction(actions[i]);
    actions[i]->deleteLater();
  }
  const QList<QMdiSubWindow*> l = zone_->subWindowList();
  if (!l.isEmpty()) menuFenetre_->addSeparator();
  int i = 0;
  for (QMdiSubWindow* w : l) {
    // A "&" of the title is shown, not taken as the item's letter.
    QString titre = w->windowTitle();
    titre.replace(QStringLiteral("[*]"), w->isWindowModified() ? QStringLiteral("*") : QString());
    titre.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = menuFenetre_->addAction(QStringLiteral("&%1 %2").arg(++i).arg(titre));
    a->setCheckable(true);
    a->setChecked(w == zone_->currentSubWindow());
    a->setStatusTip(w->widget() ? w->widget()->windowFilePath() : QString());
    connect(a, &QAction::triggered, this, [this, w] {
      if (w->isMinimized()) w->showNormal();
      zone_->setActiveSubWindow(w);
    });
  }
}

void TFenetrePrincipale::CreerMenuOutils() {
  QMenu* outils = menuBar()->addMenu(QStringLiteral("&Outils"));
  outils->menuAction()->setStatusTip(QStringLiteral("Aide"));
  actions_.Ajouter(outils, A::Options, this, [this] { MenuOption(); });
  outils->addSeparator();
  actions_.Ajouter(outils, A::Aide, this, [] { pf::AfficherAide(QString()); });
  actions_.Ajouter(outils, A::APropos, this, [this] {
    TDialInformation boite(this);
    boite.exec();
  });
  QMenu* internet = outils->addMenu(QStringLiteral("&Internet"));
  actions_.Ajouter(internet, A::SiteSociete, this, [this] { OuvrirSiteWeb(SiteSociete); });
  actions_.Ajouter(internet, A::SiteLogiciel, this, [this] { OuvrirSiteWeb(SiteLogiciel); });
  internet->addSeparator();
  actions_.Ajouter(internet, A::ContacterSociete, this, [] { pf::OuvrirMessagerie(QString::fromLatin1(MailSociete)); });
  actions_.Ajouter(internet, A::ContacterAuteur, this, [] {
    pf::BoiteMessage(QStringLiteral("L'adresse électronique de l'auteur change environ une fois par an.\n"
                                    "Consultez la page de contact de son site pour la connaître :\n") +
                         QString::fromLatin1(PageContactAuteur),
                     pf::TGenreMessage::Information);
  });
}

}  // namespace calevrin
