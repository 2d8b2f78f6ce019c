// "&Options..." of the main window: Annuler changes nothing, OK writes the file and every open
// sheet follows.
#include <QMdiSubWindow>
#include <filesystem>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "controls/couleurs.h"
#include "dialogs/choixoptions.h"
#include "platform/profil.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

using DialogueOptions = Enregistreur;

TEST_F(DialogueOptions, ToutesLesFeuillesSuiventLaValidation) {
  FixerValeursProgramme();
  TRepertoireTemp dir;
  const std::string ini = dir / "calevrin.ini";
  std::filesystem::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", dir / "4eB.cl3");
  TMDI f(ini);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(dir / "4eB.cl3"));
  auto* feuille = dynamic_cast<TChild*>(f.EnfantActif());
  ASSERT_TRUE(feuille);
  dynamic_cast<QMdiSubWindow*>(feuille->parentWidget())->showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(feuille));
  const std::string nom = feuille->Classe().Eleve(1).Nom.Texte();

  // Not while a grade is being typed in the active sheet.
  feuille->Etat().LigneCourante = 1;
  feuille->Etat().ColonneCourante = 1;
  feuille->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(feuille->SaisieEnCours());
  f.Action("Options1")->trigger();
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
    f.Action("Options1")->trigger();
  };
  Choisir("BoutonAnnuler");
  EXPECT_EQ(Options, avant);
  EXPECT_EQ(Contenu(ini), fichierAvant);
  EXPECT_FALSE(std::filesystem::exists(dir / "colorperso.ini"));
  Choisir("BoutonOK");
  EXPECT_EQ(boites_.size(), 1u);
  EXPECT_TRUE(Options.couleur[3] == 0xFF0000u && !Options.majuscule);
  EXPECT_EQ(pf::LireProfil("Divers", "couleur3", "", ini) + pf::LireProfil("Boolean", "majuscule", "", ini), "167116800");
  EXPECT_NE(feuille->Classe().Eleve(1).Nom.Texte(), nom);
  EXPECT_TRUE(feuille->Modifie());
  // The sheet shows its new background at once, below the last student.
  const QImage image = feuille->viewport()->grab().toImage();
  EXPECT_EQ(image.pixel(image.width() - 3, image.height() - 3), qRgb(0, 0, 255));

  Options = avant;
  feuille->Document().EffacerModifie();
  f.Zone()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
