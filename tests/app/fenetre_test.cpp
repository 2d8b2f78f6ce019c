#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QToolButton>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "model/alertes.h"
#include "model/options.h"
#include "platform/messages.h"
#include "sheet/feuille.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

class FenetreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FixerValeursProgramme();
    messages_ = plateforme::RemplacerBoiteMessage([this](const QString& t, plateforme::TGenreMessage, int) {
      textes_.push_back(t);
      return plateforme::TReponse::OK;
    });
  }
  void TearDown() override { plateforme::RemplacerBoiteMessage(messages_); }
  test::TRepertoireTemp dir_;
  plateforme::TFonctionMessage messages_;
  std::vector<QString> textes_;
};

}  // namespace

TEST_F(FenetreTest, FichiersRecentsEtInvitation) {
  {
    TMDI f(dir_ / "calevrin.ini");
    EXPECT_EQ(f.windowTitle(), "Calevrin");  // no recent file, no invitation
    EXPECT_FALSE(f.InviteDernierFichier);
    EXPECT_FALSE(f.Action("MenuF1")->isVisible());
    f.AjouterFichierRecent("/a/A.cl3");
    f.AjouterFichierRecent("/a/B.cl3");
    f.AjouterFichierRecent("/a/C.cl3");
    EXPECT_EQ(Options.liste[1], "/a/C.cl3");
    f.AjouterFichierRecent("/a/A.cl3");  // the third swaps with the first
    EXPECT_EQ(Options.liste[1], "/a/A.cl3");
    EXPECT_EQ(Options.liste[2], "/a/B.cl3");
    EXPECT_EQ(Options.liste[3], "/a/C.cl3");
    f.AjouterFichierRecent("/a/A.cl3");
    EXPECT_EQ(Options.liste[2], "/a/B.cl3");
    f.AjouterFichierRecent("/a/D.cl3");  // a new one drops the third
    EXPECT_EQ(Options.liste[3], "/a/B.cl3");
    f.AjouterFichierRecent("/a/d.cl3");  // case counts
    EXPECT_EQ(Options.liste[2], "/a/D.cl3");
    EXPECT_TRUE(f.Action("MenuF3")->isVisible());
    EXPECT_EQ(f.Action("MenuF1")->text(), "/a/d.cl3");
    f.close();  // writes the configuration with the list
  }
  TMDI g(dir_ / "calevrin.ini");
  EXPECT_TRUE(g.InviteDernierFichier);
  EXPECT_EQ(g.windowTitle(), "Cliquer dans la fenètre pour ouvrir le dernier fichier: /a/d.cl3");
  g.EffacerInvite();
  EXPECT_EQ(g.windowTitle(), "Calevrin");
}

TEST_F(FenetreTest, BoutonsEtMenusSuiventLesFeuilles) {
  TMDI f(dir_ / "calevrin.ini");
  f.TexteHorloge = [] { return QStringLiteral(" horloge"); };
  EXPECT_TRUE(f.Bouton(3)->isEnabled());
  for (int i : {1, 2, 4, 7, 8, 9}) EXPECT_FALSE(f.Bouton(i)->isEnabled()) << i;
  EXPECT_FALSE(f.Action("M15")->isEnabled());
  EXPECT_FALSE(f.Action("MCascade")->isEnabled());

  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  EXPECT_TRUE(f.Action("M15")->isEnabled());
  EXPECT_FALSE(f.Action("M16")->isEnabled());  // a single sheet
  EXPECT_TRUE(f.Action("MCascade")->isEnabled());
  for (int i : {7, 8, 9}) EXPECT_TRUE(f.Bouton(i)->isEnabled()) << i;
  EXPECT_FALSE(f.Bouton(10)->isVisible());
  EXPECT_EQ(f.TextePeriode(), "Trim.1");
  EXPECT_EQ(f.TexteMessage(), " horloge");
  EXPECT_EQ(Options.liste[1], Exemple);

  f.Bouton(9)->click();
  EXPECT_EQ(f.FeuilleActive()->Classe().PeriodeCourante(), 2);
  EXPECT_EQ(f.TextePeriode(), "Trim.2");
  f.Bouton(9)->click();
  f.Bouton(9)->click();
  EXPECT_EQ(f.TextePeriode(), "Bilan");
  f.Bouton(8)->click();
  EXPECT_EQ(f.FeuilleActive()->Classe().MatiereCourante(), 2);

  f.Bouton(7)->click();  // preview shows the zoom and fast-scroll buttons
  EXPECT_TRUE(f.FeuilleActive()->Etat().ModeApercu);
  EXPECT_FALSE(f.Bouton(12)->isHidden());
  int bips = 0;
  const TAlertes anciennes = RemplacerAlertes({{}, [&] { ++bips; }});
  f.FeuilleActive()->Etat().ZoomApercu = 4.0;
  f.Bouton(12)->click();
  EXPECT_EQ(bips, 1);
  EXPECT_EQ(f.FeuilleActive()->Etat().ZoomApercu, 4.0);
  f.Bouton(13)->click();
  EXPECT_EQ(f.FeuilleActive()->Etat().ZoomApercu, 2.0);
  RemplacerAlertes(anciennes);

  ASSERT_TRUE(f.OuvrirFichier(Exemple));
  EXPECT_TRUE(f.Action("M16")->isEnabled());
  EXPECT_FALSE(f.OuvrirFichier(dir_ / "absent.cl3"));
  ASSERT_EQ(textes_.size(), 1u);
  EXPECT_EQ(textes_[0], QString::fromStdString("Impossible d'ouvrir le fichier " + (dir_ / "absent.cl3")));
  EXPECT_EQ(f.Feuilles().size(), 2);
  f.Zone()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.Feuilles().isEmpty());
  EXPECT_FALSE(f.Bouton(8)->isEnabled());
  EXPECT_TRUE(f.Bouton(3)->isEnabled());
}
