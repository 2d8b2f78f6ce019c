// The windows as the teacher opens them: from the sheet's menu, inside the main window,
// closed with their sheet, printing through the print dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "model/options.h"
#include "platform/aide.h"
#include "platform/messages.h"
#include "print/dlgprint.h"
#include "sheet/feuille.h"
#include "stats/stat04.h"
#include "stats/statgraphe.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

TEST(OuvertureStatistiques, DepuisLeMenuDeLaFeuilleEtFermeesAvecElle) {
  FixerValeursProgramme();
  Options = TOptions{};
  test::TRepertoireTemp dir;
  const std::string chemin = dir / "4eB.cl3";
  std::filesystem::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", chemin);
  std::vector<QString> aides;
  test::TRemplacement aide(&pf::RemplacerAide, [&](const QString& s) { aides.push_back(s); });
  test::TRemplacement boites(&pf::RemplacerBoiteMessage,
                             [](const QString&, pf::TGenreMessage, int) { return pf::TReponse::Non; });

  TFenetrePrincipale f(dir / "calevrin.ini");
  ASSERT_TRUE(f.OuvrirFichier(chemin));
  auto* feuille = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
  ASSERT_NE(feuille, nullptr);
  EXPECT_TRUE(f.Bouton(5)->isEnabled());

  // "Ouvrir les 3": evolution, test, averages, in that order, tiled with the sheet.
  feuille->Action(pf::TAction::TroisFenetresStat)->trigger();
  ASSERT_EQ(f.Enfants().size(), 4);
  EXPECT_NE(dynamic_cast<TStatEvolution*>(f.Enfants()[1]), nullptr);
  EXPECT_NE(dynamic_cast<TStatDevoir*>(f.Enfants()[2]), nullptr);
  EXPECT_NE(dynamic_cast<TStatMoyennes*>(f.Enfants()[3]), nullptr);
  const QList<QMdiSubWindow*> fenetres = f.Zone()->subWindowList();
  EXPECT_EQ(fenetres[0]->width(), fenetres[3]->width());
  EXPECT_LT(fenetres[0]->y(), fenetres[3]->y());
  feuille->Action(pf::TAction::Bilan)->trigger();

  // The report active: the frame's toolbar and period panel are a statistics window's.
  auto* bilan = dynamic_cast<TStatBilan*>(f.EnfantActif());
  ASSERT_NE(bilan, nullptr);
  EXPECT_EQ(f.Enfants().size(), 5);
  EXPECT_EQ(f.TextePeriode(), "Bilan");
  EXPECT_TRUE(f.Bouton(2)->isEnabled());
  for (int i : {1, 4, 5, 7, 8, 9}) EXPECT_FALSE(f.Bouton(i)->isEnabled()) << i;
  EXPECT_EQ(bilan->windowTitle(), QStringLiteral("4EB: Bilan complet classe & élève"));
  bilan->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
  EXPECT_EQ(aides, std::vector<QString>{QStringLiteral("stat_04")});

  // The frame's print button prints the active window through the print dialog, on a copy.
  f.Zone()->setActiveSubWindow(fenetres[2]);
  auto* devoir = dynamic_cast<TStatDevoir*>(f.EnfantActif());
  ASSERT_NE(devoir, nullptr);
  EXPECT_EQ(f.TextePeriode(), "Trim.1");
  QString imprime;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<TDialImpression*>(QApplication::activeModalWidget());
    if (!d) return;
    imprime = d->G().Caption;
    EXPECT_EQ(d->G().NbBarre(), devoir->G().NbBarre());
    d->reject();
  });
  f.Bouton(2)->click();
  EXPECT_FALSE(imprime.isEmpty());
  EXPECT_EQ(imprime, devoir->G().Caption);

  // Closing the sheet closes every window of its class.
  fenetres[0]->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.Enfants().isEmpty());
  EXPECT_TRUE(f.TextePeriode().isEmpty());

  // The main window destroyed with a sheet and its windows open.
  ASSERT_TRUE(f.OuvrirFichier(chemin));
  dynamic_cast<TFenetreFeuille*>(f.EnfantActif())->Action(pf::TAction::TroisFenetresStat)->trigger();
  EXPECT_EQ(f.Enfants().size(), 4);
}

TEST(OuvertureStatistiques, DeuxClassesOuvertes) {
  FixerValeursProgramme();
  Options = TOptions{};
  test::TRepertoireTemp dir;
  for (const char* nom : {"a.cl3", "b.cl3"})
    std::filesystem::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", dir / nom);
  test::TRemplacement boites(&pf::RemplacerBoiteMessage,
                             [](const QString&, pf::TGenreMessage, int) { return pf::TReponse::Non; });
  TFenetrePrincipale f(dir / "calevrin.ini");
  f.resize(1200, 900);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(dir / "a.cl3"));
  auto* a = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
  ASSERT_TRUE(f.OuvrirFichier(dir / "b.cl3"));
  QMdiSubWindow* b = f.Zone()->subWindowList()[1];
  QApplication::processEvents();
  b->showNormal();
  b->setGeometry(40, 50, 500, 400);
  const QRect avant = b->geometry();

  // Five windows: only the asking sheet and its three are tiled, in four strips.
  a->Action(pf::TAction::TroisFenetresStat)->trigger();
  const QList<QMdiSubWindow*> l = f.Zone()->subWindowList();
  ASSERT_EQ(l.size(), 5);
  EXPECT_EQ(b->geometry(), avant);
  const int hauteur = f.Zone()->viewport()->height();
  for (QMdiSubWindow* w : l) EXPECT_TRUE(w == b || w->height() >= hauteur / 4 - 1);

  // A second and a third report of one class do not open on top of the first.
  a->Action(pf::TAction::Bilan)->trigger();
  a->Action(pf::TAction::Bilan)->trigger();
  a->Action(pf::TAction::Bilan)->trigger();
  const QList<QMdiSubWindow*> tous = f.Zone()->subWindowList();
  ASSERT_EQ(tous.size(), 8);
  EXPECT_NE(tous[5]->pos(), tous[6]->pos());
  EXPECT_NE(tous[6]->pos(), tous[7]->pos());
  EXPECT_NE(tous[5]->pos(), tous[7]->pos());
  EXPECT_TRUE(f.Zone()->viewport()->rect().contains(tous[7]->geometry()));
}
