#include "platform/profil.h"

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "fichiers/ecriture.h"
#include "fichiers/erreurs.h"
#include "fichiers/lecture.h"

namespace calevrin::plateforme {

namespace {

constexpr std::string_view MsgProfilRefuse =
    "Le fichier de configuration %s n'est pas lu : ce n'est pas un fichier ordinaire d'au plus 1 Mio. "
    "Les réglages par défaut sont utilisés, et ce fichier n'est pas modifié.";

struct TFichierIni {
  std::vector<std::string> lignes;  // without their line ends
  bool crlf = false;
  bool refuse = false;  // a FIFO, a device, a huge file: read as empty, never replaced
  // Identity of the file the lines were read from: a change behind our back reloads it.
  bool existe = false;
  dev_t dev = 0;
  ino_t ino = 0;
  off_t taille = 0;
  timespec mtime{};
};

std::string Minuscules(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string Rogner(const std::string& s) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t a = 0;
  std::size_t b = s.size();
  while (a < b && blanc(s[a])) ++a;
  while (b > a && blanc(s[b - 1])) --b;
  return s.substr(a, b - a);
}

bool MemeFichier(const TFichierIni& f, const struct stat& st) {
  return f.existe && f.dev == st.st_dev && f.ino == st.st_ino && f.taille == st.st_size &&
         f.mtime.tv_sec == st.st_mtim.tv_sec && f.mtime.tv_nsec == st.st_mtim.tv_nsec;
}

TAvertissementProfil& Avertissement() {
  static TAvertissementProfil avertir;
  return avertir;
}

// Loading the options reads some seventy keys: the parsed file is kept between calls.
std::map<std::string, TFichierIni>& Cache() {
  static std::map<std::string, TFichierIni> cache;
  return cache;
}

void NoterIdentite(TFichierIni& f, const struct stat& st) {
  f.existe = true;
  f.dev = st.st_dev;
  f.ino = st.st_ino;
  f.taille = st.st_size;
  f.mtime = st.st_mtim;
}

TFichierIni& Charge(const std::string& chemin) {
  TFichierIni& f = Cache()[chemin];
  struct stat st {};
  if (::stat(chemin.c_str(), &st) != 0) {
    f = TFichierIni{};
    return f;
  }
  if (MemeFichier(f, st)) return f;
  f = TFichierIni{};
  std::string texte;
  try {
    texte = LireFichierTexte(chemin, TailleMaxProfil, MsgProfilRefuse);
  } catch (const EErreurFichier& e) {
    f.refuse = true;
    static std::set<std::string> avertis;
    if (avertis.insert(chemin).second && Avertissement()) Avertissement()(e.what());
  }
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    std::string ligne = texte.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == '\r') {
      ligne.pop_back();
      f.crlf = true;
    }
    f.lignes.push_back(std::move(ligne));
    debut = fin + 1;
  }
  NoterIdentite(f, st);
  return f;
}

bool EstSection(const std::string& ligne, std::string& nom) {
  const std::string t = Rogner(ligne);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto fin = t.find(']');
  if (fin == std::string::npos) return false;
  nom = Minuscules(Rogner(t.substr(1, fin - 1)));
  return true;
}

bool EstCle(const std::string& ligne, const std::string& cleMin, std::string* valeur) {
  const auto egal = ligne.find('=');
  if (egal == std::string::npos) return false;
  const std::string t = Rogner(ligne.substr(0, egal));
  if (t.empty() || t[0] == ';') return false;
  if (Minuscules(t) != cleMin) return false;
  if (valeur) *valeur = Rogner(ligne.substr(egal + 1));
  return true;
}

// Index range [debut, fin) of the lines of a section, debut being its header; false if missing.
bool TrouverSection(const TFichierIni& f, const std::string& section, std::size_t& debut, std::size_t& fin) {
  const std::string s = Minuscules(Rogner(section));
  std::string nom;
  for (std::size_t i = 0; i < f.lignes.size(); ++i) {
    if (EstSection(f.lignes[i], nom) && nom == s) {
      debut = i;
      fin = i + 1;
      while (fin < f.lignes.size() && !EstSection(f.lignes[fin], nom)) ++fin;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string LireProfil(const std::string& section, const std::string& cle, const std::string& defaut,
                       const std::string& fichier) {
  const TFichierIni& f = Charge(fichier);
  std::size_t debut = 0;
  std::size_t fin = 0;
  if (!TrouverSection(f, section, debut, fin)) return defaut;
  const std::string c = Minuscules(Rogner(cle));
  std::string v;
  for (std::size_t i = debut + 1; i < fin; ++i) {
    if (EstCle(f.lignes[i], c, &v)) {
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return defaut;
}

bool ProfilRefuse(const std::string& fichier) { return Charge(fichier).refuse; }

TAvertissementProfil RemplacerAvertissementProfil(TAvertissementProfil avertir) {
  std::swap(avertir, Avertissement());
  return avertir;
}

bool EcrireProfils(const std::vector<TEntreeProfil>& entrees, const std::string& fichier) {
  TFichierIni f = Charge(fichier);
  if (f.refuse) return false;
  for (const TEntreeProfil& e : entrees) {
    const bool sansSaut = e.Valeur.find_first_of("\r\n") == std::string::npos;
    const std::string ligneCle = Rogner(e.Cle) + "=" + (sansSaut ? e.Valeur : std::string());
    std::size_t debut = 0;
    std::size_t fin = 0;
    if (TrouverSection(f, e.Section, debut, fin)) {
      const std::string c = Minuscules(Rogner(e.Cle));
      bool remplace = false;
      for (std::size_t i = debut + 1; i < fin && !remplace; ++i) {
        if (EstCle(f.lignes[i], c, nullptr)) {
          f.lignes[i] = ligneCle;
          remplace = true;
        }
      }
      if (!remplace) {
        // After the section's last non-blank line, so blank separators stay between sections.
        std::size_t pos = fin;
        while (pos > debut + 1 && Rogner(f.lignes[pos - 1]).empty()) --pos;
        f.lignes.insert(f.lignes.begin() + static_cast<std::ptrdiff_t>(pos), ligneCle);
      }
    } else {
      if (!f.lignes.empty() && !Rogner(f.lignes.back()).empty()) f.lignes.emplace_back();
      f.lignes.push_back("[" + Rogner(e.Section) + "]");
      f.lignes.push_back(ligneCle);
    }
  }

  std::string texte;
  const char* fin_ligne = f.crlf ? "\r\n" : "\n";
  for (const std::string& l : f.lignes) texte += l + fin_ligne;
  try {
    EcrireFichierAtomique(fichier, texte);
  } catch (const EErreurFichier&) {
    return false;
  }
  if (struct stat st{}; ::stat(fichier.c_str(), &st) == 0) {
    NoterIdentite(f, st);
    Cache()[fichier] = std::move(f);
  }
  return true;
}

bool EcrireProfil(const std::string& section, const std::string& cle, const std::string& valeur,
                  const std::string& fichier) {
  return EcrireProfils({{section, cle, valeur}}, fichier);
}

}  // namespace calevrin::plateforme
