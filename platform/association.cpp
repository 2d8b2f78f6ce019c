#include "platform/association.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fichiers/ecriture.h"
#include "fichiers/erreurs.h"
#include "platform/processus.h"
#include "platform/profil.h"

namespace calevrin::plateforme {

namespace fs = std::filesystem;

namespace {

bool Existe(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool EcrireTexte(const fs::path& p, const std::string& texte) {
  std::error_code ec;
  fs::create_directories(p.parent_path(), ec);
  try {
    EcrireFichierAtomique(p.string(), texte);
  } catch (const EErreurFichier&) {
    return false;
  }
  return true;
}

// Desktop-entry string values escape "\" and a few controls.
std::string DeseEchapper(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char c = s[++i];
      r += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    } else {
      r += s[i];
    }
  }
  return r;
}

std::string Echapper(const std::string& s) {
  std::string r;
  for (char c : s) {
    if (c == '\\') r += '\\';
    r += c;
  }
  return r;
}

std::string TrouverEntree(const TRepertoiresXdg& xdg, const std::string& id) {
  std::vector<std::string> dirs{xdg.DataHome};
  dirs.insert(dirs.end(), xdg.DataDirs.begin(), xdg.DataDirs.end());
  for (const std::string& d : dirs) {
    const fs::path p = fs::path(d) / "applications" / id;
    if (Existe(p)) return p.string();
  }
  return {};
}

// An Exec line may name its program without a directory ("calevrin %f", as a package
// installs it): the program is then the one found on PATH.
std::string AvecCheminComplet(const std::string& exec) {
  const std::size_t fin = exec.find(' ');
  const std::string programme = exec.substr(0, fin);
  if (programme.empty() || programme.find('/') != std::string::npos) return exec;
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/local/bin:/usr/bin:/bin");
  for (std::string d; std::getline(dirs, d, ':');) {
    if (d.empty()) continue;
    const fs::path p = fs::path(d) / programme;
    if (Existe(p) && ::access(p.c_str(), X_OK) == 0) {
      std::error_code ec;
      const fs::path vrai = fs::weakly_canonical(p, ec);
      return (ec ? p : vrai).string() + (fin == std::string::npos ? std::string() : exec.substr(fin));
    }
  }
  return exec;
}

std::string CommandeEntree(const std::string& entree) {
  return AvecCheminComplet(SansGuillemetsExec(DeseEchapper(LireProfil("Desktop Entry", "Exec", "", entree))));
}

}  // namespace

std::string TypeMime(const std::string& ext) {
  return ext == "cl3" ? "application/x-calevrin-classe" : "application/x-calevrin-" + ext;
}

std::string GuillemetsExec(const std::string& chemin) {
  static const std::string reserves = " \t\n\"'\\><~|&;$*?#()`";
  if (chemin.find_first_of(reserves) == std::string::npos) return chemin;
  std::string r = "\"";
  for (char c : chemin) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') r += '\\';
    r += c;
  }
  return r + "\"";
}

std::string SansGuillemetsExec(const std::string& exec) {
  if (exec.empty() || exec[0] != '"') return exec;
  std::string r;
  std::size_t i = 1;
  for (; i < exec.size() && exec[i] != '"'; ++i) {
    if (exec[i] == '\\' && i + 1 < exec.size()) ++i;
    r += exec[i];
  }
  return r + (i + 1 < exec.size() ? exec.substr(i + 1) : std::string());
}

std::string LireCommandeOuverture(const TRepertoiresXdg& xdg, const std::string& typeMime) {
  // mimeapps.list files in the order of precedence of the XDG association rules.
  std::vector<std::string> listes{xdg.ConfigHome};
  listes.insert(listes.end(), xdg.ConfigDirs.begin(), xdg.ConfigDirs.end());
  listes.push_back(xdg.DataHome + "/applications");
  for (const std::string& d : xdg.DataDirs) listes.push_back(d + "/applications");
  for (const std::string& d : listes) {
    const std::string fichier = d + "/mimeapps.list";
    if (!Existe(fichier)) continue;
    std::stringstream ids(LireProfil("Default Applications", typeMime, "", fichier));
    for (std::string id; std::getline(ids, id, ';');) {
      if (id.empty()) continue;
      const std::string entree = TrouverEntree(xdg, id);
      if (entree.empty()) continue;
      return CommandeEntree(entree);
    }
  }
  // No default chosen: the desktop then opens the type with an application that declares it,
  // such as the entry a package installed.
  const std::string entree = TrouverEntree(xdg, NomEntreeBureau);
  if (entree.empty()) return {};
  std::stringstream types(LireProfil("Desktop Entry", "MimeType", "", entree));
  for (std::string t; std::getline(types, t, ';');)
    if (t == typeMime) return CommandeEntree(entree);
  return {};
}

bool EcrireTypeMime(const TRepertoiresXdg& xdg, const std::string& typeMime, const std::string& ext) {
  const fs::path base = fs::path(xdg.DataHome) / "mime";
  const std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"" +
      typeMime +
      "\">\n"
      "    <comment>Classe Calevrin</comment>\n"
      "    <comment xml:lang=\"fr\">Classe Calevrin</comment>\n"
      "    <glob pattern=\"*." +
      ext +
      "\"/>\n"
      "  </mime-type>\n"
      "</mime-info>\n";
  if (!EcrireTexte(base / "packages" / ("calevrin-" + ext + ".xml"), xml)) return false;
  // Without the database update the new glob is not seen; a desktop lacking the tool
  // still gets the package, which its next update will pick up.
  Executer({"update-mime-database", base.string()});
  return true;
}

bool EcrireEntreeBureau(const TRepertoiresXdg& xdg, const std::string& typeMime, const std::string& programme) {
  const std::string texte =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Calevrin\n"
      "Comment=Carnet de notes du professeur\n"
      "Exec=" +
      Echapper(GuillemetsExec(programme)) +
      " %f\n"
      "Icon=calevrin\n"
      "Terminal=false\n"
      "Categories=Office;Education;\n"
      "MimeType=" +
      typeMime + ";\n";
  return EcrireTexte(fs::path(xdg.DataHome) / "applications" / NomEntreeBureau, texte);
}

bool EcrireApplicationParDefaut(const TRepertoiresXdg& xdg, const std::string& typeMime) {
  std::error_code ec;
  fs::create_directories(xdg.ConfigHome, ec);
  return EcrireProfil("Default Applications", typeMime, NomEntreeBureau, xdg.ConfigHome + "/mimeapps.list");
}

}  // namespace calevrin::plateforme
