// A class started from nothing through "&Nouvelle classe...", saved, reopened and read back by
// the command line: every student in order with the birth date typed or imported.
#include <QMdiSubWindow>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "dialogs/importliste.h"
#include "dialogs/nouvelleclasse.h"
#include "platform/dialogues.h"
#include "sheet/feuille.h"
#include "tests/common/cli.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const char* const Noms[30] = {"martin",   "bernard", "thomas",  "petit",   "robert", "richard", "durand",
                              "dubois",   "moreau",  "laurent", "simon",   "michel", "lefèvre", "leroy",
                              "roux",     "david",   "bertrand", "morel",  "fournier", "girard", "bonnet",
                              "dupont",   "lambert", "fontaine", "rousseau", "vincent", "müller", "lefebvre",
                              "faure",    "andré"};

QString Date(int i) { return QStringLiteral("%1%2").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg("042012"); }

class NouvelleClasseApp : public Enregistreur {
 protected:
  void SetUp() override {
    Enregistreur::SetUp();
    FixerValeursProgramme();
    Options = TOptions{};
    dialogues_ = pf::RemplacerDialogues({{}, [this](QWidget*, const QString&, const QString&) { return sauvegarde_; }, {}, {}});
  }
  void TearDown() override {
    pf::RemplacerDialogues(dialogues_);
    Enregistreur::TearDown();
  }
  // Saves the new sheet under nom, then checks the file through the command line.
  void SauverEtRelire(TMDI& f, const std::string& nom, const std::vector<std::string>& attendus) {
    auto* feuille = dynamic_cast<TChild*>(f.EnfantActif());
    ASSERT_NE(feuille, nullptr);
    EXPECT_TRUE(feuille->Document().JamaisSauve() && feuille->Document().Modifie());
    EXPECT_TRUE(QString::fromStdString(feuille->Classe().NomFichier).endsWith("/Classe.cl3"));
    EXPECT_TRUE(feuille->Classe().PeriodeCourante() == 1 && feuille->Classe().MatiereCourante() == 1);
    sauvegarde_ = QString::fromStdString(dir_ / nom);
    ASSERT_TRUE(feuille->SauverAvecCopie());
    EXPECT_FALSE(feuille->Document().JamaisSauve() || feuille->Document().Modifie());

    const TResultat info = Cli({"info", dir_ / nom});
    ASSERT_EQ(info.code, 0) << info.erreurs;
    std::size_t pos = info.sortie.find("Élèves : " + std::to_string(attendus.size()) + "\n");
    EXPECT_NE(pos, std::string::npos) << info.sortie;
    for (const std::string& ligne : attendus) {
      pos = info.sortie.find(ligne, pos);
      ASSERT_NE(pos, std::string::npos) << ligne << "\n" << info.sortie;
    }
    const TResultat exp = Cli({"export", dir_ / nom});
    ASSERT_EQ(exp.code, 0);
    pos = 0;
    for (const std::string& ligne : attendus) {  // "N. NOM Prénom (date)": the name, in order
      const std::string nom = ligne.substr(ligne.find(' ') + 1, ligne.find(" (") - ligne.find(' ') - 1);
      pos = exp.sortie.find("\r" + nom + "\t", pos);
      ASSERT_NE(pos, std::string::npos) << nom;
    }

    auto relu = TDocumentClasse::Ouvrir(dir_ / nom);
    EXPECT_EQ(relu->Classe().NbEleves(), static_cast<int>(attendus.size()));
  }
  TRepertoireTemp dir_;
  pf::TDialogues dialogues_;
  QString sauvegarde_;
};

}  // namespace

TEST_F(NouvelleClasseApp, TrenteElevesAuClavier) {
  TMDI f(dir_ / "calevrin.ini");
  QuandOuvert<TDial01>([](TDial01& d) {
    for (int i = 0; i < 30; ++i) {
      TaperIci(&d, QString::fromUtf8(Noms[i]));
      Touche(d.focusWidget(), Qt::Key_Tab);
      TaperIci(&d, QStringLiteral("prénom"));
      Touche(d.focusWidget(), Qt::Key_Tab);
      TaperIci(&d, Date(i));
      Touche(d.focusWidget(), Qt::Key_Return);
    }
    Cliquer(&d, "BitBtn1");
  });
  f.Action("M10")->trigger();
  EXPECT_TRUE(boites_.empty());  // every student had a date: no advice
  std::vector<std::string> attendus;
  for (int i = 0; i < 30; ++i) {
    const QString d = Date(i);
    attendus.push_back(std::to_string(i + 1) + ". " + QString::fromUtf8(Noms[i]).toUpper().toStdString() +
                       " Prénom (" + d.left(2).toStdString() + "/04/2012)");
  }
  SauverEtRelire(f, "trente.cl3", attendus);
}

TEST_F(NouvelleClasseApp, ListeImporteeDuSecretariat) {
  std::string csv = "NOM\tPrénom\tNé(e) le\n";
  std::vector<std::string> attendus;
  for (int i = 0; i < 28; ++i) {
    csv += std::string(Noms[i]) + "\tJean-pierre\t" + Date(i).toStdString().substr(0, 2) + "/11/2011\n";
    attendus.push_back(std::to_string(i + 1) + ". " + QString::fromUtf8(Noms[i]).toUpper().toStdString() +
                       " Jean-Pierre (" + Date(i).toStdString().substr(0, 2) + "/11/2011)");
  }
  TMDI f(dir_ / "calevrin.ini");
  QuandOuvert<TDial01>([&csv](TDial01& d) {
    QuandOuvert<TDialImportListe>([&csv](TDialImportListe& i) {
      i.Lire(csv, "liste.tsv");
      Cliquer(&i, "BoutonImporter");
    });
    Cliquer(&d, "BoutonImporter");
    Cliquer(&d, "BitBtn1");
  });
  f.Action("M10")->trigger();
  SauverEtRelire(f, "importee.cl3", attendus);
  QuandOuvert<TDial01>([](TDial01& d) { Touche(d.focusWidget(), Qt::Key_Escape); });
  const int avant = static_cast<int>(f.findChildren<TChild*>().size());
  f.Action("M10")->trigger();  // cancelled: no window
  EXPECT_EQ(static_cast<int>(f.findChildren<TChild*>().size()), avant);
}
