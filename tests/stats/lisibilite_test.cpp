// Every text of the four statistics windows' graphs and tables stays inside its control and
// clear of every other text: in windows of several shapes and on the page, at each of the six
// placements, portrait and landscape, in colour and in black and white, for the sample class
// and for a full class of long names and comments.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/statistiques.h"
#include "platform/canevasenregistreur.h"
#include "print/controlesstat.h"
#include "print/miseenpage.h"
#include "tests/common/chevauchements.h"

using namespace calevrin;

namespace {

// 45 students, 3 subjects of 24 tests in each trimester, every text at its longest.
TClasse ClassePleine() {
  TClasse c;
  c.NouvelleClasse(TDateJour{2026, 9, 1});
  c.Abreviation.Affecter("4eB LONG");
  c.AnneeScolaire.Affecter("2026 / 2027");
  c.FixerNbMatieres(3);
  const char* matieres[] = {"Math\xE9matiques appliqu\xE9", "Physique-Chimie et Te", "Sciences de la vie et"};
  for (int m = 1; m <= 3; ++m) {
    c.Matiere(m).Nom.Affecter(matieres[m - 1]);
    c.Matiere(m).Abrev.Affecter(std::string(1, static_cast<char>('A' + m)) + "x");
  }
  c.FixerNbEleves(45);
  for (int e = 1; e <= 45; ++e) {
    c.Eleve(e).Nom.Affecter("MONTGOLFIER-DELAVIGN" + std::to_string(e));
    c.Eleve(e).Prenom.Affecter("Marie-Ang\xE9lique Sophie");
  }
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 3; ++p) {
      c.FixerNbDevoirs(m, p, 24);
      for (int k = 1; k <= 24; ++k) {
        TDevoir& d = c.Devoir(m, p, k);
        d.Commentaire.Affecter("Contr\xF4le commun de fin de trimestre : g\xE9om\xE9trie");
        d.Date.Affecter(
            "mer. 12 d\xE9"
            "c.");
        d.Duree.Affecter("1h30");
        d.Coef = 2.5;
        for (int e = 1; e <= 45; ++e)
          c.Eleve(e).Note(m, p, k).Affecter(e % 11 == 3 ? "abs" : std::to_string((e * 7 + k * 3 + m) % 21));
      }
    }
  return c;
}

std::unique_ptr<TClasse> Exemple() {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";
  c->Charger();
  return c;
}

// A drawing of one control into a rectangle of the canvas.
using TDessin = std::function<void(plateforme::TCanevas&, const QRect&)>;

// The graphs and tables of every state worth showing: each subject and period, first and last
// tests, the class and the first and last students.
std::vector<std::pair<std::string, TDessin>> Dessins(const TClasse& c, bool impression, bool noirBlanc) {
  std::vector<std::pair<std::string, TDessin>> r;
  auto graphe = [&](const std::string& nom, const TGrapheStat& s) {
    auto g = std::make_shared<controles::TNewGraphe>();
    AppliquerGraphe(s, *g);
    for (const controles::TMode mode : {controles::TMode::mBarre, controles::TMode::mLigne}) {
      auto copie = std::make_shared<controles::TNewGraphe>(*g);
      copie->Mode = mode;
      if (impression) copie->CopierPourImpression(controles::TNewGraphe(*copie));
      copie->NoirBlanc = noirBlanc;
      r.emplace_back(nom + (mode == controles::TMode::mBarre ? " barres" : " lignes"),
                     [copie](plateforme::TCanevas& cv, const QRect& z) {
                       copie->Dessine(cv, z.x(), z.y(), z.width(), z.height());
                     });
    }
  };
  const int dernier = c.NbEleves();
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= c.NbPeriodes(); ++p)
      for (const int k : {1, c.NbDevoirs(m, p)}) {
        TEtatStat e{TFenetreStat::Devoir, p, m, k};
        graphe("devoir m" + std::to_string(m) + " p" + std::to_string(p) + " k" + std::to_string(k),
               CalculerStat02(c, e, Options));
      }
  for (int m = 1; m <= 4; ++m)
    for (int p = 1; p <= 4; ++p)
      graphe("moyennes m" + std::to_string(m) + " p" + std::to_string(p),
             CalculerStat03(c, TEtatStat{TFenetreStat::Moyennes, p, m}, Options));
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= 5; ++p)
      for (const int eleve : {0, 1, dernier}) {
        TEtatStat e{TFenetreStat::Evolution, p, m, 0, eleve};
        graphe("evolution m" + std::to_string(m) + " p" + std::to_string(p) + " e" + std::to_string(eleve),
               CalculerStat01(c, e, Options));
      }
  for (const int eleve : {0, 1, dernier}) {
    auto t = std::make_shared<controles::TTableau>();
    AppliquerTableau(CalculerStat04(c, TEtatStat{TFenetreStat::Bilan, 4, 1, 0, eleve}, Options), *t);
    if (impression) t->CopierPourImpression(controles::TTableau(*t));
    t->NoirBlanc = noirBlanc;
    r.emplace_back("bilan e" + std::to_string(eleve), [t](plateforme::TCanevas& cv, const QRect& z) {
      t->Dessine(cv, z.x(), z.y(), z.width(), z.height());
    });
  }
  return r;
}

void Verifier(const std::vector<std::pair<std::string, TDessin>>& dessins, const QRect& zone, const std::string& ou) {
  for (const auto& [nom, dessin] : dessins) {
    plateforme::TCanevasEnregistreur c;
    dessin(c, zone);
    const std::vector<std::string> fautes = test::Chevauchements(c, zone);
    EXPECT_TRUE(fautes.empty()) << nom << ", " << ou << ": " << fautes.front();
  }
}

}  // namespace

TEST(Lisibilite, FenetresEtPagesDeLExempleEtDUneClassePleine) {
  Options = TOptions{};
  const std::unique_ptr<TClasse> exemple = Exemple();
  const TClasse pleine = ClassePleine();
  for (const TClasse* c : {static_cast<const TClasse*>(exemple.get()), &pleine}) {
    SCOPED_TRACE(c == &pleine ? "classe pleine" : "exemple");
    // Windows: the usual size, tall and narrow, short and wide, a full screen.
    const auto ecran = Dessins(*c, false, false);
    for (const QRect z : {QRect(0, 0, 800, 460), QRect(0, 0, 300, 700), QRect(0, 0, 900, 200), QRect(5, 7, 1920, 1000)})
      Verifier(ecran, z, "fenetre " + std::to_string(z.width()) + "x" + std::to_string(z.height()));
    // The printable area of an A4 page at 300 pixels per inch.
    for (const bool noirBlanc : {false, true}) {
      const auto page = Dessins(*c, true, noirBlanc);
      for (const bool paysage : {false, true})
        for (int d = 1; d <= 6; ++d) {
          const TMiseEnPage m = CalculerMiseEnPage(paysage ? 3390 : 2400, paysage ? 2400 : 3390, paysage,
                                                   static_cast<TDisposition>(d), 5);
          Verifier(page, m.Zone,
                   std::string(paysage ? "paysage" : "portrait") + " disposition " + std::to_string(d) +
                       (noirBlanc ? " noir et blanc" : ""));
        }
    }
  }
}
