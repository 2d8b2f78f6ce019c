#include "dialogs/choixdevoir.h"
#include "dialogs/infosdevoirs.h"
#include "dialogs/notesdevoir.h"
#include "dialogs/nouveaudevoir.h"
#include "model/edition.h"
#include "tests/common/pilote.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const TDateJour Mercredi{2024, 9, 25};

// Three students, two tests in Maths (subject 2), trimester 3; student e has 10 e + k in test k.
std::unique_ptr<TClasse> Classe() {
  auto c = std::make_unique<TClasse>();
  for (int e = 1; e <= 3; ++e) AjouterEleve(*c, "ELEVE" + std::to_string(e), "prenom" + std::to_string(e), "", Options);
  c->Abreviation.Affecter("4A");
  c->Matiere(2).Nom.Affecter("Maths");
  c->FixerMatiereCourante(2);
  c->FixerPeriodeCourante(3);
  for (int k = 1; k <= 2; ++k) {
    AjouterDevoir(*c, "d" + std::to_string(k), "1h", 1.0, "devoir " + std::to_string(k));
    for (int e = 1; e <= 3; ++e) c->Eleve(e).Note(2, 3, k).Affecter(std::to_string(10 * e + k));
  }
  return c;
}

std::string Note(const TClasse& c, int e, int k) { return c.Eleve(e).Note(2, 3, k).Texte(); }
QComboBox* Liste(QWidget* d) { return d->findChild<QComboBox*>("CB"); }

class Devoirs : public Enregistreur {
 protected:
  void TearDown() override {  // these dialogs only warn
    for (const pf::TGenreMessage g : genres_) EXPECT_EQ(g, pf::TGenreMessage::Avertissement);
  }
  TOptions o_;
  std::unique_ptr<TClasse> c_ = Classe();
};

}  // namespace

TEST_F(Devoirs, DateProposeeDeplaceeParLesTouches) {
  TDialNouveauDevoir d(nullptr, *c_, "Ajouter", 3, o_, Mercredi);
  EXPECT_EQ(d.windowTitle(), "Ajouter un nouveau devoir ( 4A )");
  EXPECT_EQ(d.findChild<QGroupBox*>("GB1")->title(), " 4A / Maths / Trim.3 / Devoir 3 ");
  QLineEdit* date = Champ(&d, "Edit1");
  EXPECT_EQ(date->text(), "mer. 25 sep");  // "mer. 25 sept." cut to the 11 of the field
  Touche(date, Qt::Key_Down, 3);
  Touche(date, Qt::Key_Up);
  EXPECT_EQ(date->text(), "ven. 27 sep");
  Touche(date, Qt::Key_PageUp);
  Touche(date, Qt::Key_Left, 2);
  Taper(date, "lundi");  // typed freely, until the next key
  Touche(date, Qt::Key_PageDown);
  EXPECT_EQ(date->text(), "mer. 25 sep");

  using Cas = std::tuple<TDateJour, int, const char*>;  // today, days moved by Down (Up when negative)
  for (const auto& [jour, jours, attendu] : {Cas{{2024, 2, 28}, 2, "ven. 1 mars"}, Cas{{2024, 3, 1}, -1, "jeu. 29 fév"},
                                             Cas{{2024, 12, 31}, 1, "mer. 1 jan."}, Cas{{2024, 8, 5}, 0, "lun. 5 aout"},
                                             Cas{{2024, 7, 14}, 0, "dim. 14 jui"}}) {
    TDialNouveauDevoir e(nullptr, *c_, "Ajouter", 3, o_, jour);
    Touche(Champ(&e, "Edit1"), jours < 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(jours));
    EXPECT_EQ(Champ(&e, "Edit1")->text(), QString::fromUtf8(attendu));
  }
}

TEST_F(Devoirs, NouveauDevoirParLesDeuxBoutons) {
  const auto avant = Image(*c_);
  {  // Enter validates with the first button; the grades are then typed in list order
    TDialNouveauDevoir d(nullptr, *c_, "Ajouter", 3, o_, Mercredi);
    d.show();
    Taper(Champ(&d, "Edit2"), "1h30");
    Taper(Champ(&d, "Edit3"), "2.5");
    Taper(Champ(&d, "Edit4"), "Fractions, problème");
    QuandOuvert<TDialNotesDevoir>([](TDialNotesDevoir& n) {
      for (const char* t : {"12", "b+", "abs"}) {
        Taper(Champ(&n, "Edit1"), t);
        Touche(Champ(&n, "Edit1"), Qt::Key_Return);
      }
      Cliquer(&n, "BoutonValider");
    });
    Touche(Champ(&d, "Edit4"), Qt::Key_Return);
    EXPECT_EQ(d.result(), DialogueConfirme);
  }
  ASSERT_EQ(c_->NbDevoirs(2, 3), 3);
  const TDevoir& t = c_->Devoir(2, 3, 3);
  EXPECT_TRUE(t.Date == "mer. 25 sep" && t.Duree == "1h30" && t.Coef == 2.5 &&
              t.Commentaire == W("Fractions, problème"));
  EXPECT_EQ(Note(*c_, 1, 3) + Note(*c_, 2, 3) + Note(*c_, 3, 3), "12B+abs");

  // Grades cancelled, then the test: nothing of either stays in the class.
  auto c = Classe();
  TDialNouveauDevoir e(nullptr, *c, "Ajouter", 3, o_, Mercredi);
  e.show();
  Taper(Champ(&e, "Edit4"), "oublié");
  QuandOuvert<TDialNotesDevoir>([](TDialNotesDevoir& n) {
    Taper(Champ(&n, "Edit1"), "15");
    Touche(Champ(&n, "Edit1"), Qt::Key_Return);
    Touche(Champ(&n, "Edit1"), Qt::Key_Escape);
  });
  Cliquer(&e, "Button1");
  EXPECT_TRUE(e.isVisible() && e.focusWidget() == Champ(&e, "Edit1"));
  Touche(Champ(&e, "Edit2"), Qt::Key_Escape);
  EXPECT_EQ(e.result(), DialogueAnnule);
  EXPECT_EQ(Image(*c), avant);
}

TEST_F(Devoirs, CoefficientRefuse) {
  TDialNouveauDevoir d(nullptr, *c_, "Ajouter", 3, o_, Mercredi);
  d.show();
  QLineEdit* coef = Champ(&d, "Edit3");
  for (const char* t : {"12", "abc", "", "1,,5", "-"}) {
    Taper(coef, t);
    Cliquer(&d, "Button2");
  }
  EXPECT_EQ(avertis_, std::vector<std::string>{"Le nombre 12.00 est en dehors du domaine de validité.\r( De 0 à 10 )"});
  EXPECT_EQ(boites_, std::vector<QString>(4, QStringLiteral("Le coefficient du devoir doit être un nombre")));
  EXPECT_TRUE(d.isVisible() && d.focusWidget() == coef && c_->NbDevoirs(2, 3) == 2);

  o_.verification = false;  // any number then, but still a number
  Taper(coef, "x");
  Cliquer(&d, "Button2");
  EXPECT_EQ(boites_.size(), 5u);
  Taper(coef, "12,5");  // the keypad's decimal key
  Cliquer(&d, "Button2");
  EXPECT_TRUE(d.result() == DialogueConfirme && c_->Devoir(2, 3, 3).Coef == 12.5);
}

TEST_F(Devoirs, NotesSaisiesEnColonne) {
  const auto avant = Image(*c_);
  {
    TDialNotesDevoir n(nullptr, *c_, 2, o_);
    n.show();
    QLineEdit* note = Champ(&n, "Edit1");
    auto* groupe = n.findChild<QGroupBox*>("GB1");
    EXPECT_EQ(groupe->title(), " ELEVE1 Prenom1 ");  // names normalised by AjouterEleve
    Taper(note, "9");
    Cliquer(&n, "BoutonPrecedent");  // the first student stays, with the grade typed
    EXPECT_TRUE(n.EleveCourant() == 1 && note->text() == "9");
    Touche(note, Qt::Key_Return);
    EXPECT_EQ(groupe->title(), " ELEVE2 Prenom2 ");
    Taper(note, "20.5");
    Touche(note, Qt::Key_Return);  // refused: the student does not change
    EXPECT_TRUE(avertis_.size() == 1 && n.EleveCourant() == 2);
    Taper(note, "12.345");
    EXPECT_EQ(note->text(), "12.3");
    Taper(note, "é→");  // no Windows-1252 form for the arrow
    EXPECT_EQ(note->text(), "é");
    for (const char* t : {"ret", "a"}) {
      Taper(note, t);
      Touche(note, Qt::Key_Return);
    }
    EXPECT_EQ(n.EleveCourant(), 3);  // the last one stays
    Cliquer(&n, "BoutonPrecedent");
    EXPECT_EQ(note->text(), "ret");
    Touche(note, Qt::Key_Escape);
    EXPECT_EQ(n.result(), DialogueAnnule);
  }
  EXPECT_EQ(Image(*c_), avant);

  for (bool lettres : {true, false}) {
    o_.utiliserL = lettres;
    TDialNotesDevoir n(nullptr, *c_, 2, o_);
    n.show();
    Taper(Champ(&n, "Edit1"), "b+");
    Touche(Champ(&n, "Edit1"), Qt::Key_Return);
    Taper(Champ(&n, "Edit1"), "abs");
    Cliquer(&n, "BoutonValider");
    EXPECT_EQ(n.result(), DialogueConfirme);
    EXPECT_EQ(Note(*c_, 1, 2), lettres ? "B+" : "b+");
    EXPECT_EQ(Note(*c_, 2, 2) + "|" + Note(*c_, 3, 2) + "|" + Note(*c_, 3, 1), "abs||31");
  }
}

TEST_F(Devoirs, ModifierSansToucherLeCoefficient) {
  c_->Devoir(2, 3, 2).Coef = 1.25;
  c_->Devoir(2, 3, 1).Coef = 0.35;
  {
    TDialInfosDevoirs d(nullptr, *c_, o_);
    d.show();
    EXPECT_EQ(Liste(&d)->currentText(), "2 - devoir 2");
    EXPECT_EQ(Champ(&d, "Edit3")->text(), "1.3");
    Taper(Champ(&d, "Edit4"), "contrôle");
    Touche(Liste(&d), Qt::Key_Up);  // writes test 2, shows test 1
    EXPECT_TRUE(d.DevoirAffiche() == 1 && Liste(&d)->itemText(1) == "2 - contrôle" &&
                Champ(&d, "Edit3")->text() == "0.4");
    Taper(Champ(&d, "Edit2"), "2h");
    Touche(Champ(&d, "Edit2"), Qt::Key_Return);
    EXPECT_EQ(d.result(), DialogueConfirme);
  }
  EXPECT_TRUE(c_->Devoir(2, 3, 2).Coef == 1.25 && c_->Devoir(2, 3, 1).Coef == 0.35);
  EXPECT_TRUE(c_->Devoir(2, 3, 2).Commentaire == W("contrôle") && c_->Devoir(2, 3, 1).Duree == "2h");

  TDialInfosDevoirs d(nullptr, *c_, o_);
  d.show();
  Touche(Liste(&d), Qt::Key_Escape);
  EXPECT_EQ(d.result(), DialogueAnnule);  // nothing written
  d.show();
  Taper(Champ(&d, "Edit3"), "abc");
  Taper(Champ(&d, "Edit1"), "lun. 2");
  Touche(Liste(&d), Qt::Key_Up);  // refused: the list stays on the shown test, the date is written
  EXPECT_TRUE(boites_.size() == 1 && Liste(&d)->currentIndex() == 1 && c_->Devoir(2, 3, 2).Date == "lun. 2");
  Taper(Champ(&d, "Edit3"), "11");
  Cliquer(&d, "BoutonOK");
  EXPECT_TRUE(d.isVisible() && avertis_.size() == 1);
  Cliquer(&d, "BoutonAnnuler");
  EXPECT_TRUE(d.result() == DialogueConfirme && c_->Devoir(2, 3, 2).Coef == 1.25);  // something was written
}

TEST_F(Devoirs, ChoixDUnDevoir) {
  const char* const attendus[] = {// title | label | help topic
                                  "Supprimer un devoir ( Maths )|Devoir à supprimer:|Dlg_SupDevoir",
                                  "Copier un devoir|Devoir à copier:|PressePapInterne",
                                  "Couper un devoir|Devoir à couper:|PressePapInterne",
                                  "Insérer le devoir copié|Insérer le devoir copié avant le devoir:|PressePapInterne",
                                  "Insérer un devoir|Insérer le nouveau devoir avant le devoir:|Dlg_InsererDevoir"};
  for (int mode = 1; mode <= 5; ++mode) {
    TDialChoixDevoir d(nullptr, *c_, static_cast<TModeChoixDevoir>(mode));
    d.show();
    Cliquer(&d, "BoutonAide");
    EXPECT_EQ(d.windowTitle() + "|" + d.findChild<QLabel*>()->text().remove('&') + "|" + sujets_.back(),
              QString::fromUtf8(attendus[mode - 1]));
    Touche(Liste(&d), Qt::Key_Down);
    Touche(Liste(&d), Qt::Key_Return);
    EXPECT_EQ(d.result(), 2);
  }
  QuandOuvert<TDialChoixDevoir>([](TDialChoixDevoir& d) { Touche(Liste(&d), Qt::Key_Escape); });
  EXPECT_EQ(TDialChoixDevoir(nullptr, *c_, TModeChoixDevoir::Supprimer).exec(), ChoixAnnule);
}

// Insert cancelled, insert, modify, delete: the class comes back byte for byte.
TEST_F(Devoirs, LesNotesRestentAvecLeursEleves) {
  const auto avant = Image(*c_);
  QuandOuvert<TDialNouveauDevoir>([](TDialNouveauDevoir& d) {
    EXPECT_EQ(d.windowTitle(), "Insérer un nouveau devoir ( 4A )");
    Taper(Champ(&d, "Edit4"), "abandonné");
    Touche(Champ(&d, "Edit4"), Qt::Key_Escape);
  });
  EXPECT_FALSE(InsererNouveauDevoir(nullptr, *c_, 1, o_, Mercredi));
  EXPECT_EQ(Image(*c_), avant);

  QuandOuvert<TDialNouveauDevoir>([](TDialNouveauDevoir& d) { Cliquer(&d, "Button2"); });
  EXPECT_TRUE(InsererNouveauDevoir(nullptr, *c_, 2, o_, Mercredi));
  ASSERT_EQ(c_->NbDevoirs(2, 3), 3);
  for (int e = 1; e <= 3; ++e)
    EXPECT_EQ(Note(*c_, e, 1) + "|" + Note(*c_, e, 2) + "|" + Note(*c_, e, 3),
              std::to_string(10 * e + 1) + "||" + std::to_string(10 * e + 2));
  QuandOuvert<TDialInfosDevoirs>([](TDialInfosDevoirs& d) { Touche(Champ(&d, "Edit1"), Qt::Key_Return); });
  EXPECT_EQ(TDialInfosDevoirs(nullptr, *c_, o_).exec(), DialogueConfirme);
  QuandOuvert<TDialChoixDevoir>([](TDialChoixDevoir& d) {
    Touche(Liste(&d), Qt::Key_Down);
    Touche(Liste(&d), Qt::Key_Return);
  });
  ASSERT_TRUE(SupprimerDevoir(*c_, TDialChoixDevoir(nullptr, *c_, TModeChoixDevoir::Supprimer).exec()));
  EXPECT_EQ(Image(*c_), avant);
  QuandOuvert<TDialNouveauDevoir>([](TDialNouveauDevoir& d) { Cliquer(&d, "Button2"); });  // counted without grades
  EXPECT_TRUE(AjouterNouveauDevoir(nullptr, *c_, o_, Mercredi));
  EXPECT_TRUE(c_->NbDevoirs(2, 3) == 3 && Note(*c_, 1, 3).empty());
}
