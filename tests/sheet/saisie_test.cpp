#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <memory>

#include "model/alertes.h"
#include "model/options.h"
#include "platform/canevasqt.h"
#include "platform/messages.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/dialoguesnuls.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

class SaisieTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Options = TOptions{};
    const std::string copie = dir_ / "4eB.cl3";
    std::filesystem::copy_file(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", copie);
    f_ = std::make_unique<TFenetreFeuille>(TDocumentClasse::Ouvrir(copie, Options), dialogues_, Options);
    f_->resize(1000, 700);
    f_->show();
    f_->viewport()->grab();  // a first paint sets the origins
  }
  void TearDown() override { f_.reset(); }
  // The pointer over the middle of cell (row, test).
  void Survoler(int ligne, int colonne) {
    QTest::mouseMove(f_->viewport(), f_->Geometrie().ZoneCellule(ligne, colonne).center());
  }
  // What the screen shows, partial repaints included (grab() would paint afresh).
  QImage Ecran() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(f_->winId()).toImage();
  }
  std::string Note(int e, int k) { return f_->Classe().Eleve(e).Note(1, 1, k).Texte(); }
  void Taper(const char* texte, Qt::Key fin) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(texte));
    QTest::keyClick(&f_->Editeur(), fin);
  }

  test::TRepertoireTemp dir_;
  test::TDialoguesNuls dialogues_;
  std::unique_ptr<TFenetreFeuille> f_;
  std::vector<QString> messages_;
  int bips_ = 0;
  test::TRemplacement<pf::TFonctionMessage> boite_{pf::RemplacerBoiteMessage,
                                                   [this](const QString& t, pf::TGenreMessage, int) {
                                                     messages_.push_back(t);
                                                     return pf::TReponse::OK;
                                                   }};
  test::TRemplacement<TAlertes> alertes_{
      RemplacerAlertes,
      {[this](TGenreAlerte, const std::string& t) { messages_.push_back(QString::fromStdString(t)); },
       [this] { ++bips_; }}};
};

}  // namespace

TEST_F(SaisieTest, UneColonneAuClavier) {
  Survoler(1, 2);
  ASSERT_TRUE(f_->SourisSurCase);
  EXPECT_EQ(f_->TexteCase(), QStringLiteral(" ANDRÉ/Dev2: Nombres relatifs"));
  QTest::keyClick(f_.get(), Qt::Key_1);  // a digit opens the editor with it
  ASSERT_TRUE(f_->SaisieEnCours());
  Taper("4", Qt::Key_Down);
  EXPECT_EQ(Note(1, 2), "14");
  EXPECT_TRUE(f_->Modifie());
  EXPECT_EQ(f_->Etat().LigneCourante, 2);  // Down moved on to the next student
  QTest::keyClick(f_.get(), Qt::Key_Return);
  f_->Editeur().clear();
  Taper("abs", Qt::Key_Down);
  EXPECT_EQ(Note(2, 2), "abs");
  QTest::keyClick(f_.get(), Qt::Key_F2);
  EXPECT_EQ(f_->Editeur().text(), "disp");
  QTest::keyClick(&f_->Editeur(), Qt::Key_Escape);  // Escape keeps the old grade
  EXPECT_EQ(Note(3, 2), "16.5");
  QTest::keyClick(f_.get(), Qt::Key_B);
  Taper("+", Qt::Key_Return);
  EXPECT_EQ(Note(3, 2), "B+");             // a letter of the table is stored in capitals
  EXPECT_EQ(f_->Etat().LigneCourante, 3);  // Enter stays

  // Five characters cannot be typed; 25 is out of range and keeps the editor open.
  QTest::keyClick(f_.get(), Qt::Key_1);
  Taper("2.25", Qt::Key_Return);
  EXPECT_EQ(Note(3, 2), "12.2");
  QTest::keyClick(f_.get(), Qt::Key_2);
  Taper("5", Qt::Key_Return);
  EXPECT_TRUE(f_->SaisieEnCours() && Note(3, 2) == "12.2");
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_.back(), QStringLiteral("Le nombre 25.00 est en dehors du domaine de validité.\r( De 0 à 20 )"));

  // While typing, the commands that change the view refuse.
  f_->ChangerPeriode(2);
  EXPECT_EQ(messages_.back(), QStringLiteral("Terminer d'abord la saisie de la note !"));
  EXPECT_EQ(f_->Classe().PeriodeCourante(), 1);
  QTest::keyClick(&f_->Editeur(), Qt::Key_Escape);

  // Up from the first student stores and goes to the coefficient row.
  Survoler(1, 1);
  QTest::keyClick(f_.get(), Qt::Key_9);
  QTest::keyClick(&f_->Editeur(), Qt::Key_Up);
  EXPECT_TRUE(Note(1, 1) == "9" && f_->Etat().LigneCourante == 0);

  // A French keypad's decimal key types a comma: the half point is a grade all the same.
  Survoler(2, 1);
  QTest::keyClick(f_.get(), Qt::Key_1);
  QTest::keyClick(&f_->Editeur(), Qt::Key_2);
  QTest::keyClick(&f_->Editeur(), Qt::Key_Comma, Qt::KeypadModifier);
  Taper("5", Qt::Key_Return);
  EXPECT_EQ(Note(2, 1), "12.5");
}

TEST_F(SaisieTest, CoefficientsEtCasesInterdites) {
  f_->Document().Modifier(QStringLiteral("le coefficient"), {TCodeChangement::CoefficientDevoir, 1, 3, 0},
                          [](TClasse& c) {
                            c.Devoir(1, 1, 3).Coef = 1.25;
                            return true;
                          });
  f_->Document().EffacerModifie();
  Survoler(0, 3);
  ASSERT_TRUE(f_->SourisSurCase);
  QTest::keyClick(f_.get(), Qt::Key_Return);
  EXPECT_EQ(f_->Editeur().text(), "1.3");  // shown with one decimal...
  QTest::keyClick(&f_->Editeur(), Qt::Key_Return);
  EXPECT_EQ(f_->Classe().Devoir(1, 1, 3).Coef, 1.25);  // ...but kept exact when untouched
  EXPECT_FALSE(f_->Modifie());

  QTest::keyClick(f_.get(), Qt::Key_A);  // a letter is no coefficient: refused silently
  const std::size_t avant = messages_.size();
  QTest::keyClick(&f_->Editeur(), Qt::Key_Return);
  EXPECT_TRUE(f_->SaisieEnCours());
  EXPECT_EQ(messages_.size(), avant);
  f_->Editeur().setText("0");
  QTest::keyClick(&f_->Editeur(), Qt::Key_Return);
  EXPECT_EQ(f_->Classe().Devoir(1, 1, 3).Coef, 0.0);

  // No entry in the year view, in preview, or once the pointer has left the sheet.
  f_->ChangerPeriode(4);
  QTest::keyClick(f_.get(), Qt::Key_5);
  EXPECT_FALSE(f_->SaisieEnCours());
  f_->ChangerPeriode(1);
  Survoler(2, 2);
  f_->BasculerApercu();
  QTest::keyClick(f_.get(), Qt::Key_5);
  EXPECT_FALSE(f_->SaisieEnCours());
  f_->BasculerApercu();
  Survoler(2, 8);  // test 8 does not exist in this period
  EXPECT_FALSE(f_->SourisSurCase);
  const int bips = bips_;
  QTest::keyClick(f_.get(), Qt::Key_5);
  EXPECT_FALSE(f_->SaisieEnCours());
  EXPECT_EQ(bips_, bips + 1);
  for (int k = 7; k <= 24; ++k) EXPECT_TRUE(f_->Classe().Eleve(2).Note(1, 1, k).Vide());
}

// A teacher who never touches the mouse: the arrows choose the cell, typing enters the grade,
// and the partial repaints leave the sheet exactly as a full paint draws it (one cursor mark).
TEST_F(SaisieTest, ToutAuClavierSansTraceDeCurseur) {
  QTest::mouseMove(f_->viewport(), QPoint(f_->viewport()->width() - 5, f_->viewport()->height() - 5));
  ASSERT_FALSE(f_->SourisSurCase);
  QTest::keyClick(f_.get(), Qt::Key_Down);  // the first arrow shows the first grade
  QTest::keyClick(f_.get(), Qt::Key_Down);
  QTest::keyClick(f_.get(), Qt::Key_Right);
  QTest::keyClick(f_.get(), Qt::Key_E, Qt::AltModifier);  // a menu's key, not a grade
  QTest::keyClick(f_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(f_->SaisieEnCours());
  QTest::keyClick(f_.get(), Qt::Key_1);
  ASSERT_TRUE(f_->SaisieEnCours());
  Taper("1", Qt::Key_Return);
  EXPECT_EQ(Note(2, 2), "11");
  QTest::keyClick(f_.get(), Qt::Key_F1);
  QTest::keyClick(&f_->Editeur(), Qt::Key_Down);
  EXPECT_EQ(Note(2, 2), "abs");
  EXPECT_EQ(f_->Etat().LigneCourante, 3);
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) QTest::keyClick(f_.get(), k);
  const QImage partiel = Ecran();
  f_->viewport()->update();
  const QImage complet = Ecran();
  EXPECT_TRUE(partiel == complet);

  // The background is the option colour, never the widget's white.
  QWidget* v = f_->viewport();
  const QColor fond = partiel.pixelColor(v->mapTo(f_.get(), QPoint(v->width() - 3, v->height() - 3)));
  EXPECT_EQ(fond, QColor(192, 192, 192));
  f_->BasculerApercu();
  const QImage apercu = f_->viewport()->grab().toImage();
  EXPECT_EQ(apercu.pixelColor(3, 3), QColor(pf::TCanevasQt::Couleur(Options.couleur[11])));
}

// A typed grade repaints its cell, its row's averages and the class averages: not the whole
// sheet, although the focus goes to the editor and back.
TEST_F(SaisieTest, UneNoteNeRepeintQueSesMoyennes) {
  struct TPeintures : QObject {
    QRegion zone;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) zone += static_cast<QPaintEvent*>(e)->region();
      return false;
    }
  } peintures;
  f_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f_.get()));
  f_->setFocus();
  Survoler(3, 2);
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  f_->viewport()->installEventFilter(&peintures);
  QTest::keyClick(f_.get(), Qt::Key_7);
  Taper("", Qt::Key_Return);
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(Note(3, 2), "7");
  const QRegion cellule = f_->Geometrie().ZoneCellule(3, 2);
  EXPECT_FALSE(peintures.zone.intersected(cellule).isEmpty());
  EXPECT_FALSE(peintures.zone.contains(f_->Geometrie().ZoneCellule(1, 1)));
}
