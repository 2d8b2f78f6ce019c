#include "model/copiesecours.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "fichiers/ecriture.h"
#include "fichiers/lecture.h"
#include "model/erreurs.h"

namespace calevrin {

namespace {

constexpr std::string_view Signature = "\nCALEVRIN-RECUPERATION 1\n";

// FNV-1a: enough to tell a torn or altered copy from a sound one.
std::uint64_t Somme(std::string_view octets) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : octets) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return h;
}

std::string Hexa(std::uint64_t v) {
  char t[17];
  std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(v));
  return t;
}

// The next line of s from pos, without its end; false at the end of s.
bool Ligne(std::string_view s, std::size_t& pos, std::string_view& ligne) {
  const std::size_t fin = s.find('\n', pos);
  if (fin == std::string_view::npos) return false;
  ligne = s.substr(pos, fin - pos);
  pos = fin + 1;
  return true;
}

}  // namespace

void EcrireCopieSecours(const std::string& chemin, const TImage& image, const TCopieSecours& d) {
  std::string octets(reinterpret_cast<const char*>(image.data()), image.size());
  // The path by its length: a file name may hold a line break.
  octets += Signature;
  octets += d.Moment + "\n" + std::to_string(d.Original.size()) + "\n" + d.Original + "\n";
  octets += Hexa(Somme(octets)) + "\n";
  EcrireFichierAtomique(chemin, octets, TModeEcriture{.prive = true});
}

TCopieSecours LireCopieSecours(const std::string& chemin, TImage* image) {
  TCopieSecours r;
  std::string octets;
  try {
    octets = LireFichierTexte(chemin, TailleMaxFichierClasse, MsgPasFichierClasse);
  } catch (const EErreurClasse& e) {
    r.Defaut = e.what();
    return r;
  }
  const std::string_view s = octets;
  if (s.size() < TailleFichierClasse + Signature.size() ||
      s.substr(TailleFichierClasse, Signature.size()) != Signature) {
    r.Defaut = s.size() < TailleFichierClasse ? "copie tronquée (" + std::to_string(s.size()) + " octets)"
                                              : "copie sans sa description";
    return r;
  }
  std::size_t pos = TailleFichierClasse + Signature.size();
  std::string_view moment, longueur, somme;
  std::size_t n = 0;
  const bool lue = Ligne(s, pos, moment) && Ligne(s, pos, longueur) &&
                   std::from_chars(longueur.data(), longueur.data() + longueur.size(), n).ec == std::errc() &&
                   n <= s.size() - pos;
  const std::size_t finChemin = pos + n;
  if (!lue || finChemin >= s.size() || s[finChemin] != '\n') {
    r.Defaut = "description tronquée";
    return r;
  }
  const std::size_t debutSomme = finChemin + 1;
  pos = debutSomme;
  if (!Ligne(s, pos, somme) || pos != s.size() || somme != Hexa(Somme(s.substr(0, debutSomme)))) {
    r.Defaut = "copie tronquée ou altérée";
    return r;
  }
  r.Moment = moment;
  r.Original = s.substr(finChemin - n, n);
  if (image) std::copy_n(octets.data(), image->size(), reinterpret_cast<char*>(image->data()));
  return r;
}

}  // namespace calevrin
