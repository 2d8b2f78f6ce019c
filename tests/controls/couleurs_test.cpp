#include "controls/couleurs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "platform/profil.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

const TCouleurPanneau Rouge = 0x0000FF;  // red in the lowest byte
const TCouleurPanneau Bleu = 0xFF0000;

class Couleurs : public ::testing::Test {
 protected:
  void SetUp() override {
    fichier_ = rep_ / "colorperso.ini";
    TMaColorDialog::FixerFichier(QString::fromStdString(fichier_));
  }
  void TearDown() override { TMaColorDialog::FixerFichier(QString()); }
  std::string Lire(int i) { return pf::LireProfil("ColorPerso", "nColor" + std::to_string(i), "", fichier_); }
  test::TRepertoireTemp rep_;
  std::string fichier_;
};

// Closes the chooser that the next exec() opens, after choosing c when given.
void Repondre(bool confirmer, TCouleurPanneau c = 0) {
  QTimer::singleShot(0, [=] {
    auto* d = qobject_cast<TMaColorDialog*>(QApplication::activeModalWidget());
    if (!d) return ADD_FAILURE() << "pas de dialogue ouvert";
    d->FixerColor(c);
    if (confirmer)
      d->accept();
    else
      d->reject();
  });
}

}  // namespace

TEST_F(Couleurs, FichierDesCouleursPersonnelles) {
  // Qt remembers custom colours of its own; they must not show through ours. Pure red and pure
  // blue catch a swapped byte order on the way in and out.
  QColorDialog::setCustomColor(3, Qt::green);
  QColorDialog::setCustomColor(5, Qt::green);
  pf::EcrireProfil("ColorPerso", "nColor3", "ColorD=ff0000", fichier_);
  {
    TMaColorDialog d;
    EXPECT_EQ(QColorDialog::customColor(3), QColor(0, 0, 255));
    EXPECT_EQ(QColorDialog::customColor(5), QColor(Qt::white));
    QColorDialog::setCustomColor(0, QColor(255, 0, 0));
  }
  std::string lues;
  for (int i = 0; i < 16; ++i)
    lues += Lire(i).substr(0, 7) + (i == 0 || i == 3 || i == 5 ? Lire(i).substr(7) : "") + " ";
  EXPECT_EQ(lues,
            "ColorA=0000ff ColorB= ColorC= ColorD=ff0000 ColorE= ColorF=ffffff ColorG= ColorH= ColorI= ColorJ= ColorK= "
            "ColorL= ColorM= ColorN= ColorO= ColorP= ");
}

TEST_F(Couleurs, PanneauChoisitOuGardeSaCouleur) {
  TColorPanel panneau;
  panneau.FixerColor(Rouge);
  int changes = 0;
  panneau.OnChange = [&](TColorPanel* p) { changes += p == &panneau; };
  Repondre(false, Bleu);
  QTest::mouseClick(&panneau, Qt::LeftButton);
  EXPECT_TRUE(panneau.Color() == Rouge && changes == 0);
  EXPECT_EQ(Lire(15), "ColorP=ffffff");  // written on a cancel too

  Repondre(true, Bleu);
  panneau.setFocus();
  QTest::keyClick(&panneau, Qt::Key_Space);
  EXPECT_TRUE(panneau.Color() == Bleu && changes == 1);
}
