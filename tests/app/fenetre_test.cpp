#include <QShortcut>
#include <QShortcutEvent>
#include <filesystem>
#include <functional>
#include <map>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "controls/couleurs.h"
#include "dialogs/choixoptions.h"
#include "dialogs/fiches.h"
#include "document/documentclasse.h"
#include "model/alertes.h"
#include "model/options.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
#include "platform/profil.h"
#include "print/metriques.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/classeur/lectureclasseur.h"
#include "tests/common/exemple.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

TFenetreFeuille* Feuille(const TFenetrePrincipale& f) { return dynamic_cast<TFenetreFeuille*>(f.EnfantActif()); }

QStringList Menus(const TFenetrePrincipale& f) {
  QStringList l;
  for (QAction* a : f.menuBar()->actions()) l.push_back(a->text());
  return l;
}

class FenetreTest : public test::Enregistreur {
 protected:
  void SetUp() override { FixerValeursProgramme(); }
  test::TRepertoireTemp dir_;
};

}  // namespace

TEST_F(FenetreTest, FichiersRecentsEtInvitation) {
  {
    TFenetrePrincipale f(dir_ / "calevrin.ini");
    EXPECT_EQ(f.windowTitle(), "Calevrin");  // no recent file, no invitation
    EXPECT_FALSE(f.InviteDernierFichier || f.Action(pf::TAction::Recent1)->isVisible());
    // A file already listed third swaps with the first; a new one drops the third; case counts.
    const char* const cas[][2] = {{"A", "A  "}, {"B", "BA "}, {"C", "CBA"}, {"A", "ABC"},
                                  {"A", "ABC"}, {"D", "DAB"}, {"d", "dDA"}};
    for (const auto& [ajout, liste] : cas) {
      f.AjouterFichierRecent(std::string("/a/") + ajout + ".cl3");
      std::string vue;
      for (int i = 1; i <= 3; ++i) vue += Options.liste[i].empty() ? ' ' : Options.liste[i][3];
      EXPECT_EQ(vue, liste) << ajout;
    }
    EXPECT_TRUE(f.Action(pf::TAction::Recent3)->isVisible() && f.Action(pf::TAction::Recent1)->text() == "/a/d.cl3");
    f.close();  // writes the configuration with the list
  }
  TFenetrePrincipale g(dir_ / "calevrin.ini");
  EXPECT_TRUE(g.InviteDernierFichier);
  EXPECT_EQ(g.windowTitle(), "Cliquer dans la fenêtre pour ouvrir le dernier fichier: /a/d.cl3");
  g.EffacerInvite();
  EXPECT_EQ(g.windowTitle(), "Calevrin");  // the invitation goes at the first click
}

TEST_F(FenetreTest, BoutonsEtMenusSuiventLesFeuilles) {
  // The print server is asked only when a page is wanted, never on the way to the first sheet.
  int relevesImprimante = 0;
  const test::TRemplacement imprimante(RemplacerSourceMetriques,
                                       {[&] {
                                          ++relevesImprimante;
                                          return pf::TReleveImprimante{1, 600, 4960, 7016, 600};
                                        },
                                        {}});
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  f.TexteHorloge = [] { return QStringLiteral(" horloge"); };
  // The icons are drawn at build time: a step lost there would leave blank buttons.
  const auto dessinee = [](const QIcon& icone, int taille) {
    const QImage image = icone.pixmap(taille).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) == 255) return image.width() == taille;
    return false;
  };
  EXPECT_TRUE(dessinee(f.windowIcon(), 32) && dessinee(f.windowIcon(), 64));
  for (int i = 1; i <= 11; ++i) EXPECT_TRUE(dessinee(f.Bouton(i)->icon(), 18)) << i;
  EXPECT_TRUE(f.Bouton(3)->isEnabled());
  for (int i : {1, 2, 4, 7, 8, 9}) EXPECT_FALSE(f.Bouton(i)->isEnabled()) << i;
  EXPECT_FALSE(f.Action(pf::TAction::Fermer)->isEnabled() || f.Action(pf::TAction::Cascade)->isEnabled());

  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  EXPECT_TRUE(f.Action(pf::TAction::Fermer)->isEnabled() && f.Action(pf::TAction::Cascade)->isEnabled());
  EXPECT_FALSE(f.Action(pf::TAction::FermerTous)->isEnabled());  // a single sheet
  for (int i : {7, 8, 9}) EXPECT_TRUE(f.Bouton(i)->isEnabled()) << i;
  EXPECT_EQ(f.TexteMessage(), QString::fromStdString(" " + Exemple));  // the full path, the title has the name
  EXPECT_EQ(Options.liste[1], Exemple);

  for (const char* periode : {"Trim.2", "Trim.3", "Bilan"}) {
    f.Bouton(9)->click();
    EXPECT_EQ(f.TextePeriode(), periode);
  }
  f.Bouton(8)->click();
  EXPECT_EQ(Feuille(f)->Classe().MatiereCourante(), 2);

  f.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(relevesImprimante, 0);
  f.Bouton(7)->click();  // preview shows the zoom buttons; the largest zoom beeps
  ASSERT_TRUE(Feuille(f)->Etat().ModeApercu);
  EXPECT_EQ(relevesImprimante, 1);
  EXPECT_EQ(Feuille(f)->MesuresPage().LargeurPhysique, 4960);
  int bips = 0;
  const test::TRemplacement alertes(RemplacerAlertes, {{}, [&] { ++bips; }});
  Feuille(f)->Etat().ZoomApercu = 4.0;
  f.Bouton(12)->click();
  EXPECT_TRUE(bips == 1 && Feuille(f)->Etat().ZoomApercu == 4.0);
  f.Bouton(13)->click();
  EXPECT_EQ(Feuille(f)->Etat().ZoomApercu, 2.0);

  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  EXPECT_TRUE(f.Action(pf::TAction::FermerTous)->isEnabled());
  EXPECT_FALSE(f.OuvrirFichier(dir_ / "absent.cl3"));
  EXPECT_EQ(boites_, std::vector{QString::fromStdString("Impossible d'ouvrir le fichier " + (dir_ / "absent.cl3"))});
  f.Zone()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.Enfants().isEmpty() && !f.Bouton(8)->isEnabled());
}

// Every item found by its name must be the one meant: the frame once mistook the sheet's
// sort for its own preview item.
TEST_F(FenetreTest, NomsUniquesRaccourcisEtFenetres) {
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  f.resize(1200, 800);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  QStringList noms;  // the frame's menus and the sheet's merged among them
  QList<QAction*> actions = Feuille(f)->MenuContextuel()->actions();
  for (QAction* a : f.menuBar()->actions())
    if (a->menu()) actions += a->menu()->findChildren<QAction*>();
  for (QAction* b : actions)
    if (!b->objectName().isEmpty()) noms.push_back(b->objectName());
  EXPECT_EQ(noms.size(), QSet<QString>(noms.begin(), noms.end()).size()) << noms.join(' ').toStdString();
  EXPECT_TRUE(f.Action(pf::TAction::Apercu)->isEnabled() &&
              f.Action(pf::TAction::Apercu)->text() == "&Aperçu avant impression");

  // Cascade keeps each sheet readable: two thirds of the area at least.
  f.Action(pf::TAction::Cascade)->trigger();
  const QSize zone = f.Zone()->viewport()->size();
  for (QMdiSubWindow* w : f.Zone()->subWindowList()) {
    EXPECT_TRUE(w->width() >= zone.width() * 2 / 3 && w->height() >= zone.height() * 2 / 3);
    EXPECT_LE(w->geometry().right(), zone.width());
  }

  // A minimised sheet chosen in the window list comes back.
  QMdiSubWindow* premiere = f.Zone()->subWindowList().first();
  premiere->showMinimized();
  f.Zone()->subWindowList().last()->setWindowTitle(QStringLiteral("Bilan complet classe & élève"));
  QMenu* fenetre = f.menuBar()->actions().at(Menus(f).indexOf(QStringLiteral("Fenê&tre")))->menu();
  emit fenetre->aboutToShow();
  QAction* choix = nullptr;
  for (QAction* a : fenetre->actions())
    if (a->text().startsWith(QStringLiteral("&1 "))) choix = a;
  ASSERT_NE(choix, nullptr);
  EXPECT_EQ(choix->text(), "&1 4eB.cl3");
  EXPECT_TRUE(fenetre->actions().last()->text().endsWith(QStringLiteral(" Bilan complet classe && élève")));
  choix->trigger();
  EXPECT_TRUE(!premiere->isMinimized() && f.Zone()->currentSubWindow() == premiere);
}

namespace {

// A child that is not a grade sheet: the frame must serve it through the interface alone.
class TEnfantTemoin : public QWidget, public plateforme::TFenetreEnfant {
 public:
  TEnfantTemoin() : menu_(new QMenu(QStringLiteral("&Témoin"), this)) {}
  plateforme::TSignauxEnfant& Signaux() override { return signaux_; }
  QList<QMenu*> MenusFusionnes() const override { return {menu_}; }
  bool Disponible(plateforme::TCommandeCadre c) const override { return c == plateforme::TCommandeCadre::Imprimer; }
  void Executer(plateforme::TCommandeCadre c) override { executees.push_back(c); }
  bool Modifie() const override { return false; }
  bool EnApercu() const override { return false; }
  QString TextePeriode() const override { return QStringLiteral("Sem.2"); }
  QString Chemin() const override { return {}; }
  bool DemanderFermeture() override { return ++demandes > 1; }  // refuses the first time

  std::vector<plateforme::TCommandeCadre> executees;
  int demandes = 0;

 private:
  plateforme::TSignauxEnfant signaux_;
  QMenu* menu_;
};

}  // namespace

TEST_F(FenetreTest, UnEnfantQuelconqueParLInterface) {
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  auto* temoin = new TEnfantTemoin;
  f.AjouterEnfant(temoin);
  EXPECT_TRUE(Menus(f).contains(QStringLiteral("&Témoin")) && f.TextePeriode() == "Sem.2");
  EXPECT_TRUE(f.Action(pf::TAction::Imprimer)->isEnabled());  // print: available; save: not
  EXPECT_FALSE(f.Action(pf::TAction::Sauver)->isEnabled() || f.Bouton(8)->isEnabled());
  EXPECT_FALSE(f.Action(pf::TAction::ExporterClasseur)->isEnabled());  // a workbook is made of a class only
  f.Action(pf::TAction::Imprimer)->trigger();
  f.Action(pf::TAction::Sauver)->trigger();  // disabled items are not run, even when triggered
  EXPECT_EQ(temoin->executees, std::vector<plateforme::TCommandeCadre>{plateforme::TCommandeCadre::Imprimer});

  // Closing the program asks the child; its refusal keeps everything open.
  EXPECT_FALSE(f.close());
  EXPECT_TRUE(temoin->demandes == 1 && f.Enfants().size() == 1);
  EXPECT_TRUE(f.close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.Enfants().isEmpty() && !Menus(f).contains(QStringLiteral("&Témoin")));
}

// Two windows on one file would save over each other: the second is announced and may open
// read-only; a file written behind the first one's back is never overwritten unasked.
TEST_F(FenetreTest, DeuxFenetresSurUnFichier) {
  const std::string chemin = CopieExemple(dir_, "c.cl3");
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  ASSERT_TRUE(f.OuvrirFichier(chemin));
  TFenetreFeuille* premiere = Feuille(f);
  EXPECT_TRUE(choix_.empty());
  reponseChoix_ = 0;  // "Lecture seule"
  ASSERT_TRUE(f.OuvrirFichier(chemin));
  ASSERT_EQ(choix_.size(), 1u);
  EXPECT_TRUE(choix_[0].contains(QStringLiteral("dans une autre fenêtre")));
  EXPECT_TRUE(Feuille(f)->Document().LectureSeule() && Feuille(f)->windowTitle() == "c.cl3[*] (lecture seule)");
  reponseChoix_ = 2;  // "Annuler"
  EXPECT_FALSE(f.OuvrirFichier(chemin));
  EXPECT_EQ(f.Enfants().size(), 2);

  premiere->Document().Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 1, 1, 1},
                                [](TClasse& c) {
                                  c.Eleve(1).Note(1, 1, 1).Affecter("1");
                                  return true;
                                });
  TClasse autre;
  autre.Abreviation.Affecter("AUTRE");
  autre.NomFichier = chemin;
  autre.Enregistrer(false);
  const auto Abreviation = [&] { return TDocumentClasse::Ouvrir(chemin, Options)->Classe().Abreviation.Texte(); };
  choix_.clear();  // the question, then "Annuler": the other program's file stays
  EXPECT_FALSE(premiere->SauverAvecCopie());
  ASSERT_EQ(choix_.size(), 1u);
  EXPECT_TRUE(choix_[0].contains(QStringLiteral("modifié sur le disque"))) << choix_[0].toStdString();
  // Enter must not overwrite another program's change: the first button is the default.
  EXPECT_EQ(boutonsChoix_.back().join('|'), QStringLiteral("Enregistrer &sous...|&Écraser|Annuler"));
  EXPECT_EQ(Abreviation(), "AUTRE");
  reponseChoix_ = 1;  // "Écraser"
  EXPECT_TRUE(premiere->SauverAvecCopie());
  EXPECT_TRUE(Abreviation() != "AUTRE" && !premiere->Modifie());
}

// "&Options...": Annuler changes nothing, OK writes the file and every open sheet follows.
TEST_F(FenetreTest, OptionsSuiviesParLesFeuilles) {
  TRepertoireTemp& dir = dir_;
  const std::string ini = dir / "calevrin.ini";
  const std::string classe = CopieExemple(dir);
  TFenetrePrincipale f(ini);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(classe));
  TFenetreFeuille* feuille = Feuille(f);
  dynamic_cast<QMdiSubWindow*>(feuille->parentWidget())->showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(feuille));
  const std::string nom = feuille->Classe().Eleve(1).Nom.Texte();

  // Not while a grade is being typed in the active sheet.
  feuille->Etat().LigneCourante = 1;
  feuille->Etat().ColonneCourante = 1;
  feuille->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(feuille->SaisieEnCours());
  f.Action(pf::TAction::Options)->trigger();
  EXPECT_EQ(boites_, std::vector<QString>{"Terminer d'abord la saisie de la note !"});
  feuille->Editeur().hide();
  const TOptions avant = Options;
  const std::string fichierAvant = Contenu(ini);

  const auto Choisir = [&f, &dir](const char* bouton) {
    QuandOuvert<TDialOption>([&dir, bouton](TDialOption& d) {
      Cliquer(&d, "CheckBox6");  // names no longer in capitals
      d.findChild<TColorPanel*>("ColorPanel3")->FixerColor(0xFF0000);
      d.findChild<QLineEdit*>("Edit5")->setText(QString::fromStdString(dir.Chemin().string()));
      Cliquer(&d, bouton);
      if (d.isVisible()) {
        ADD_FAILURE() << "refusé : " << bouton;
        d.reject();
      }
    });
    f.Action(pf::TAction::Options)->trigger();
  };
  Choisir("BoutonAnnuler");
  EXPECT_TRUE(Options == avant && Contenu(ini) == fichierAvant && !std::filesystem::exists(dir / "colorperso.ini"));
  Choisir("BoutonOK");
  EXPECT_TRUE(boites_.size() == 1 && Options.couleur[3] == 0xFF0000u && !Options.majuscule);
  EXPECT_EQ(pf::LireProfil("Divers", "couleur3", "", ini) + pf::LireProfil("Boolean", "majuscule", "", ini),
            "167116800");
  const std::string minuscules = feuille->Classe().Eleve(1).Nom.Texte();
  EXPECT_TRUE(minuscules != nom && feuille->Modifie());
  // The names' new form is a step of its own: undoing the next grade leaves it alone.
  feuille->Etat().LigneCourante = 2;
  feuille->CommencerSaisie(QStringLiteral("12"));
  QTest::keyClick(&feuille->Editeur(), Qt::Key_Return);
  feuille->Action(pf::TAction::Annuler)->trigger();
  EXPECT_EQ(feuille->Classe().Eleve(1).Nom.Texte(), minuscules);
  EXPECT_EQ(feuille->Action(pf::TAction::Annuler)->text(), QStringLiteral("&Annuler la mise en forme des noms"));
  feuille->Action(pf::TAction::Annuler)->trigger();
  EXPECT_EQ(feuille->Classe().Eleve(1).Nom.Texte(), nom);
  // The sheet shows its new background at once, below the last student.
  const QImage image = feuille->viewport()->grab().toImage();
  EXPECT_EQ(image.pixel(image.width() - 3, image.height() - 3), qRgb(0, 0, 255));

  Options = avant;
  feuille->Document().EffacerModifie();
  f.Zone()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FenetreTest, ExportVersUnClasseur) {
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  EXPECT_FALSE(f.Action(pf::TAction::ExporterClasseur)->isEnabled());
  const std::string classe = CopieExemple(dir_);
  ASSERT_TRUE(f.OuvrirFichier(classe));
  ASSERT_TRUE(f.Action(pf::TAction::ExporterClasseur)->isEnabled());
  // The class as it stands in its window goes out, saved or not.
  Feuille(f)->Document().Modifier(QStringLiteral("le nom"), {TCodeChangement::Eleves, 0, 0, 0}, [](TClasse& c) {
    c.Eleve(1).Nom.Affecter("NONSAUVE");
    return true;
  });

  QStringList proposes;
  QString reponse = QString::fromStdString(dir_ / "copie");
  pf::TDialogues d;
  d.sauvegarde = [&](QWidget*, const QString& initial, const QString&) {
    proposes.push_back(initial);
    return reponse;
  };
  const TRemplacement<pf::TDialogues> dialogues{pf::RemplacerDialogues, d};
  f.Action(pf::TAction::ExporterClasseur)->trigger();
  EXPECT_EQ(proposes, QStringList{QString::fromStdString(dir_ / "4eB.xlsx")});
  EXPECT_EQ(LireClasseur(dir_ / "copie.xlsx").Cellule("Math\xC3\xA9matiques T1", 4, 1)->Chaine, "NONSAUVE");
  EXPECT_TRUE(boites_.empty());

  // Refused: the other writers' message, in an error box.
  std::filesystem::create_directory(dir_ / "dossier.xlsx");
  reponse = QString::fromStdString(dir_ / "dossier.xlsx");
  f.Action(pf::TAction::ExporterClasseur)->trigger();
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_EQ(boites_[0].toStdString(),
            "Impossible de créer le fichier " + dir_ / "dossier.xlsx" + " : ce n'est pas un fichier ordinaire");
  EXPECT_EQ(genres_[0], pf::TGenreMessage::Erreur);
}

TEST_F(FenetreTest, FichesDesElevesDuMenuFichier) {
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  EXPECT_FALSE(f.Action(pf::TAction::FichesEleves)->isEnabled());
  const std::string classe = CopieExemple(dir_);
  ASSERT_TRUE(f.OuvrirFichier(classe));
  ASSERT_TRUE(f.Action(pf::TAction::FichesEleves)->isEnabled());
  QString propose;
  QuandOuvert<TDialFiches>([&propose](TDialFiches& d) {
    propose = d.PdfPropose();
    d.accept();
  });
  f.Action(pf::TAction::FichesEleves)->trigger();
  EXPECT_EQ(propose, QString::fromStdString(dir_ / "4eB - fiches Trimestre 1.pdf"));
}

namespace {

// What a key reaches in the main window: its menus with the active sheet's merged in, the
// window menus of the child windows, and the shortcuts of every widget.
std::map<QString, QObjectList> Raccourcis(const TFenetrePrincipale& f) {
  std::map<QString, QObjectList> touches;
  const auto relever = [&touches](QAction* a) {
    for (const QKeySequence& k : a->shortcuts()) touches[k.toString()] << a;
  };
  std::function<void(QMenu*)> parcourir = [&](QMenu* m) {
    for (QAction* a : m->actions()) {
      relever(a);
      if (a->menu()) parcourir(a->menu());
    }
  };
  for (QAction* a : f.menuBar()->actions())
    if (a->menu()) parcourir(a->menu());
  for (QMdiSubWindow* w : f.Zone()->subWindowList()) {
    parcourir(w->systemMenu());
    if (!qobject_cast<TFenetreFeuille*>(w->widget()))
      for (QAction* a : w->widget()->findChildren<QAction*>()) relever(a);
  }
  for (QShortcut* r : f.findChildren<QShortcut*>()) touches[r->key().toString()] << r;
  return touches;
}

QString Nom(const QObject* o) {
  if (auto* a = qobject_cast<const QAction*>(o)) return a->text();
  return o->objectName();
}

bool Actif(const QObject* o) {
  if (auto* a = qobject_cast<const QAction*>(o)) return a->isEnabled();
  return static_cast<const QShortcut*>(o)->isEnabled();
}

// Takes the shortcut events of what it watches, so that a key pressed shows what it would run
// without running it; an ambiguous key is what Qt warns about and then ignores.
class Intercepteur : public QObject {
 public:
  QStringList recus;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Shortcut) return false;
    const auto* r = static_cast<QShortcutEvent*>(e);
    recus << Nom(o) + (r->isAmbiguous() ? QStringLiteral(" (ambiguë)") : QString());
    return true;
  }
};

}  // namespace

// With a sheet and a statistics window open, the sheet active: each key belongs to one action
// (a shared one does nothing but warn) and each menu of the bar has its own letter.
TEST_F(FenetreTest, UneToucheUneActionUneLettreUnMenu) {
  const std::string classe = CopieExemple(dir_);
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  f.resize(1200, 800);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  ASSERT_TRUE(f.OuvrirFichier(classe));
  QMdiSubWindow* feuille = f.Zone()->currentSubWindow();
  Feuille(f)->Action(pf::TAction::StatDevoir)->trigger();
  ASSERT_EQ(f.Zone()->subWindowList().size(), 2);
  f.Zone()->setActiveSubWindow(feuille);
  ASSERT_NE(Feuille(f), nullptr);

  std::map<QChar, QString> lettres;
  for (const QString& menu : Menus(f)) {
    const qsizetype i = menu.indexOf('&');
    ASSERT_TRUE(i >= 0 && i + 1 < menu.size()) << menu.toStdString();
    const auto [deja, nouvelle] = lettres.emplace(menu[i + 1].toLower(), menu);
    EXPECT_TRUE(nouvelle) << menu.toStdString() << " et " << deja->second.toStdString();
  }

  const std::map<QString, QObjectList> touches = Raccourcis(f);
  for (const auto& [touche, objets] : touches) {
    QStringList noms;
    for (const QObject* o : objets) noms << Nom(o);
    EXPECT_EQ(objets.size(), 1) << touche.toStdString() << " : " << noms.join(" | ").toStdString();
  }
  for (const char* attendue : {"Ctrl+W", "Ctrl+F4", "Ctrl+Z", "Ctrl+S"})
    EXPECT_TRUE(touches.count(attendue)) << attendue;

  // Each key pressed reaches its one action, and nothing else.
  Intercepteur intercepteur;
  for (const auto& [touche, objets] : touches)
    for (QObject* o : objets) o->installEventFilter(&intercepteur);
  int pressees = 0;
  for (const auto& [touche, objets] : touches) {
    if (objets.size() != 1 || !Actif(objets.front())) continue;  // saving and undo wait for a change
    intercepteur.recus.clear();
    QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
    QTest::keySequence(cible, QKeySequence(touche));
    EXPECT_EQ(intercepteur.recus, QStringList{Nom(objets.front())}) << touche.toStdString();
    ++pressees;
  }
  EXPECT_GE(pressees, 7);

  f.Zone()->closeAllSubWindows();
}
