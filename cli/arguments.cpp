#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

namespace calevrin::cli {

namespace {

std::optional<int> LireNombre(TValeur genre, const std::string& t) {
  if (genre == TValeur::Indice) {
    if (t.size() != 1 || t[0] < '1' || t[0] > '4') return std::nullopt;
    return t[0] - '0';
  }
  int v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || t[0] == '-' || r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

bool Lisible(TValeur genre, const std::string& t) {
  return genre == TValeur::Texte || LireNombre(genre, t).has_value();
}

const TOption* Trouver(const TCommande& c, std::string_view nom) {
  const auto o = std::ranges::find(c.options, nom, &TOption::nom);
  return o == c.options.end() ? nullptr : &*o;
}

}  // namespace

std::optional<std::string> TArguments::Texte(std::string_view nom) const {
  const auto v = valeurs_.find(nom);
  if (v == valeurs_.end()) return std::nullopt;
  return v->second;
}

std::optional<int> TArguments::Nombre(std::string_view nom) const {
  const auto v = valeurs_.find(nom);
  if (v == valeurs_.end()) return std::nullopt;
  // An index read by the parser is digits too.
  return LireNombre(TValeur::Entier, v->second);
}

std::vector<int> TArguments::Nombres(std::string_view nom) const {
  std::vector<int> r;
  if (const auto v = repetes_.find(nom); v != repetes_.end())
    for (const std::string& t : v->second) r.push_back(*LireNombre(TValeur::Entier, t));
  return r;
}

std::optional<TArguments> LireArguments(const TCommande& c, std::span<const std::string> a) {
  TArguments r;
  bool finOptions = false;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const std::string& x = a[i];
    if (!finOptions && x == "--") {
      finOptions = true;
      continue;
    }
    const TOption* o = finOptions ? nullptr : Trouver(c, x);
    if (o) {
      std::string valeur;
      if (o->valeur != TValeur::Aucune) {
        if (i + 1 >= a.size() || !Lisible(o->valeur, a[i + 1])) return std::nullopt;
        valeur = a[++i];
      }
      if (o->repetable)
        r.repetes_[x].push_back(std::move(valeur));
      else if (!r.valeurs_.emplace(x, std::move(valeur)).second)
        return std::nullopt;
    } else if (!x.empty() && (finOptions || c.options.empty() || x[0] != '-')) {
      r.fichiers.push_back(x);
    } else {
      return std::nullopt;
    }
  }
  if (r.fichiers.size() < c.fichiersMin || r.fichiers.size() > c.fichiersMax) return std::nullopt;
  return r;
}

std::string Synopsis(const TCommande& c) {
  std::string s = std::string(c.nom) + ' ' + std::string(c.fichiers);
  for (const TOption& o : c.options) {
    s += " [" + std::string(o.nom);
    if (!o.repere.empty()) s += ' ' + std::string(o.repere);
    s += ']';
    if (o.repetable) s += "...";
  }
  return s;
}

std::string UsageComplet(std::span<const TCommande* const> commandes) {
  constexpr std::size_t Largeur = 76;
  std::vector<std::string> morceaux;
  for (const TCommande* c : commandes) morceaux.push_back(Synopsis(*c));
  morceaux.emplace_back("--help | --version");
  std::string usage = "usage : calevrin-cli ";
  std::size_t debutLigne = 0;
  for (std::size_t i = 0; i < morceaux.size(); ++i) {
    if (i > 0 && usage.size() - debutLigne + 3 + morceaux[i].size() > Largeur) {
      usage += '\n';
      debutLigne = usage.size();
      usage += "        | ";
    } else if (i > 0) {
      usage += " | ";
    }
    usage += morceaux[i];
  }
  return usage + '\n';
}

}  // namespace calevrin::cli
