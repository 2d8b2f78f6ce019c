#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPageLayout>
#include <QPrinter>
#include <filesystem>
#include <memory>

#include "model/alertes.h"
#include "model/options.h"
#include "model/tableau.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/dialoguesnuls.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;
namespace fs = std::filesystem;

namespace {

class CommandesTest : public test::Enregistreur {
 protected:
  void SetUp() override {
    Options = TOptions{};
    Options.repsauve = dir_ / "sauvegardes/";
    fs::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", chemin_);
    f_ = std::make_unique<TChild>(TDocumentClasse::Ouvrir(chemin_), dialogues_);
    QObject::connect(&f_->Signaux(), &pf::TSignauxEnfant::FichierRecent,
                     [this](const QString& c) { recents_.push_back(c.toStdString()); });
  }
  void TearDown() override { f_.reset(); }
  void Repondre(std::initializer_list<pf::TReponse> r) { reponses_ = r; }

  test::TRepertoireTemp dir_;
  std::string chemin_ = dir_ / "4eB.cl3";
  test::TDialoguesNuls dialogues_;
  std::unique_ptr<TChild> f_;
  std::vector<std::string> recents_;
  QString nomSauvegarde_;
  int dialoguesSauvegarde_ = 0;
  // A box with buttons of its own is answered with its last button.
  test::TRemplacement<pf::TFonctionChoix> dernierBouton_{
      pf::RemplacerChoixMessage,
      [](const QString&, pf::TGenreMessage, const QStringList& b) { return static_cast<int>(b.size()) - 1; }};
  test::TRemplacement<pf::TDialogues> dialoguesPlateforme_{pf::RemplacerDialogues,
                                                           {{},
                                                            [this](QWidget*, const QString&, const QString&) {
                                                              ++dialoguesSauvegarde_;
                                                              return nomSauvegarde_;
                                                            },
                                                            {},
                                                            {}}};
};

}  // namespace

TEST_F(CommandesTest, FermetureSauvegardeEtCopie) {
  f_->Classe().Eleve(1).Note(1, 1, 1).Affecter("3");
  f_->MarquerModifie();
  Options.sauvegarde = false;
  Repondre({pf::TReponse::Annuler});
  EXPECT_FALSE(f_->close());  // Cancel keeps the window and offers no backup copy
  EXPECT_EQ(boites_.size(), 1u);
  EXPECT_TRUE(boites_[0].startsWith(QStringLiteral("Le fichier ") + QString::fromStdString(chemin_) +
                                    QStringLiteral(" a été modifié, mais pas sauvé.")));

  Options.sauvegarde = true;
  Repondre({pf::TReponse::Oui, pf::TReponse::Oui});
  EXPECT_TRUE(f_->close());
  f_.release()->deleteLater();
  EXPECT_EQ(test::Contenu(dir_ / "4eB.bak"), test::Contenu(chemin_));  // beside the file, same content
  EXPECT_EQ(recents_, std::vector<std::string>{chemin_});              // only the class file
  EXPECT_TRUE(fs::exists(dir_ / "sauvegardes/4eB.cl3"));               // directory created, name kept
  EXPECT_TRUE(boites_.back().contains(QStringLiteral("Fichier à sauvegarder: 4eB.cl3")));
}

TEST_F(CommandesTest, ClasseJamaisSauveeEtEchecs) {
  f_->Document().FixerJamaisSauve(true);
  f_->MarquerModifie();
  Options.sauvegarde = false;
  Repondre({pf::TReponse::Oui});
  EXPECT_FALSE(f_->close());  // the save-as dialog cancelled: nothing written, window open
  EXPECT_TRUE(dialoguesSauvegarde_ == 1 && f_->Modifie() && !fs::exists(dir_ / "4eB.bak"));

  nomSauvegarde_ = QString::fromStdString(dir_ / "nouveau");  // no extension typed
  EXPECT_TRUE(f_->SauverAvecCopie());
  EXPECT_TRUE(fs::exists(dir_ / "nouveau.cl3") && fs::exists(dir_ / "nouveau.bak"));
  EXPECT_FALSE(f_->Document().JamaisSauve() || f_->Modifie());

  // A class file that cannot be written: reported with its path, still modified.
  f_->Classe().NomFichier = dir_ / "absent/x.cl3";
  f_->MarquerModifie();
  EXPECT_TRUE(!f_->SauverAvecCopie() && f_->Modifie());
  EXPECT_EQ(boites_.back(), QString::fromStdString("Impossible de créer le fichier " + (dir_ / "absent/x.cl3")));
  EXPECT_FALSE(fs::exists(dir_ / "absent"));
}

TEST_F(CommandesTest, EffacerApercuExportEtMenus) {
  // Preview and the period commands refuse while a grade is being typed.
  f_->Etat().LigneCourante = 1;
  f_->Etat().ColonneCourante = 1;
  f_->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(f_->SaisieEnCours());
  f_->BasculerApercu();
  EXPECT_FALSE(f_->Etat().ModeApercu);
  EXPECT_EQ(boites_.back(), QStringLiteral("Terminer d'abord la saisie de la note !"));
  f_->ValiderSaisie(255, 0);

  f_->ExporterTableau();
  EXPECT_EQ(QApplication::clipboard()->text(), pf::DepuisCp1252(TexteTableau(f_->Classe())));

  // Semesters: three items left, the cycle skips the third period.
  f_->Classe().FixerNbPeriodes(2);
  f_->MajLibellesPeriodes();
  EXPECT_EQ(f_->Action("M33")->text(), QStringLiteral("S&upprimer les notes du Semestre"));
  for (const int attendue : {2, 4, 1}) {
    f_->PeriodeSuivante();
    EXPECT_EQ(f_->Classe().PeriodeCourante(), attendue);
  }
  EXPECT_TRUE(f_->Action("M30")->isEnabled());
  f_->Classe().FixerNbDevoirs(1, 1, 24);
  f_->MajMenus();
  EXPECT_TRUE(!f_->Action("M30")->isEnabled() && f_->Action("M32")->isEnabled());  // 24 tests: no new one
  f_->ChangerPeriode(4);
  EXPECT_FALSE(f_->Action("M32")->isEnabled() || f_->Action("MPopup4")->isEnabled());  // only in the test view

  // Deleting the file asks once and closes without the save prompt.
  f_->MarquerModifie();
  const std::size_t avant = boites_.size();
  Repondre({pf::TReponse::Oui});
  EXPECT_TRUE(f_->EffacerFichier() && !fs::exists(chemin_));
  EXPECT_TRUE(f_->close());
  EXPECT_EQ(boites_.size(), avant + 1);
}

// A PDF is proposed beside its class under the class's name, never over the last PDF printed,
// and has the margins of the command line's PDF.
TEST_F(CommandesTest, ImpressionPdfAuNomDeLaClasse) {
  QPrinter& imprimante = pf::ImprimanteCourante();
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(QString::fromStdString(dir_ / "ancien.pdf"));
  pf::FixerMargesPdf(imprimante);
  QString propose;
  QString demande;
  pf::RemplacerDialogues({{},
                          [&](QWidget*, const QString& initial, const QString&) {
                            demande = initial;
                            return nomSauvegarde_;
                          },
                          [&](QWidget*, QPrinter& p) {
                            propose = p.outputFileName();
                            return true;
                          },
                          {}});
  QString message;
  QObject::connect(&f_->Signaux(), &pf::TSignauxEnfant::Message, [&](const QString& t, bool) { message = t; });
  f_->Imprimer(false);
  const QString pdf = QString::fromStdString(dir_ / "4eB.pdf");
  EXPECT_EQ(propose, pdf);
  EXPECT_TRUE(demande.isEmpty());
  EXPECT_TRUE(message.contains(pdf));
  const std::string contenu = test::Contenu(pdf.toStdString());
  EXPECT_EQ(contenu.rfind("%PDF-", 0), 0u);
  EXPECT_NE(contenu.find("/MediaBox [0 0 595"), std::string::npos);
  const QMarginsF marges = imprimante.pageLayout().margins(QPageLayout::Millimeter);
  EXPECT_NEAR(marges.left(), pf::MargePdfMillimetres, 0.01);
  EXPECT_NEAR(marges.top(), pf::MargePdfMillimetres, 0.01);

  // The toolbar's button prints without the dialog: it still asks where, proposing the class's PDF.
  nomSauvegarde_ = QString::fromStdString(dir_ / "autre");
  f_->Imprimer(true);
  EXPECT_EQ(demande, pdf);
  EXPECT_TRUE(fs::exists(dir_ / "autre.pdf") && !fs::exists(dir_ / "ancien.pdf"));

  // A FIFO where the PDF should go is refused and stays a FIFO.
  ASSERT_EQ(::mkfifo((dir_ / "tube.pdf").c_str(), 0600), 0);
  nomSauvegarde_ = QString::fromStdString(dir_ / "tube.pdf");
  boites_.clear();
  f_->Imprimer(true);
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_TRUE(boites_[0].contains(QStringLiteral("pas un fichier ordinaire")));
  EXPECT_TRUE(fs::is_fifo(dir_ / "tube.pdf"));
}
