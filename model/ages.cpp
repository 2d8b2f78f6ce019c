#include "model/ages.h"

#include <algorithm>

#include "model/dates.h"

namespace calevrin {

const TLigneAge& EnteteAges() {
  static const TLigneAge entete = {"  El\xE8ve", "  N\xE9(e) le", "  Age"};
  return entete;
}

TAges ListerAges(const TClasse& c, const TDateJour& aujourdhui) {
  TAges resultat;
  resultat.Titre = "\xC2ge des \xE9l\xE8ves ( " + MoisAnneeTexte(aujourdhui) + " )";
  struct TAge {
    int eleve;
    int jours;  // 0: no age
  };
  const int n = c.NbEleves();
  std::vector<TAge> ages;
  ages.reserve(static_cast<std::size_t>(n));
  // From the end of the list, so that the stable sort keeps the later of equal ages first and
  // the students without an age (0) come last from the end towards the start.
  for (int e = n; e >= 1; --e) ages.push_back({e, AgeEnJours(c, e, aujourdhui)});
  std::stable_sort(ages.begin(), ages.end(), [](const TAge& a, const TAge& b) { return a.jours > b.jours; });

  resultat.Lignes.reserve(ages.size());
  for (const TAge& a : ages) {
    TLigneAge ligne;
    ligne[0] = " " + c.NomComplet(a.eleve, true);
    if (a.jours != 0) {
      ligne[1] = " " + DateNaissanceTexte(c, a.eleve, aujourdhui);
      ligne[2] = " " + AgeEleveTexte(c, a.eleve, aujourdhui);
    } else {
      ligne[1] = ligne[2] = " ??";
    }
    resultat.Lignes.push_back(std::move(ligne));
  }
  resultat.Moyenne = AgeMoyen(c, aujourdhui);
  return resultat;
}

std::string TexteAges(const TAges& a) {
  std::string t;
  const auto ligne = [&t](const TLigneAge& l) { t += l[0] + '\t' + l[1] + '\t' + l[2] + '\n'; };
  ligne(EnteteAges());
  for (const TLigneAge& l : a.Lignes) ligne(l);
  t += "Moyenne d'\xE2ge de la classe : " + a.Moyenne + '\n';
  return t;
}

TAnniversaires ListerAnniversaires(const TClasse& c, const TDateJour& aujourdhui) {
  TAnniversaires resultat;
  resultat.Titre = MoisAnneeTexte(aujourdhui) + ": Les anniversaires du mois";
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const TDateNaissance d = LireDateNaissance(c, e, aujourdhui);
    if (!d.Valide || d.Mois != aujourdhui.Mois) continue;
    const int jour = std::min(d.Jour, JoursDansMois(aujourdhui.Annee, aujourdhui.Mois));
    std::string ligne = c.NomComplet(e, true);
    const char* verbe =
        aujourdhui.Jour < jour ? " va avoir " : (aujourdhui.Jour == jour ? " a aujourd'hui " : " a eu ");
    ligne += verbe;
    ligne += std::to_string(aujourdhui.Annee - d.Annee);
    ligne += " ans";
    if (aujourdhui.Jour != jour) ligne += FormaterDate(TDateJour{aujourdhui.Annee, aujourdhui.Mois, jour}, " dddd dd");
    resultat.Lignes.push_back(std::move(ligne));
  }
  if (resultat.Lignes.empty()) resultat.Lignes.emplace_back("Pas d'anniversaire ce mois");
  return resultat;
}

std::string TexteAnniversaires(const TAnniversaires& a) {
  std::string t;
  for (const std::string& l : a.Lignes) t += l + '\n';
  return t;
}

}  // namespace calevrin
