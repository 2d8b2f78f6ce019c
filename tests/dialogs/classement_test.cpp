#include "dialogs/classement.h"

#include "dialogs/ages.h"
#include "dialogs/anniversaires.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

// Stands for the desktop's text editor.
class TOuvreur : public QObject {
  Q_OBJECT
 public:
  std::vector<QUrl> urls;
 public slots:
  void Ouvrir(const QUrl& url) { urls.push_back(url); }
};

// Semesters, one subject "Maths & co", one test: AA 12 (born 3 March 2012), BB abs, CC 15.
std::unique_ptr<TClasse> Classe() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("3A");
  c->Matiere(1).Nom.Affecter("Maths & co");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(2);
  const char* eleves[][3] = {{"AA", "12", "03032012"}, {"BB", "abs", ""}, {"CC", "15", "20052011"}};
  int e = 0;
  for (const auto& [nom, note, date] : eleves) {
    c->Eleve(++e).Nom.Affecter(nom);
    c->Eleve(e).Prenom.Affecter("X");
    c->Eleve(e).Note(1, 1, 1).Affecter(note);
    c->Eleve(e).DateNaissance.Affecter(date);
  }
  c->FixerNbEleves(e);
  c->FixerNbDevoirs(1, 1, 1);
  return c;
}

QStringList Colonne(const QTableWidget* t, int colonne) {
  QStringList l;
  for (int r = 0; r < t->rowCount(); ++r) l << t->item(r, colonne)->text();
  return l;
}

template <class W>
W* Enfant(QWidget* d, const char* nom) {
  return d->findChild<W*>(QLatin1String(nom));
}

class Classement : public Enregistreur {
 protected:
  void SetUp() override { QDesktopServices::setUrlHandler(QStringLiteral("file"), &ouvreur_, "Ouvrir"); }
  void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  TOuvreur ouvreur_;
};

}  // namespace

TEST_F(Classement, ChoixDeLaVueEtCaseACocher) {
  const auto c = Classe();
  TOptions o;
  o.imprimerAnnee = false;
  TDialClassement d(nullptr, *c, o);
  EXPECT_EQ(d.windowTitle(), "3A / Maths & co / Sem.1");
  for (const auto& [nom, texte] : {std::pair{"RB1", "Semestre 1"}, {"RB11", "Maths && co"}})
    EXPECT_TRUE(Enfant<QRadioButton>(&d, nom)->text() == texte && Enfant<QRadioButton>(&d, nom)->isChecked()) << nom;
  for (const char* cache : {"RB3", "RB12", "RB13"}) EXPECT_TRUE(Enfant<QRadioButton>(&d, cache)->isHidden()) << cache;
  const auto* st = Enfant<QTableWidget>(&d, "ST");
  EXPECT_EQ(Colonne(st, 1), (QStringList{" CC X", " AA X", " BB X"}));
  EXPECT_EQ(Colonne(st, 2), (QStringList{" 15", " 12", " ??"}));

  Enfant<QRadioButton>(&d, "RB2")->click();
  EXPECT_TRUE(d.Periode() == 2 && d.windowTitle() == "3A / Maths & co / Sem.2");
  EXPECT_EQ(Colonne(st, 1), QStringList{"de note ce Semestre"});
  Enfant<QRadioButton>(&d, "RB14")->click();
  Enfant<QRadioButton>(&d, "RB4")->click();
  EXPECT_EQ(d.windowTitle(), "3A / Synthèse / Année");
  Enfant<QCheckBox>(&d, "CB")->click();
  EXPECT_EQ(Colonne(st, 0), (QStringList{" 1", " 2", " n.c."}));
  EXPECT_EQ(Colonne(st, 3), (QStringList{"", "", " 1"}));

  Enfant<QPushButton>(&d, "BoutonAide")->click();
  EXPECT_EQ(sujets_, std::vector<QString>{"ClassementDesEleves"});
}

TEST_F(Classement, PressePapiersEtFichierTexte) {
  const auto c = Classe();
  TOptions o;
  o.imprimerAnnee = false;
  TDialClassement d(nullptr, *c, o);
  Enfant<QPushButton>(&d, "Button1")->click();
  const QMimeData* pp = QGuiApplication::clipboard()->mimeData();
  const QString texte = QString::fromStdString(Utf8DepuisCp1252(TexteClassement(d.Classement())));
  EXPECT_EQ(pp->text(), texte);
  EXPECT_EQ(pp->data("text/tab-separated-values"), QString(texte).replace('\r', '\n').toUtf8());

  TRepertoireTemp dir;
  d.FixerRepertoireTexte(QString::fromStdString(dir.Chemin().string()));
  Enfant<QPushButton>(&d, "Button2")->click();
  const std::string fichier = dir / "Classement.TXT";
  EXPECT_EQ(
      Contenu(fichier),
      "3A / Maths & co / Sem.1\r\n\r\nClassement des élèves d'après la moyenne\r\n\r\n"
      " Rang\t   Eleve\t\tmoy.\tabsence\r\n\r\n 1\t CC X\t\t 15\t\r\n 2\t AA X\t\t 12\t\r\n\t BB X\t\t ??\t 1\r\n");
  EXPECT_EQ(boites_, std::vector<QString>{QString::fromStdString("Le fichier " + fichier + " est créé.")});
  EXPECT_EQ(ouvreur_.urls, std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(fichier))});

  // A folder that cannot be made: an error, and nothing opened.
  d.FixerRepertoireTexte(QString::fromStdString(fichier + "/dossier"));
  Enfant<QPushButton>(&d, "Button2")->click();
  ASSERT_EQ(boites_.size(), 2u);
  EXPECT_EQ(boites_[1],
            QString::fromStdString("Impossible de créer le fichier " + fichier + "/dossier/Classement.TXT"));
  EXPECT_EQ(genres_, (std::vector{pf::TGenreMessage::Information, pf::TGenreMessage::Erreur}));
  EXPECT_EQ(ouvreur_.urls.size(), 1u);

  // A FIFO in its place is refused, never opened nor replaced.
  TRepertoireTemp autre;
  ASSERT_EQ(::mkfifo((autre / "Classement.TXT").c_str(), 0644), 0);
  d.FixerRepertoireTexte(QString::fromStdString(autre.Chemin().string()));
  Enfant<QPushButton>(&d, "Button2")->click();
  ASSERT_EQ(boites_.size(), 3u);
  EXPECT_EQ(boites_[2], QString::fromStdString("Impossible de créer le fichier " + autre / "Classement.TXT" +
                                               " : ce n'est pas un fichier ordinaire"));
  EXPECT_TRUE(std::filesystem::is_fifo(autre / "Classement.TXT"));
}

TEST_F(Classement, AgesEtAnniversaires) {
  const auto c = Classe();
  TDialAges a(nullptr, *c, {2026, 3, 10});
  EXPECT_EQ(a.windowTitle(), "Âge des élèves ( mars 2026 )");
  const auto* st = Enfant<QTableWidget>(&a, "ST");
  EXPECT_EQ(st->horizontalHeaderItem(1)->text(), "  Né(e) le");
  EXPECT_EQ(Colonne(st, 0), (QStringList{" CC X", " AA X", " BB X"}));
  EXPECT_EQ(Colonne(st, 2), (QStringList{" 14 ans 9 mois", " 14 ans ", " ??"}));
  EXPECT_EQ(Enfant<QLabel>(&a, "Moyenne")->text(), "Moyenne d'âge de la classe : 14 ans 4 mois");
  Enfant<QPushButton>(&a, "BoutonAide")->click();

  TDialAnniversaires b(nullptr, *c, {2026, 3, 10});
  EXPECT_EQ(b.windowTitle(), "mars 2026: Les anniversaires du mois");
  const auto* lb = Enfant<QListWidget>(&b, "LB");
  ASSERT_EQ(lb->count(), 1);
  EXPECT_EQ(lb->item(0)->text(), "AA X a eu 14 ans mardi 03");
  Enfant<QPushButton>(&b, "BoutonAide")->click();
  EXPECT_EQ(sujets_, (std::vector<QString>{"AgeDesEleves", "LesAnniversairesDuMois"}));
}

#include "classement_test.moc"
