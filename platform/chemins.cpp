#include "platform/chemins.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace calevrin::plateforme {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* nom) {
  const char* v = std::getenv(nom);
  return v ? std::string(v) : std::string();
}

std::vector<std::string> Liste(const std::string& valeur, const std::vector<std::string>& defaut) {
  std::vector<std::string> r;
  std::stringstream ss(valeur);
  for (std::string p; std::getline(ss, p, ':');)
    if (!p.empty() && p[0] == '/') r.push_back(p);
  return r.empty() ? defaut : r;
}

// XDG variables must hold absolute paths; anything else means the default.
std::string Absolu(const std::string& v, const std::string& defaut) { return !v.empty() && v[0] == '/' ? v : defaut; }

}  // namespace

std::string AvecSeparateur(std::string repertoire) {
  if (repertoire.empty() || repertoire.back() != '/') repertoire += '/';
  return repertoire;
}

std::string CheminProgramme() {
  std::error_code ec;
  const fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string RepertoireProgramme() { return AvecSeparateur(fs::path(CheminProgramme()).parent_path().string()); }

std::string RepertoirePersonnel() {
  std::string h = Env("HOME");
  if (h.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) h = pw->pw_dir;
  }
  return h.empty() ? std::string("/") : h;
}

TRepertoiresXdg TRepertoiresXdg::DuSysteme() {
  const std::string home = RepertoirePersonnel();
  TRepertoiresXdg x;
  x.ConfigHome = Absolu(Env("XDG_CONFIG_HOME"), home + "/.config");
  x.DataHome = Absolu(Env("XDG_DATA_HOME"), home + "/.local/share");
  x.ConfigDirs = Liste(Env("XDG_CONFIG_DIRS"), {"/etc/xdg"});
  x.DataDirs = Liste(Env("XDG_DATA_DIRS"), {"/usr/local/share", "/usr/share"});
  return x;
}

namespace {
// A program installed among the system's programs keeps nothing beside itself, not even when
// root runs it and could write there.
bool RepertoireDuSysteme(const std::string& repertoire) {
  const std::string r = AvecSeparateur(repertoire);
  return r.rfind("/usr/", 0) == 0 || r.rfind("/bin/", 0) == 0 || r.rfind("/sbin/", 0) == 0;
}
}  // namespace

std::string RepertoireDonnees(const std::string& repertoireProgramme, const std::string& configXdg) {
  if (!repertoireProgramme.empty() && !RepertoireDuSysteme(repertoireProgramme) &&
      ::access(repertoireProgramme.c_str(), W_OK) == 0)
    return AvecSeparateur(repertoireProgramme);
  const fs::path r = fs::path(configXdg) / "calevrin";
  std::error_code ec;
  fs::create_directories(r, ec);
  return AvecSeparateur(r.string());
}

std::string RepertoireDonnees() {
  return RepertoireDonnees(RepertoireProgramme(), TRepertoiresXdg::DuSysteme().ConfigHome);
}

std::string FichierConfiguration() {
  return RepertoireDonnees() + fs::path(CheminProgramme()).stem().string() + ".ini";
}

std::string RepertoireSauvegardeParDefaut() { return RepertoirePersonnel() + "/Calevrin/Sauvegardes/"; }

void DossierExecutionPrive() {
  const char* existant = std::getenv("XDG_RUNTIME_DIR");
  if (existant != nullptr && *existant != '\0') return;
  const std::string dossier = "/tmp/runtime-" + std::to_string(::getuid());
  struct stat st {};
  if (::mkdir(dossier.c_str(), 0700) != 0 && (::lstat(dossier.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
                                              st.st_uid != ::getuid() || (st.st_mode & 077) != 0))
    return;
  ::setenv("XDG_RUNTIME_DIR", dossier.c_str(), 1);
}

}  // namespace calevrin::plateforme
