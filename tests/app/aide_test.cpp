// Every help page a window opens names that window by its caption: a teacher who pressed "Aide"
// sees at once that the page is about the window in front of him.
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextDocument>
#include <QToolButton>
#include <filesystem>
#include <vector>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "sheet/feuille.h"
#include "tests/common/exemple.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

QString TextePage(const QString& sujet) {
  QFile f(QStringLiteral(":/aide/") + sujet + QStringLiteral(".html"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QTextDocument d;
  d.setHtml(QString::fromUtf8(f.readAll()));
  return d.toPlainText().simplified();
}

// The window's name in its caption, without the class or month it begins with ("4EB: ") and
// the class or year it ends with (" ( 4EB )").
QString Fixe(QString titre) {
  const qsizetype fin = titre.indexOf(QLatin1String(" ("));
  if (fin > 0) titre.truncate(fin);
  const qsizetype debut = titre.indexOf(QLatin1String(": "));
  if (debut > 0) titre.remove(0, debut + 2);
  return titre.simplified();
}

struct TVu {
  QString sujet;
  QString titre;
};

class AideTest : public test::Enregistreur {
 protected:
  void SetUp() override { FixerValeursProgramme(); }

  // Presses the window's help button and notes the topic it asked for.
  void Noter(QWidget& fenetre) {
    QAbstractButton* aide = nullptr;
    for (const char* nom : {"BoutonAide", "SpeedButton1", "BitBtn2"})
      if (!aide) aide = fenetre.findChild<QAbstractButton*>(QLatin1String(nom));
    if (!aide) {
      ADD_FAILURE() << "pas de bouton Aide dans « " << fenetre.windowTitle().toStdString() << " »";
      return;
    }
    const std::size_t avant = sujets_.size();
    aide->click();
    if (sujets_.size() == avant + 1)
      vus_.push_back({sujets_.back(), fenetre.windowTitle()});
    else
      ADD_FAILURE() << "l'aide de « " << fenetre.windowTitle().toStdString() << " » ne demande aucune page";
  }

  void OuvrirDialogue(QAction* action) {
    QuandOuvert<QDialog>([this](QDialog& d) {
      Noter(d);
      d.reject();
    });
    action->trigger();
  }

  test::TRepertoireTemp dir_;
  std::vector<TVu> vus_;
};

}  // namespace

TEST_F(AideTest, ChaquePageNommeSaFenetre) {
  const std::string classe = CopieExemple(dir_);
  TFenetrePrincipale f(dir_ / "calevrin.ini");
  f.resize(1200, 800);
  f.show();
  ASSERT_TRUE(f.OuvrirFichier(classe));
  auto* feuille = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
  ASSERT_NE(feuille, nullptr);

  using A = plateforme::TAction;
  for (A a : {A::AjouterEleve, A::InsererEleve, A::SupprimerEleve, A::ModifierEleves, A::ParametresClasse,
              A::AjouterDevoir, A::InsererDevoir, A::ModifierDevoirs, A::SupprimerDevoir, A::ImporterNotes,
              A::CoefficientsMatieres, A::Matieres, A::Classement, A::Ages, A::Anniversaires})
    OuvrirDialogue(feuille->Action(a));
  // The ranking's caption is its title ("4EB / Mathématiques / Trim.1"): its name is the command's.
  for (TVu& v : vus_)
    if (v.sujet == QStringLiteral("ClassementDesEleves"))
      v.titre = feuille->Action(A::Classement)->text().remove('&').remove(QStringLiteral("..."));
  for (A a : {A::NouvelleClasse, A::Options, A::FichesEleves}) OuvrirDialogue(f.Action(a));

  QMdiSubWindow* cadreFeuille = f.Zone()->currentSubWindow();
  for (A a : {A::StatEvolution, A::StatDevoir, A::StatMoyennes, A::Bilan}) {
    f.Zone()->setActiveSubWindow(cadreFeuille);
    feuille->Action(a)->trigger();
    QWidget* stat = f.Zone()->currentSubWindow()->widget();
    ASSERT_NE(stat, feuille);
    Noter(*stat);
    // Its print dialog, with its own page.
    QuandOuvert<QDialog>([this](QDialog& d) {
      Noter(d);
      d.reject();
    });
    stat->findChild<QToolButton*>(QStringLiteral("SB32"))->click();
  }

  EXPECT_GE(vus_.size(), 26u);
  for (const TVu& v : vus_) {
    const QString page = TextePage(v.sujet);
    EXPECT_FALSE(page.isEmpty()) << "pas de page " << v.sujet.toStdString();
    EXPECT_TRUE(page.contains(Fixe(v.titre), Qt::CaseInsensitive))
        << v.sujet.toStdString() << " ne nomme pas sa fenêtre « " << Fixe(v.titre).toStdString() << " » ("
        << v.titre.toStdString() << ")";
  }
  f.Zone()->closeAllSubWindows();
}
