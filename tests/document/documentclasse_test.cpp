#include "document/documentclasse.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "examples/exemple.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/figures.h"
#include "model/verrou.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

// A window of a class hears each change of that class once, with its code and arguments;
// the windows of another class hear nothing of it. A view switch is told apart: nothing
// changed, nothing to recompute, not modified. A change that its function declines is none.
TEST(DocumentClasse, SeulesLesFenetresDeLaClasseEntendent) {
  auto classe = std::make_unique<TClasse>();
  GenererExemple(*classe);
  TDocumentClasse a(std::move(classe));
  TDocumentClasse b(std::make_unique<TClasse>());
  std::vector<TChangement> entendusA;
  std::vector<TChangement> entendusB;
  std::vector<TChangement> vues;
  std::vector<bool> modifications;
  QObject::connect(&a, &TDocumentClasse::Change, [&](const TChangement& c) { entendusA.push_back(c); });
  QObject::connect(&b, &TDocumentClasse::Change, [&](const TChangement& c) { entendusB.push_back(c); });
  QObject::connect(&a, &TDocumentClasse::VueChangee, [&](const TChangement& c) { vues.push_back(c); });
  QObject::connect(&a, &TDocumentClasse::ModificationChangee, [&](bool m) { modifications.push_back(m); });
  EXPECT_FALSE(a.Modifier(QStringLiteral("rien"), {TCodeChangement::Eleves, 0, 0, 0}, [](TClasse&) { return false; }));
  a.ChangerVue({2, 3});
  EXPECT_EQ(vues, (std::vector<TChangement>{{TCodeChangement::Periode, 3, 0, 0}, {TCodeChangement::Matiere, 3, 2, 0}}));
  EXPECT_FALSE(a.Modifie());
  EXPECT_TRUE(a.Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 2, 7, 12}, [](TClasse& c) {
    c.Eleve(12).Note(2, 3, 1).Affecter("19");
    return true;
  }));
  EXPECT_EQ(entendusA, (std::vector<TChangement>{{TCodeChangement::Note, 2, 7, 12}}));
  EXPECT_TRUE(entendusB.empty());
  EXPECT_TRUE(a.Modifie());
  EXPECT_FALSE(b.Modifie());
  EXPECT_EQ(modifications, std::vector<bool>{true});
  // Only the grade is in the step: undone, the view stays where the teacher had moved it.
  EXPECT_EQ(a.Pile().count(), 1);
  a.Pile().undo();
  EXPECT_EQ(a.Vue(), (TVue{2, 3}));
  EXPECT_FALSE(a.Modifie());
}

// Saving clears the mark; a copy elsewhere neither clears it nor renames the class, even
// when it fails.
TEST(DocumentClasse, EnregistrerEtCopies) {
  test::TRepertoireTemp dir;
  TDocumentClasse d(std::make_unique<TClasse>());
  d.FixerChemin(dir / "a.cl3");
  d.MarquerModifie();
  d.EnregistrerCopie(dir / "a.bak");
  EXPECT_TRUE(d.Modifie());
  EXPECT_EQ(d.Chemin(), dir / "a.cl3");
  EXPECT_THROW(d.EnregistrerCopie(dir / "absent/a.bak"), EErreurClasse);
  EXPECT_EQ(d.Chemin(), dir / "a.cl3");
  d.Enregistrer();
  EXPECT_FALSE(d.Modifie());
  auto relu = TDocumentClasse::Ouvrir(dir / "a.bak", TOptions{});
  EXPECT_EQ(relu->Chemin(), dir / "a.bak");
  EXPECT_THROW(TDocumentClasse::Ouvrir(dir / "absent.cl3", TOptions{}), EErreurClasse);
}

namespace {

std::unique_ptr<TImage> ImageDe(const TDocumentClasse& d) {
  auto i = std::make_unique<TImage>();
  d.Image(*i);
  return i;
}

}  // namespace

// Each kind of change, then undone one by one: the record byte for byte as it was at each
// step, back to the start; then redone to the end. The mark follows the saved state.
TEST(DocumentClasse, AnnulerEtRetablirChaqueModification) {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  c->FixerMatiereCourante(1);
  c->FixerPeriodeCourante(1);
  TDocumentClasse d(std::move(c));
  std::vector<TChangement> entendus;
  int restaurations = 0;
  QObject::connect(&d, &TDocumentClasse::Change, [&](const TChangement& ch) { entendus.push_back(ch); });
  QObject::connect(&d, &TDocumentClasse::Restauree, [&] { ++restaurations; });
  struct TOperation {
    const char* nom;
    TCodeChangement code;
    std::function<void(TClasse&)> faire;
  };
  TPressePapInterne pp;
  const std::vector<TOperation> operations = {
      {"la saisie de la note", TCodeChangement::Note, [&](TClasse& k) { k.Eleve(3).Note(1, 1, 2).Affecter("17"); }},
      {"la saisie du coefficient", TCodeChangement::CoefficientDevoir, [&](TClasse& k) { k.Devoir(1, 1, 1).Coef = 3; }},
      {"le tri des élèves", TCodeChangement::Eleves,
       [&](TClasse& k) {
         ModifierEleve(k, 1, "ZOLA", "Emile", "", Options);
         TrierEleves(k);
       }},
      {"l'ajout d'un élève", TCodeChangement::Eleves,
       [&](TClasse& k) { AjouterEleve(k, "NEUF", "Eleve", "01022012", Options); }},
      {"la suppression d'un élève", TCodeChangement::Eleves, [&](TClasse& k) { SupprimerEleve(k, 2); }},
      {"l'ajout du devoir", TCodeChangement::Devoirs,
       [&](TClasse& k) { AjouterDevoir(k, "ven. 9 janv.", "1h", 2, "Bilan"); }},
      {"la coupure du devoir", TCodeChangement::Devoirs, [&](TClasse& k) { CouperDevoir(k, 1, pp); }},
      {"l'insertion du devoir copié", TCodeChangement::Devoirs, [&](TClasse& k) { InsererDevoirCopie(k, 2, pp); }},
      {"la suppression des notes de la période", TCodeChangement::Devoirs, [&](TClasse& k) { ViderPeriode(k); }},
      {"les matières", TCodeChangement::Matiere,
       [&](TClasse& k) {
         ModifierMatieres(k, {"Maths", "Physique", "SVT"}, {"MA", "PH", "SV"}, 2);
       }},
      {"les paramètres de la classe", TCodeChangement::Periode,
       [&](TClasse& k) {
         TParametresClasse p = LireParametres(k);
         p.NbPeriodes = 2;
         p.Joker = !p.Joker;
         ModifierParametres(k, p);
       }},
  };
  std::vector<std::unique_ptr<TImage>> images;
  images.push_back(ImageDe(d));
  for (const TOperation& o : operations) {
    d.Modifier(QString::fromUtf8(o.nom), {o.code, 1, 0, 0}, [&](TClasse& k) {
      o.faire(k);
      return true;
    });
    images.push_back(ImageDe(d));
    ASSERT_FALSE(*images.back() == *images[images.size() - 2]) << o.nom;
  }
  EXPECT_TRUE(d.Modifie());
  EXPECT_EQ(d.Pile().count(), static_cast<int>(operations.size()));
  // Nothing altered: no step.
  d.Modifier(QStringLiteral("rien"), {TCodeChangement::Eleves, 0, 0, 0}, [](TClasse&) { return true; });
  EXPECT_EQ(d.Pile().count(), static_cast<int>(operations.size()));
  EXPECT_EQ(d.Pile().undoText(), QStringLiteral("les paramètres de la classe"));

  // The view changes meanwhile: undo goes back to the view before each change.
  d.ChangerVue({1, 2});
  entendus.clear();
  for (std::size_t i = operations.size(); i-- > 0;) {
    d.Pile().undo();
    EXPECT_TRUE(*ImageDe(d) == *images[i]) << "annuler " << operations[i].nom;
    ASSERT_FALSE(entendus.empty());
    EXPECT_EQ(entendus.back().Code, operations[i].code);
  }
  EXPECT_EQ(restaurations, static_cast<int>(operations.size()));
  EXPECT_FALSE(d.Modifie());  // back to the state it was opened in
  EXPECT_EQ(d.Classe().PeriodeCourante(), 1);
  for (std::size_t i = 0; i < operations.size(); ++i) {
    d.Pile().redo();
    EXPECT_TRUE(*ImageDe(d) == *images[i + 1]) << "rétablir " << operations[i].nom;
  }

  // Saved in the middle: undoing to there clears the mark, going further sets it again.
  for (int i = 0; i < 4; ++i) d.Pile().undo();
  d.EffacerModifie();
  d.Pile().undo();
  EXPECT_TRUE(d.Modifie());
  d.Pile().redo();
  EXPECT_FALSE(d.Modifie());
  // A new change after undoing drops the steps that could be redone.
  d.Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 1, 1, 1}, [](TClasse& k) {
    k.Eleve(1).Note(1, 1, 1).Affecter("3");
    return true;
  });
  EXPECT_FALSE(d.Pile().canRedo());
  EXPECT_TRUE(d.Modifie());
}

// One file, two documents: the second learns who holds it. A file written behind a document's
// back is seen before its save.
TEST(DocumentClasse, VerrouEtFichierChangeSurLeDisque) {
  test::TRepertoireTemp dir;
  {
    TClasse c;
    c.NomFichier = dir / "a.cl3";
    c.Enregistrer(false);
  }
  auto a = TDocumentClasse::Ouvrir(dir / "a.cl3", TOptions{});
  auto b = TDocumentClasse::Ouvrir(dir / "a.cl3", TOptions{});
  QString detenteur;
  EXPECT_TRUE(a->Verrouiller(detenteur));
  EXPECT_FALSE(b->Verrouiller(detenteur));
  EXPECT_TRUE(detenteur.contains(QString::number(QCoreApplication::applicationPid())));
  std::string vu;  // as the command-line tool reads it
  EXPECT_TRUE(VerrouDetenu(dir / "a.cl3", vu));
  EXPECT_EQ(QString::fromStdString(vu), detenteur);
  a.reset();  // closed: the lock goes with it
  EXPECT_FALSE(VerrouDetenu(dir / "a.cl3", vu));
  EXPECT_TRUE(b->Verrouiller(detenteur));

  EXPECT_FALSE(b->ModifieSurDisque());
  {
    TClasse autre;
    autre.Abreviation.Affecter("AUTRE");
    autre.NomFichier = dir / "a.cl3";
    autre.Enregistrer(false);
  }
  EXPECT_TRUE(b->ModifieSurDisque());
  b->Enregistrer();  // what the teacher chose to keep
  EXPECT_FALSE(b->ModifieSurDisque());
  // A path that became a FIFO is not waited on: nothing is there to lose.
  std::filesystem::remove(dir / "a.cl3");
  ASSERT_EQ(::mkfifo((dir / "a.cl3").c_str(), 0600), 0);
  EXPECT_FALSE(b->ModifieSurDisque());
}

// The figures a document keeps are those of its class at every step: after each kind of change,
// a change of the options' letter table, undo and redo, they equal figures computed afresh,
// bit for bit, whatever code the change was announced with.
TEST(DocumentClasse, ChiffresGardesCommeCalculesAFrais) {
  auto classe = std::make_unique<TClasse>();
  GenererExemple(*classe);
  TDocumentClasse d(std::move(classe));
  TOptions o;
  o.utiliserL = true;
  const auto pareils = [&](const char* etape) {
    const TFiguresClasse frais(d.Classe(), o);
    const TFiguresClasse& gardes = d.Figures(o);
    for (bool joker : {false, true})
      EXPECT_EQ(std::memcmp(&gardes.Moyennes(joker), &frais.Moyennes(joker), sizeof(TMoyennes)), 0) << etape;
  };
  pareils("ouverture");
  const auto modifier = [&](TCodeChangement code, const std::function<void(TClasse&)>& changer) {
    d.Modifier(QStringLiteral("un changement"), {code, 1, 1, 1}, [&](TClasse& c) {
      changer(c);
      return true;
    });
  };
  modifier(TCodeChangement::Note, [](TClasse& c) { c.Eleve(3).Note(1, 1, 2).Affecter("17"); });
  pareils("note");
  // Announced as a grade of another student: the figures follow what changed, not the code.
  modifier(TCodeChangement::Note, [](TClasse& c) { c.Eleve(5).Note(2, 1, 1).Affecter("A"); });
  pareils("note annoncee ailleurs");
  modifier(TCodeChangement::CoefficientDevoir, [](TClasse& c) { c.Devoir(1, 1, 1).Coef = 4; });
  pareils("coefficient");
  modifier(TCodeChangement::Periode, [](TClasse& c) {
    c.FixerJoker(!c.Joker());
    c.FixerArrondi(3);
    c.FixerNbPeriodes(2);
  });
  pareils("parametres");
  modifier(TCodeChangement::Eleves, [](TClasse& c) { std::swap(c.Eleve(1), c.Eleve(4)); });
  pareils("tri");
  o.cores[2].coresV = 3.5;  // the value of the letter "A" typed above
  d.AnnoncerOptions();
  pareils("options");
  while (d.Pile().canUndo()) {
    d.Pile().undo();
    pareils("annuler");
  }
  while (d.Pile().canRedo()) {
    d.Pile().redo();
    pareils("retablir");
  }
}
