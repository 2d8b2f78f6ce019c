// A class started from nothing through "&Nouvelle classe...", saved, reopened and read back by
// the command line: every student in order with the birth date typed or imported.
#include "dialogs/nouvelleclasse.h"

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "dialogs/importliste.h"
#include "dialogs/matieres.h"
#include "dialogs/parametresclasse.h"
#include "platform/dialogues.h"
#include "sheet/feuille.h"
#include "tests/common/cli.h"
#include "tests/common/pilote.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const char* const Noms[30] = {
    "martin", "bernard", "thomas",  "petit",    "robert",   "richard", "durand",   "dubois",   "moreau",   "laurent",
    "simon",  "michel",  "lefèvre", "leroy",    "roux",     "david",   "bertrand", "morel",    "fournier", "girard",
    "bonnet", "dupont",  "lambert", "fontaine", "rousseau", "vincent", "müller",   "lefebvre", "faure",    "andré"};

std::string Jour(int i) { return (i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1); }
// What calevrin-cli info prints for the student i (from 0).
std::string Ligne(int i, const std::string& prenom, const std::string& date) {
  return std::to_string(i + 1) + ". " + QString::fromUtf8(Noms[i]).toUpper().toStdString() + " " + prenom + " (" +
         date + ")";
}

class NouvelleClasseApp : public Enregistreur {
 protected:
  void SetUp() override {
    FixerValeursProgramme();
    Options = TOptions{};
  }
  // Saves the new sheet under nom; the command line then lists every student in order.
  void SauverEtRelire(TFenetrePrincipale& f, const std::string& nom, const std::vector<std::string>& attendus,
                      const QString& propose) {
    auto* feuille = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
    ASSERT_NE(feuille, nullptr);
    EXPECT_TRUE(feuille->Document().JamaisSauve() && feuille->Document().Modifie() &&
                QString::fromStdString(feuille->Classe().NomFichier).endsWith(propose) &&
                feuille->Classe().PeriodeCourante() == 1 && feuille->Classe().MatiereCourante() == 1);
    sauvegarde_ = QString::fromStdString(dir_ / nom);
    ASSERT_TRUE(feuille->SauverAvecCopie());
    EXPECT_FALSE(feuille->Document().JamaisSauve() || feuille->Document().Modifie());
    const TResultat info = Cli({"info", dir_ / nom});
    const TResultat exp = Cli({"export", dir_ / nom});
    ASSERT_TRUE(info.code == 0 && exp.code == 0) << info.erreurs << exp.erreurs;
    info_ = info.sortie;
    std::size_t pos = info.sortie.find("Élèves : " + std::to_string(attendus.size()) + "\n");
    std::size_t posExp = 0;
    for (const std::string& ligne : attendus) {  // "N. NOM Prénom (date)"; the export has "NOM\t"
      pos = info.sortie.find(ligne, pos);
      ASSERT_NE(pos, std::string::npos) << ligne << "\n" << info.sortie;
      posExp = exp.sortie.find("\r" + ligne.substr(ligne.find(' ') + 1, ligne.find(" (") - ligne.find(' ') - 1) + "\t",
                               posExp);
      ASSERT_NE(posExp, std::string::npos) << ligne;
    }
  }
  TRepertoireTemp dir_;
  QString sauvegarde_;
  std::string info_;
  TRemplacement<pf::TDialogues> dialogues_{
      pf::RemplacerDialogues, {{}, [this](QWidget*, const QString&, const QString&) { return sauvegarde_; }, {}, {}}};
};

}  // namespace

TEST_F(NouvelleClasseApp, TrenteElevesAuClavier) {
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  QuandOuvert<TDialNouvelleClasse>([](TDialNouvelleClasse& d) {
    for (int i = 0; i < 30; ++i) {
      const QString champs[3] = {QString::fromUtf8(Noms[i]), QStringLiteral("prénom"),
                                 QString::fromStdString(Jour(i) + "042012")};
      for (int k = 0; k < 3; ++k) {
        TaperIci(&d, champs[k]);
        Touche(d.focusWidget(), k < 2 ? Qt::Key_Tab : Qt::Key_Return);
      }
    }
    Cliquer(&d, "BitBtn1");
  });
  // Then the class is named, and its subjects.
  QuandOuvrira<TDialParametresClasse>([](TDialParametresClasse& p) {
    Taper(Champ(&p, "Edit1"), "4e/B");
    Cliquer(&p, "BitBtn1");
  });
  QuandOuvrira<TDialMatieres>([](TDialMatieres& m) {
    Taper(Champ(&m, "Edit1"), "Français");
    Taper(Champ(&m, "Edit4"), "Fr");
    Cliquer(&m, "BitBtn1");
  });
  f.Action(pf::TAction::NouvelleClasse)->trigger();
  EXPECT_TRUE(boites_.empty());  // every student had a date: no advice
  std::vector<std::string> attendus;
  for (int i = 0; i < 30; ++i) attendus.push_back(Ligne(i, "Prénom", Jour(i) + "/04/2012"));
  SauverEtRelire(f, "trente.cl3", attendus, "/4e-B.cl3");
  EXPECT_NE(info_.find("Classe : 4e/B\n"), std::string::npos) << info_;
  EXPECT_NE(info_.find("Français"), std::string::npos) << info_;

  // The next new class is proposed beside the last class saved.
  QuandOuvert<TDialNouvelleClasse>([](TDialNouvelleClasse& d) {
    TaperIci(&d, "Zola");
    Cliquer(&d, "BitBtn1");
  });
  QuandOuvrira<TDialParametresClasse>([](TDialParametresClasse& p) { Touche(p.focusWidget(), Qt::Key_Escape); });
  QuandOuvrira<TDialMatieres>([](TDialMatieres& m) { Touche(m.focusWidget(), Qt::Key_Escape); });
  f.Action(pf::TAction::NouvelleClasse)->trigger();
  EXPECT_EQ(QString::fromStdString(dynamic_cast<TFenetreFeuille*>(f.EnfantActif())->Classe().NomFichier),
            QString::fromStdString(dir_ / "CLAS.cl3"));
}

TEST_F(NouvelleClasseApp, ListeImporteeDuSecretariat) {
  std::string csv = "NOM\tPrénom\tNé(e) le\n";
  std::vector<std::string> attendus;
  for (int i = 0; i < 28; ++i) {
    csv += std::string(Noms[i]) + "\tJean-pierre\t" + Jour(i) + "/11/2011\n";
    attendus.push_back(Ligne(i, "Jean-Pierre", Jour(i) + "/11/2011"));
  }
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  QuandOuvert<TDialNouvelleClasse>([&csv](TDialNouvelleClasse& d) {
    QuandOuvert<TDialImportListe>([&csv](TDialImportListe& i) {
      i.Lire(csv, "liste.tsv");
      Cliquer(&i, "BoutonImporter");
    });
    Cliquer(&d, "BoutonImporter");
    Cliquer(&d, "BitBtn1");
  });
  QuandOuvrira<TDialParametresClasse>([](TDialParametresClasse& p) { Cliquer(&p, "BoutonAnnuler"); });
  QuandOuvrira<TDialMatieres>([](TDialMatieres& m) { Cliquer(&m, "BoutonAnnuler"); });
  f.Action(pf::TAction::NouvelleClasse)->trigger();
  SauverEtRelire(f, "importee.cl3", attendus, "/CLAS.cl3");
  QuandOuvert<TDialNouvelleClasse>([](TDialNouvelleClasse& d) { Touche(d.focusWidget(), Qt::Key_Escape); });
  const auto avant = f.findChildren<TFenetreFeuille*>().size();
  f.Action(pf::TAction::NouvelleClasse)->trigger();  // cancelled: no window
  EXPECT_EQ(f.findChildren<TFenetreFeuille*>().size(), avant);
}
