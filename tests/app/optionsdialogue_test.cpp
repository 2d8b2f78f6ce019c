#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "controls/couleurs.h"
#include "dialogs/choixoptions.h"
#include "model/options.h"
#include "platform/messages.h"
#include "platform/profil.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

// Drives the options dialog that the next exec() opens; f must close it.
void QuandOuvert(std::function<void(TDialOption&)> f) {
  QTimer::singleShot(0, [f] {
    if (auto* d = qobject_cast<TDialOption*>(QApplication::activeModalWidget())) return f(*d);
    ADD_FAILURE() << "pas de dialogue ouvert";
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
}

void Cliquer(QWidget* d, const char* nom) { d->findChild<QAbstractButton*>(nom)->click(); }

}  // namespace

TEST(DialogueOptions, ToutesLesFeuillesSuiventLaValidation) {
  FixerValeursProgramme();
  test::TRepertoireTemp dir;
  const std::string ini = dir / "calevrin.ini";
  std::filesystem::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", dir / "4eB.cl3");
  const test::TRemplacement boites(pf::RemplacerBoiteMessage,
                                   [](const QString&, pf::TGenreMessage, int) { return pf::TReponse::Non; });
  TMDI f(ini);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(dir / "4eB.cl3"));
  auto* feuille = dynamic_cast<TChild*>(f.EnfantActif());
  ASSERT_TRUE(feuille);
  dynamic_cast<QMdiSubWindow*>(feuille->parentWidget())->showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(feuille));
  const std::string nom = feuille->Classe().Eleve(1).Nom.Texte();

  // Not while a grade is being typed in the active sheet.
  std::vector<QString> messages;
  {
    const test::TRemplacement boite(pf::RemplacerBoiteMessage, [&](const QString& t, pf::TGenreMessage, int) {
      messages.push_back(t);
      return pf::TReponse::OK;
    });
    feuille->Etat().LigneCourante = 1;
    feuille->Etat().ColonneCourante = 1;
    feuille->CommencerSaisie(QStringLiteral("1"));
    ASSERT_TRUE(feuille->SaisieEnCours());
    f.Action("Options1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Terminer d'abord la saisie de la note !");
    feuille->Editeur().hide();
  }
  const TOptions avant = Options;
  const std::string fichierAvant = test::Contenu(ini);

  QuandOuvert([](TDialOption& d) {
    Cliquer(&d, "CheckBox6");
    d.findChild<TColorPanel*>("ColorPanel3")->FixerColor(0xFF0000);
    Cliquer(&d, "BoutonAnnuler");
  });
  f.Action("Options1")->trigger();
  EXPECT_EQ(Options, avant);
  EXPECT_EQ(test::Contenu(ini), fichierAvant);
  EXPECT_FALSE(std::filesystem::exists(dir / "colorperso.ini"));

  QuandOuvert([&dir](TDialOption& d) {
    Cliquer(&d, "CheckBox6");  // names no longer in capitals
    d.findChild<TColorPanel*>("ColorPanel3")->FixerColor(0xFF0000);
    d.findChild<QLineEdit*>("Edit5")->setText(QString::fromStdString(dir.Chemin().string()));
    Cliquer(&d, "BoutonOK");
    if (d.isVisible()) {
      ADD_FAILURE() << "OK refusé";
      d.reject();
    }
  });
  f.Action("Options1")->trigger();
  EXPECT_EQ(Options.couleur[3], 0xFF0000u);
  EXPECT_FALSE(Options.majuscule);
  EXPECT_EQ(pf::LireProfil("Divers", "couleur3", "", ini), "16711680");
  EXPECT_EQ(pf::LireProfil("Boolean", "majuscule", "", ini), "0");
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
