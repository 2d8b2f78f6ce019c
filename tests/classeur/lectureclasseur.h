#pragma once
// Reads a workbook back as an office suite would: the zip opened with libzip, the sheets'
// cells, the shared strings and the styles that make a number a date.

#include <zip.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace calevrin::test {

struct TCellule {
  enum TGenre { Nombre, Texte, Date } Genre = Texte;
  double Valeur = 0;
  std::string Chaine;  // UTF-8, for a text
};

struct TClasseurLu {
  std::vector<std::string> Feuilles, XmlFeuilles;
  std::vector<std::map<std::pair<int, int>, TCellule>> Cellules;  // [sheet][(row, column)], from 0
  std::string Proprietes;                                         // docProps/core.xml

  std::size_t Index(const std::string& feuille) const {
    const auto i = std::find(Feuilles.begin(), Feuilles.end(), feuille);
    if (i == Feuilles.end()) throw std::runtime_error("pas de feuille " + feuille);
    return static_cast<std::size_t>(i - Feuilles.begin());
  }
  const TCellule* Cellule(const std::string& feuille, int ligne, int colonne) const {
    const auto& c = Cellules[Index(feuille)];
    const auto it = c.find({ligne, colonne});
    return it == c.end() ? nullptr : &it->second;
  }
};

namespace lecture {

inline std::string Entree(zip_t* z, const std::string& nom) {
  zip_stat_t st;
  zip_file_t* f = zip_stat(z, nom.c_str(), 0, &st) == 0 ? zip_fopen(z, nom.c_str(), 0) : nullptr;
  if (!f) throw std::runtime_error("pas de " + nom);
  std::string r(st.size, '\0');
  zip_fread(f, r.data(), st.size);
  zip_fclose(f);
  return r;
}

inline std::string Deseder(std::string s) {
  for (const auto& [e, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
    for (std::size_t i = 0; (i = s.find(e, i)) != std::string::npos; ++i) s.replace(i, std::string(e).size(), c);
  return s;
}

inline std::string Attribut(const std::string& balise, const std::string& nom) {
  const std::size_t i = balise.find(" " + nom + "=\"");
  if (i == std::string::npos) return "";
  const std::size_t debut = i + nom.size() + 3;
  return Deseder(balise.substr(debut, balise.find('"', debut) - debut));
}

// Each element <nom ...>...</nom> or <nom .../>: its opening tag and its content.
inline std::vector<std::pair<std::string, std::string>> Elements(const std::string& xml, const std::string& nom) {
  std::vector<std::pair<std::string, std::string>> r;
  for (std::size_t i = 0; (i = xml.find("<" + nom, i)) != std::string::npos;) {
    const std::size_t fin = xml.find('>', i);
    const std::string balise = xml.substr(i, fin - i + 1);
    i = fin + 1;
    if (std::string(" >/").find(balise[nom.size() + 1]) == std::string::npos) continue;  // <nomLonger
    std::string contenu;
    if (balise[balise.size() - 2] != '/') {
      const std::size_t ferme = xml.find("</" + nom + ">", i);
      contenu = xml.substr(i, ferme - i);
    }
    r.emplace_back(balise, contenu);
  }
  return r;
}

inline std::string TexteDe(const std::string& xml) {
  std::string t;
  for (const auto& e : Elements(xml, "t")) t += Deseder(e.second);
  return t;
}

}  // namespace lecture

inline TClasseurLu LireClasseur(const std::string& chemin) {
  using namespace lecture;
  int erreur = 0;
  zip_t* z = zip_open(chemin.c_str(), ZIP_RDONLY, &erreur);
  if (!z) throw std::runtime_error("pas un zip : " + chemin);
  TClasseurLu r;
  for (const auto& e : Elements(Entree(z, "xl/workbook.xml"), "sheet")) r.Feuilles.push_back(Attribut(e.first, "name"));
  std::vector<std::string> partagees;
  if (zip_name_locate(z, "xl/sharedStrings.xml", 0) >= 0)
    for (const auto& e : Elements(Entree(z, "xl/sharedStrings.xml"), "si")) partagees.push_back(TexteDe(e.second));
  // A style is a date when its number format writes a year.
  const std::string styles = Entree(z, "xl/styles.xml");
  std::set<std::string> formatsDate;
  for (const auto& e : Elements(styles, "numFmt"))
    if (Attribut(e.first, "formatCode").find("yy") != std::string::npos)
      formatsDate.insert(Attribut(e.first, "numFmtId"));
  std::vector<bool> stylesDate;
  for (const auto& e : Elements(Elements(styles, "cellXfs").at(0).second, "xf"))
    stylesDate.push_back(formatsDate.contains(Attribut(e.first, "numFmtId")));

  for (std::size_t i = 1; i <= r.Feuilles.size(); ++i) {
    r.XmlFeuilles.push_back(Entree(z, "xl/worksheets/sheet" + std::to_string(i) + ".xml"));
    auto& cellules = r.Cellules.emplace_back();
    for (const auto& [balise, contenu] : Elements(r.XmlFeuilles.back(), "c")) {
      const std::string ref = Attribut(balise, "r");
      const std::size_t chiffres = ref.find_first_of("0123456789");
      int colonne = 0;
      for (std::size_t j = 0; j < chiffres; ++j) colonne = colonne * 26 + (ref[j] - 'A' + 1);
      TCellule c;
      const std::string t = Attribut(balise, "t");
      const std::string s = Attribut(balise, "s");
      const std::string v = Elements(contenu, "v").empty() ? "" : Elements(contenu, "v")[0].second;
      if (t == "s") {
        c.Chaine = partagees.at(std::stoul(v));
      } else if (t == "inlineStr" || t == "str") {
        c.Chaine = t == "str" ? Deseder(v) : TexteDe(contenu);
      } else {
        c.Genre = !s.empty() && stylesDate.at(std::stoul(s)) ? TCellule::Date : TCellule::Nombre;
        c.Valeur = std::stod(v);
      }
      cellules[{std::stoi(ref.substr(chiffres)) - 1, colonne - 1}] = c;
    }
  }
  r.Proprietes = Entree(z, "docProps/core.xml");
  zip_close(z);
  return r;
}

}  // namespace calevrin::test
