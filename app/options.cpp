#include "app/options.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/erreurs.h"
#include "platform/chemins.h"
#include "platform/profil.h"

namespace calevrin {

namespace pf = plateforme;

std::string EcrireReel(double v, char separateur) {
  char tampon[64];
  std::snprintf(tampon, sizeof tampon, "%.15G", v);
  std::string s(tampon);
  for (char& c : s)
    if (c == '.') c = separateur;
  return s;
}

bool LireReel(const std::string& texte, char separateur, double& v) {
  std::string s = texte;
  // A file written under another locale still reads: there are no thousands separators.
  for (char& c : s)
    if (c == separateur || c == '.' || c == ',') c = '.';
  const char* debut = s.data();
  if (!s.empty() && s[0] == '+') ++debut;
  double r = 0.0;
  const auto [fin, ec] = std::from_chars(debut, s.data() + s.size(), r, std::chars_format::general);
  if (ec != std::errc() || fin != s.data() + s.size() || !std::isfinite(r)) return false;
  v = r;
  return true;
}

bool LireEntier(const std::string& texte, long long& v) {
  std::string_view s = texte;
  bool negatif = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negatif = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (s.size() > 1 && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty() || s[0] == '-' || s[0] == '+') return false;
  long long r = 0;
  const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), r, base);
  if (ec != std::errc() || fin != s.data() + s.size()) return false;
  v = negatif ? -r : r;
  return true;
}

namespace {

// Every key of the file in its order, so that loading and saving cannot drift apart.
template <typename O, typename V>
void ParcourirCles(O& o, V& v) {
  const char* const B = "Boolean";
  v.Booleen(B, "arrondiN", o.arrondiN, &TOptions::arrondiN);
  v.Booleen(B, "prenom", o.prenom, &TOptions::prenom);
  v.Booleen(B, "trait", o.trait, &TOptions::trait);
  v.Booleen(B, "majuscule", o.majuscule, &TOptions::majuscule);
  v.Booleen(B, "noirblanc", o.noirblanc, &TOptions::noirblanc);
  v.Booleen(B, "moydiv2", o.moydiv2, &TOptions::moydiv2);
  v.Booleen(B, "textebas", o.textebas, &TOptions::textebas);
  v.Booleen(B, "sauvegarde", o.sauvegarde, &TOptions::sauvegarde);
  v.Booleen(B, "alignernb", o.alignernb, &TOptions::alignernb);
  v.Booleen(B, "verification", o.verification, &TOptions::verification);
  v.Booleen(B, "imprimerAnnee", o.imprimerAnnee, &TOptions::imprimerAnnee);
  v.Booleen(B, "tailleid", o.tailleid, &TOptions::tailleid);
  v.Booleen(B, "utiliserL", o.utiliserL, &TOptions::utiliserL);
  v.Booleen(B, "marge", o.marge, &TOptions::marge);
  v.Booleen(B, "centrert", o.centrert, &TOptions::centrert);
  const char* const D = "Divers";
  v.Octet(D, "coefmax", o.coefmax, OptionsDefaut.coefmax);
  v.Octet(D, "notemax", o.notemax, OptionsDefaut.notemax);
  v.Octet(D, "notemoy", o.notemoy, OptionsDefaut.notemoy);
  v.Separateur(D, "indsep", o.indsep);
  for (std::size_t i = 1; i <= NbCouleurs; ++i)
    v.Couleur(D, "couleur" + std::to_string(i), o.couleur[i], OptionsDefaut.couleur[i]);
  v.Reel(D, "zoomP", o.zoomP, OptionsDefaut.zoomP);
  v.Reel(D, "zoomD", o.zoomD, OptionsDefaut.zoomD);
  v.Reel(D, "kp", o.kp, OptionsDefaut.kp);
  v.Reel(D, "kd", o.kd, OptionsDefaut.kd);
  v.Chemin(D, "repsauve", o.repsauve, OptionsDefaut.repsauve);
  for (std::size_t i = 1; i <= 3; ++i) v.Chemin(D, "liste" + std::to_string(i), o.liste[i], std::string());
  v.Texte(D, "polname", o.polname, OptionsDefaut.polname, CapacitePolice);
  const char* const C = "Correspondance";
  for (std::size_t i = 1; i <= NbCorrespondances; ++i) {
    v.Reel(C, "coresV" + std::to_string(i), o.cores[i].coresV, OptionsDefaut.cores[i].coresV);
    v.Texte(C, "coresL" + std::to_string(i), o.cores[i].coresL, OptionsDefaut.cores[i].coresL, CapaciteLettre);
  }
  const char* const A = "Autre";
  v.Style(A, o.polstyle);
  v.Relief(A, "relief", o.relief);
}

struct TLecteur {
  const std::string& fichier;
  char sep;

  bool Valeur(const char* section, const std::string& cle, std::string& s) const {
    s = pf::LireProfil(section, cle, "", fichier);
    return !s.empty();
  }
  bool Entier(const char* section, const std::string& cle, long long& v) const {
    std::string s;
    return Valeur(section, cle, s) && LireEntier(s, v);
  }
  void Booleen(const char* s, const char* cle, bool& b, bool TOptions::*champ) const {
    long long v = 0;
    b = Entier(s, cle, v) ? v != 0 : OptionsDefaut.*champ;
  }
  void Octet(const char* s, const char* cle, std::uint8_t& b, std::uint8_t defaut) const {
    long long v = 0;
    b = Entier(s, cle, v) && v >= 0 && v <= 255 ? static_cast<std::uint8_t>(v) : defaut;
  }
  void Separateur(const char* s, const char* cle, std::uint8_t& b) const {
    long long v = 0;
    b = Entier(s, cle, v) && v >= 0 && v <= 9 ? static_cast<std::uint8_t>(v) : OptionsDefaut.indsep;
  }
  void Couleur(const char* s, const std::string& cle, TCouleur& c, TCouleur defaut) const {
    long long v = 0;
    c = Entier(s, cle, v) && v >= 0 && v <= 0xFFFFFF ? static_cast<TCouleur>(v) : defaut;
  }
  void Reel(const char* s, const std::string& cle, double& d, double defaut) const {
    std::string t;
    if (!Valeur(s, cle, t) || !LireReel(t, sep, d)) d = defaut;
  }
  void Chemin(const char* s, const std::string& cle, std::string& c, const std::string& defaut) const {
    std::string t;
    c = Valeur(s, cle, t) ? CouperUtf8(t, CapaciteChemin) : defaut;
  }
  void Texte(const char* s, const std::string& cle, std::string& c, const std::string& defaut,
             std::size_t capacite) const {
    std::string t;
    if (!Valeur(s, cle, t)) {
      c = defaut;
      return;
    }
    // A file written elsewhere in Windows-1252 is taken byte for byte.
    c = Cp1252DepuisUtf8(t).value_or(t);
    if (c.size() > capacite) c.resize(capacite);
  }
  void Style(const char* s, TStylePolice& st) const {
    long long v = 0;
    st.gras = Entier(s, "polstyleB", v) && v != 0;
    st.italique = Entier(s, "polstyleI", v) && v != 0;
    st.souligne = Entier(s, "polstyleU", v) && v != 0;
  }
  void Relief(const char* s, const char* cle, std::uint8_t& r) const {
    long long v = 0;
    if (!Entier(s, cle, v)) v = 0;
    if (v >= 0 && v <= 2) r = static_cast<std::uint8_t>(v);
  }
};

// Builds the whole file's keys in memory: the file is then written once.
struct TEcrivain {
  char sep;
  std::vector<pf::TEntreeProfil> entrees;

  void Ecrire(const char* section, const std::string& cle, const std::string& valeur) {
    entrees.push_back({section, cle, valeur});
  }
  void Booleen(const char* s, const char* cle, bool b, bool TOptions::*) { Ecrire(s, cle, b ? "1" : "0"); }
  void Octet(const char* s, const char* cle, std::uint8_t b, std::uint8_t) { Ecrire(s, cle, std::to_string(b)); }
  void Separateur(const char* s, const char* cle, std::uint8_t b) { Ecrire(s, cle, std::to_string(b)); }
  void Couleur(const char* s, const std::string& cle, TCouleur c, TCouleur) { Ecrire(s, cle, std::to_string(c)); }
  void Reel(const char* s, const std::string& cle, double d, double) { Ecrire(s, cle, EcrireReel(d, sep)); }
  void Chemin(const char* s, const std::string& cle, const std::string& c, const std::string&) { Ecrire(s, cle, c); }
  void Texte(const char* s, const std::string& cle, const std::string& c, const std::string&, std::size_t) {
    Ecrire(s, cle, Utf8DepuisCp1252(c));
  }
  void Style(const char* s, const TStylePolice& st) {
    Ecrire(s, "polstyleB", st.gras ? "1" : "0");
    Ecrire(s, "polstyleI", st.italique ? "1" : "0");
    Ecrire(s, "polstyleU", st.souligne ? "1" : "0");
  }
  void Relief(const char* s, const char* cle, std::uint8_t r) { Ecrire(s, cle, std::to_string(r)); }
};

}  // namespace

void OptionsParDefaut(TOptions& o) {
  o = TOptions{};
  o.repsauve = pf::RepertoireSauvegardeParDefaut();
}

void ChargerOptions(TOptions& o, const std::string& fichier, char separateurDecimal) {
  std::error_code ec;
  if (!std::filesystem::exists(fichier, ec)) {
    OptionsParDefaut(o);
    EnregistrerOptions(o, fichier, separateurDecimal);
    return;
  }
  const TLecteur lecteur{fichier, separateurDecimal};
  ParcourirCles(o, lecteur);
  // A zoom of 0 from a hand-edited file would shrink the sheet to a few pixels.
  for (double TOptions::*zoom : {&TOptions::zoomP, &TOptions::zoomD})
    if (!(o.*zoom >= ZoomMin && o.*zoom <= ZoomMax)) o.*zoom = OptionsDefaut.*zoom;
}

bool EnregistrerOptions(const TOptions& o, const std::string& fichier, char separateurDecimal) {
  TEcrivain ecrivain{separateurDecimal, {}};
  ParcourirCles(o, ecrivain);
  const bool ok = pf::EcrireProfils(ecrivain.entrees, fichier);
  // A refused file was announced when read.
  if (!ok && !pf::ProfilRefuse(fichier))
    Alerter(TGenreAlerte::Erreur, Formater("Impossible d'écrire dans %s", fichier));
  return ok;
}

}  // namespace calevrin
