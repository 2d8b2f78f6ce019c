#include "controls/saisienombre.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/messages.h"
#include "tests/common/remplacement.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

// The options dialog's maximum grade: whole numbers 0..24, step 1.
struct TNote {
  TSaisieNombre sn;
  TNote() {
    sn.FixerMax(24);
    sn.FixerTexte1(QStringLiteral("Note, de 0 à"));
    sn.FixerAfficherT2(false);
  }
  QPushButton* Bouton(const char* nom) { return sn.findChild<QPushButton*>(nom); }
  void Taper(const QString& t) {
    sn.Edit()->clear();
    QTest::keyClicks(sn.Edit(), t);
  }
};

}  // namespace

TEST(SaisieNombre, FiltreValeurEtBornes) {
  int bips = 0;
  test::TRemplacement bip(pf::RemplacerBip, [&] { ++bips; });
  TNote n;
  EXPECT_EQ(n.sn.Edit()->toolTip(), QStringLiteral("De 0 à 24"));
  EXPECT_EQ(n.sn.findChild<QWidget*>("Texte1")->property("text").toString(), QStringLiteral("Note, de 0 à:"));

  n.Taper(QStringLiteral("12."));
  EXPECT_TRUE(n.sn.Edit()->text() == "12" && bips == 1 && n.sn.ValeurI() == 12);

  // Out of the range: invalid even when disabled, read as Min, and the buttons jump to the ends.
  n.Taper(QStringLiteral("30"));
  n.sn.FixerEnabled(false);
  EXPECT_FALSE(n.sn.Valide() || n.sn.ValeurI() != 0);
  n.sn.FixerEnabled(true);
  QTest::mouseClick(n.Bouton("BoutonPlus"), Qt::LeftButton);
  EXPECT_EQ(n.sn.Edit()->text(), QStringLiteral("24"));
  n.Taper(QStringLiteral("30"));
  QTest::mouseClick(n.Bouton("BoutonMoins"), Qt::LeftButton);
  EXPECT_EQ(n.sn.ValeurI(), 0);
  n.sn.FixerValeurI(23);
  QTest::keyClick(n.sn.Edit(), Qt::Key_Up);
  QTest::keyClick(n.sn.Edit(), Qt::Key_Up);
  n.sn.FixerValeurI(30);
  EXPECT_EQ(n.sn.Edit()->text(), QStringLiteral("24"));

  // Real mode: the comma is typed as the point; values written without trailing zeros.
  TSaisieNombre r;
  r.FixerMode(TModeSN::mReal);
  r.FixerMax(5);
  r.VInc = 0.25;
  r.Edit()->clear();
  QTest::keyClicks(r.Edit(), QStringLiteral("1,5"));
  EXPECT_DOUBLE_EQ(r.ValeurR(), 1.5);
  r.Incrementer();
  EXPECT_EQ(r.Edit()->text(), QStringLiteral("1.75"));
  r.FixerValeurR(2.0);
  EXPECT_TRUE(r.Edit()->text() == "2" && bips == 1);

  int changes = 0;
  n.sn.OnChange = [&](QLineEdit*) { ++changes; };
  n.sn.OnChangeActif = false;
  n.Taper(QStringLiteral("7"));
  n.sn.OnChangeActif = true;
  n.Taper(QStringLiteral("8"));
  EXPECT_EQ(changes, 2);  // cleared, then typed
}

// The repeat runs on its timer's beats, given here by hand: the test never waits.
TEST(SaisieNombre, RepetitionDuBouton) {
  TNote n;
  n.sn.FixerValeurI(5);
  QPushButton* plus = n.Bouton("BoutonPlus");
  QTest::mousePress(plus, Qt::LeftButton);
  ASSERT_TRUE(n.sn.Minuterie()->isActive() && n.sn.Minuterie()->interval() == 100);
  for (int tick = 1; tick <= 6; ++tick) n.sn.Repeter();
  EXPECT_EQ(n.sn.ValeurI(), 5);
  for (int tick = 7; tick <= 10; ++tick) n.sn.Repeter();
  EXPECT_EQ(n.sn.ValeurI(), 9);
  QTest::mouseRelease(plus, Qt::LeftButton);
  EXPECT_TRUE(n.sn.ValeurI() == 10 && !n.sn.Minuterie()->isActive());

  // A new press starts counting again from zero.
  QTest::mousePress(n.Bouton("BoutonMoins"), Qt::LeftButton);
  for (int tick = 1; tick <= 6; ++tick) n.sn.Repeter();
  QTest::mouseRelease(n.Bouton("BoutonMoins"), Qt::LeftButton);
  EXPECT_EQ(n.sn.ValeurI(), 9);
}
