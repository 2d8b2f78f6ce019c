// The sheet's commands driven as a teacher does: menu items, dialogs and the keyboard, with
// what each leaves in the class, on disk and in the undo history.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPageLayout>
#include <QPrinter>
#include <QUndoStack>
#include <filesystem>
#include <memory>

#include "model/alertes.h"
#include "model/edition.h"
#include "model/options.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/dialoguesnuls.h"
#include "tests/common/exemple.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;
namespace fs = std::filesystem;
using A = pf::TAction;
using R = pf::TReponse;

namespace {

class CommandesTest : public test::Enregistreur {
 protected:
  void SetUp() override {
    Options = TOptions{};
    Options.sauvegarde = false;
    Options.repsauve = dir_ / "sauvegardes/";
    fs::copy_file(test::Exemple, chemin_);
    f_ = std::make_unique<TFenetreFeuille>(TDocumentClasse::Ouvrir(chemin_, Options), dialogues_, Options);
    QObject::connect(&f_->Signaux(), &pf::TSignauxEnfant::FichierRecent,
                     [this](const QString& c) { recents_.push_back(c.toStdString()); });
  }
  void TearDown() override { f_.reset(); }
  void Repondre(std::initializer_list<R> r) { reponses_ = r; }
  // Types into a cell of the view shown, as the keyboard does; Enter unless told otherwise.
  void Taper(int ligne, int colonne, const char* texte, bool valider = true) {
    f_->Etat().LigneCourante = ligne;
    f_->Etat().ColonneCourante = colonne;
    f_->CommencerSaisie(QString::fromLatin1(texte));
    ASSERT_TRUE(f_->SaisieEnCours());
    if (valider) QTest::keyClick(&f_->Editeur(), Qt::Key_Return);
  }
  std::string Note(int e, int k) const { return f_->Classe().Eleve(e).Note(1, 1, k).Texte(); }
  void Fermer() {
    EXPECT_TRUE(f_->close());
    f_.release()->deleteLater();
  }

  test::TRepertoireTemp dir_;
  std::string chemin_ = dir_ / "4eB.cl3";
  std::string copie_ = dir_ / "sauvegardes/4eB.cl3";
  test::TDialoguesNuls dialogues_;
  std::unique_ptr<TFenetreFeuille> f_;
  std::vector<std::string> recents_;
  QString nomSauvegarde_;
  int dialoguesSauvegarde_ = 0;
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

// The backup copy is the class file as it lies on disk: a grade the teacher refused to save
// stays out of it. Saved, the ".bak" and the copy are that saved file.
TEST_F(CommandesTest, FermetureSauvegardeEtCopie) {
  const std::string original = test::Contenu(chemin_);
  EXPECT_FALSE(f_->isWindowModified());
  Taper(1, 1, "3");
  // The title bar marks what is not saved.
  EXPECT_TRUE(f_->isWindowModified() && f_->windowTitle() == "4eB.cl3[*]");
  f_->Action(A::Annuler)->trigger();
  EXPECT_FALSE(f_->isWindowModified());
  f_->Action(A::Retablir)->trigger();
  Repondre({R::Annuler});
  EXPECT_FALSE(f_->close());  // Cancel keeps the window and offers no backup copy
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_TRUE(boites_[0].startsWith(QStringLiteral("Le fichier ") + QString::fromStdString(chemin_)));

  Options.sauvegarde = true;
  Repondre({R::Non, R::Oui});
  Fermer();
  EXPECT_TRUE(boites_.back().contains(QStringLiteral("Fichier à sauvegarder: 4eB.cl3")));
  EXPECT_EQ(test::Contenu(copie_), original);
  EXPECT_EQ(test::Contenu(chemin_), original);
  EXPECT_FALSE(fs::exists(dir_ / "4eB.bak"));

  f_ = std::make_unique<TFenetreFeuille>(TDocumentClasse::Ouvrir(chemin_, Options), dialogues_, Options);
  Taper(2, 1, "4");
  Repondre({R::Oui, R::Oui, R::Oui});  // save, copy, and replace the copy made a moment ago
  fs::last_write_time(copie_, fs::last_write_time(chemin_) + std::chrono::hours(1));
  Fermer();
  EXPECT_NE(test::Contenu(chemin_), original);
  EXPECT_EQ(test::Contenu(dir_ / "4eB.bak"), test::Contenu(chemin_));
  EXPECT_EQ(test::Contenu(copie_), test::Contenu(chemin_));
  EXPECT_TRUE(boites_.back().contains(QStringLiteral("est plus récent que la classe fermée")));
}

// A class never saved has no file to copy: nothing is offered. Nor is a class whose save
// dialog was cancelled ever half written.
TEST_F(CommandesTest, ClasseJamaisSauveeEtEchecs) {
  Options.sauvegarde = true;
  f_->Document().FixerJamaisSauve(true);
  Taper(1, 1, "3");
  Repondre({R::Oui});
  EXPECT_FALSE(f_->close());  // the save-as dialog cancelled: nothing written, window open
  EXPECT_TRUE(dialoguesSauvegarde_ == 1 && f_->Modifie() && !fs::exists(dir_ / "4eB.bak"));

  nomSauvegarde_ = QString::fromStdString(dir_ / "nouveau");  // no extension typed
  EXPECT_TRUE(f_->SauverAvecCopie());
  EXPECT_TRUE(fs::exists(dir_ / "nouveau.cl3") && fs::exists(dir_ / "nouveau.bak"));
  EXPECT_FALSE(f_->Document().JamaisSauve() || f_->Modifie() || f_->isWindowModified());
  EXPECT_EQ(f_->windowTitle(), "nouveau.cl3[*]");
  EXPECT_EQ(recents_, std::vector<std::string>{dir_ / "nouveau.cl3"});

  // A class file that cannot be written: reported with its path, still modified.
  f_->Document().FixerChemin(dir_ / "absent/x.cl3");
  Taper(1, 1, "5");
  EXPECT_TRUE(!f_->SauverAvecCopie() && f_->Modifie());
  EXPECT_EQ(boites_.back(), QString::fromStdString("Impossible de créer le fichier " + (dir_ / "absent/x.cl3")));
  EXPECT_FALSE(fs::exists(dir_ / "absent"));

  // Never saved again: closing asks only about saving.
  f_->Document().FixerJamaisSauve(true);
  boites_.clear();
  Repondre({R::Non});
  Fermer();
  EXPECT_EQ(boites_.size(), 1u);
  EXPECT_FALSE(fs::exists(dir_ / "sauvegardes"));
}

// Closing during an entry stores a valid grade, as Enter would; a grade the rules refuse keeps
// the window open until the teacher finishes it.
TEST_F(CommandesTest, FermetureDuranteUneSaisie) {
  Taper(1, 2, "25", false);
  EXPECT_FALSE(f_->close());
  EXPECT_EQ(boites_, std::vector<QString>{"Terminer d'abord la saisie de la note !"});
  EXPECT_TRUE(f_->SaisieEnCours());
  f_->Editeur().setText(QStringLiteral("14"));
  Repondre({R::Oui});
  Fermer();
  EXPECT_EQ(TDocumentClasse::Ouvrir(chemin_, Options)->Classe().Eleve(1).Note(1, 1, 2).Texte(), "14");
}

// Every kind of change made through its command, then undone through "Annuler" to the start
// and redone through "Rétablir" to the end: the record byte for byte and the view shown at
// each step, whatever view the teacher moved to in between.
TEST_F(CommandesTest, ChaqueCommandeAnnuleeEtRetablie) {
  auto& e = dialogues_.effets;
  e["ModifierEleves"] = [](TClasse& c) { return ModifierEleve(c, 1, "ZOLA", "Emile", "", Options); };
  e["AjouterEleve"] = [](TClasse& c) { return AjouterEleve(c, "NEUF", "Eleve", "01022012", Options); };
  e["InsererEleve"] = [](TClasse& c) { return InsererEleve(c, 2, "DEUX", "Eleve", "", Options); };
  e["SupprimerEleve"] = [](TClasse& c) { return SupprimerEleve(c, 3); };
  e["AjouterDevoir"] = [](TClasse& c) { return AjouterDevoir(c, "ven. 9 janv.", "1h", 2, "Bilan"); };
  e["InsererDevoir"] = [](TClasse& c) { return InsererDevoir(c, 1, [](TClasse&, int) { return true; }); };
  e["ModifierDevoirs"] = [](TClasse& c) { return ModifierDevoir(c, 1, "lun.", "2h", 4, "Revu"); };
  e["ModifierCoefficients"] = [](TClasse& c) {
    return ModifierCoefMatieres(c, {"2", "1", "1", "2", "1", "1", "2", "1", "1"}) > 0;
  };
  e["ModifierMatieres"] = [](TClasse& c) {
    return ModifierMatieres(c, {"Maths", "Physique", "SVT"}, {"MA", "PH", "SV"}, 2);
  };
  e["ModifierParametres"] = [](TClasse& c) {
    TParametresClasse p = LireParametres(c);
    p.NbPeriodes = 2;
    return ModifierParametres(c, p);
  };
  dialogues_.choix = 1;
  const auto menu = [this](A a) { return [this, a] { f_->Action(a)->trigger(); }; };
  const auto vue = [this](int m, int p) {
    return [this, m, p] {
      f_->ChangerMatiere(m);
      f_->ChangerPeriode(p);
    };
  };
  const std::vector<std::pair<std::function<void()>, std::function<void()>>> etapes = {
      {vue(1, 1), [this] { Taper(3, 2, "17"); }},
      {{}, [this] { Taper(0, 1, "3"); }},
      {vue(1, 2), menu(A::AjouterDevoir)},
      {{}, menu(A::ModifierEleves)},
      {{}, menu(A::TrierEleves)},
      {{}, menu(A::AjouterEleve)},
      {{}, menu(A::InsererEleve)},
      {{}, menu(A::SupprimerEleve)},
      {vue(2, 1), menu(A::CouperDevoir)},
      {{}, menu(A::InsererDevoirCopie)},
      {{}, menu(A::AjouterDevoirCopie)},
      {{}, menu(A::InsererDevoir)},
      {{}, menu(A::ModifierDevoirs)},
      {[this] { Repondre({R::Oui}); }, menu(A::SupprimerDevoir)},
      {[this] { Repondre({R::Oui}); }, menu(A::ViderPeriode)},
      {[this, vue] {
         vue(3, 1)();
         Repondre({R::Oui});
       },
       menu(A::ViderAnnee)},
      {vue(1, 1), menu(A::CoefficientsMatieres)},
      {vue(3, 2), menu(A::Matieres)},          // subject 3 goes: the first is shown
      {vue(2, 3), menu(A::ParametresClasse)},  // semesters: the third trimester goes
  };
  std::vector<std::vector<std::uint8_t>> avant, apres;
  std::vector<TVue> vuesAvant, vuesApres;
  for (const auto& [preparer, faire] : etapes) {
    if (preparer) preparer();
    avant.push_back(test::Image(f_->Classe()));
    vuesAvant.push_back(f_->Document().Vue());
    faire();
    apres.push_back(test::Image(f_->Classe()));
    vuesApres.push_back(f_->Document().Vue());
    ASSERT_NE(avant.back(), apres.back()) << "étape " << avant.size();
  }
  EXPECT_EQ(f_->Document().Pile().count(), static_cast<int>(etapes.size()));
  EXPECT_EQ(vuesApres[17], (TVue{1, 2}));
  EXPECT_EQ(vuesApres[18], (TVue{2, 1}));
  EXPECT_EQ(f_->Action(A::Annuler)->text(), QStringLiteral("&Annuler les paramètres de la classe"));

  f_->ChangerPeriode(4);
  for (std::size_t i = etapes.size(); i-- > 0;) {
    f_->Action(A::Annuler)->trigger();
    EXPECT_EQ(test::Image(f_->Classe()), avant[i]) << "annuler " << i;
    EXPECT_EQ(f_->Document().Vue(), vuesAvant[i]) << "annuler " << i;
  }
  EXPECT_EQ(test::Image(f_->Classe()), test::Image(TDocumentClasse::Ouvrir(chemin_, Options)->Classe()));
  EXPECT_FALSE(f_->Modifie() || f_->Action(A::Annuler)->isEnabled());
  for (std::size_t i = 0; i < etapes.size(); ++i) {
    f_->Action(A::Retablir)->trigger();
    EXPECT_EQ(test::Image(f_->Classe()), apres[i]) << "rétablir " << i;
    EXPECT_EQ(f_->Document().Vue(), vuesApres[i]) << "rétablir " << i;
  }
  // The division of the year shown as the class has it.
  EXPECT_FALSE(f_->Action(A::Periode3)->isVisible());
  EXPECT_EQ(f_->Action(A::Periode2)->text(), QStringLiteral("&Semestre 2"));

  // Undo waits for the end of an entry.
  f_->ChangerMatiere(1);
  f_->ChangerPeriode(1);
  Taper(1, 1, "9", false);
  f_->Action(A::Annuler)->trigger();
  EXPECT_EQ(boites_.back(), QStringLiteral("Terminer d'abord la saisie de la note !"));
  EXPECT_EQ(f_->Document().Pile().index(), static_cast<int>(etapes.size()));
}

TEST_F(CommandesTest, EffacerApercuExportEtMenus) {
  // Preview and the period commands refuse while a grade is being typed.
  Taper(1, 1, "1", false);
  f_->BasculerApercu();
  EXPECT_FALSE(f_->Etat().ModeApercu);
  EXPECT_EQ(boites_.back(), QStringLiteral("Terminer d'abord la saisie de la note !"));
  QTest::keyClick(&f_->Editeur(), Qt::Key_Escape);

  f_->Action(A::ExporterTableau)->trigger();
  const QStringList lignes = QApplication::clipboard()->text().split('\r');
  ASSERT_GE(lignes.size(), 3);
  EXPECT_EQ(lignes[0], QStringLiteral("4EB / Mathématiques / Trim.1 ( 2026 / 2027 )"));
  EXPECT_EQ(lignes[2], QStringLiteral("BERNARD Hugo\t14\t8\t14\t10.5\t13\t14\t12.1"));

  // Semesters: three items left, the cycle skips the third period.
  dialogues_.effets["ModifierParametres"] = [](TClasse& c) {
    TParametresClasse p = LireParametres(c);
    p.NbPeriodes = 2;
    return ModifierParametres(c, p);
  };
  f_->Action(A::ParametresClasse)->trigger();
  EXPECT_EQ(f_->Action(A::ViderPeriode)->text(), QStringLiteral("S&upprimer les notes du Semestre"));
  for (const int attendue : {2, 4, 1}) {
    f_->PeriodeSuivante();
    EXPECT_EQ(f_->Classe().PeriodeCourante(), attendue);
  }
  EXPECT_TRUE(f_->Action(A::AjouterDevoir)->isEnabled());
  dialogues_.effets["AjouterDevoir"] = [](TClasse& c) { return AjouterDevoir(c, "", "", 1, ""); };
  while (f_->Action(A::AjouterDevoir)->isEnabled()) f_->Action(A::AjouterDevoir)->trigger();
  EXPECT_EQ(f_->Classe().NbDevoirs(1, 1), MaxDevoirs);  // 24 tests: no new one
  EXPECT_TRUE(f_->Action(A::SupprimerDevoir)->isEnabled());
  f_->ChangerPeriode(4);
  EXPECT_FALSE(f_->Action(A::SupprimerDevoir)->isEnabled() || f_->Action(A::ContexteAnnee)->isEnabled());

  // Deleting the file asks once and closes without the save prompt.
  const std::size_t avant = boites_.size();
  Repondre({R::Oui});
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

// A sheet shows the class with the options record it was given, whatever the program-wide
// record holds: painted and exported as a sheet opened under those options.
TEST_F(CommandesTest, LesOptionsDonneesALaFeuille) {
  TOptions donnees = Options;
  donnees.zoomD = 1.0;
  donnees.prenom = !Options.prenom;
  const auto rendu = [](TFenetreFeuille& f) {
    f.resize(900, 600);
    f.ExporterTableau();
    return std::pair{f.viewport()->grab().toImage(), QApplication::clipboard()->text()};
  };
  TFenetreFeuille propre(TDocumentClasse::Ouvrir(chemin_, donnees), dialogues_, donnees);
  const auto obtenu = rendu(propre);
  const TOptions global = Options;
  Options = donnees;
  TFenetreFeuille reference(TDocumentClasse::Ouvrir(chemin_, Options), dialogues_, Options);
  const auto attendu = rendu(reference);
  Options = global;
  EXPECT_TRUE(obtenu.first == attendu.first);
  EXPECT_EQ(obtenu.second, attendu.second);
}
