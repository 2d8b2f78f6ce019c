#include "model/ecriture.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "model/erreurs.h"

namespace calevrin {

namespace fs = std::filesystem;

TCrochetsEcriture& CrochetsEcriture() {
  static TCrochetsEcriture c;
  return c;
}

namespace {

// The kernel's own limit on a chain of links.
constexpr int MaxLiens = 40;

EErreurClasse Echec(const std::string& chemin) { return EErreurClasse(Formater(MsgCreation, chemin)); }

void Etape(TEtapeEcriture e) {
  if (CrochetsEcriture().etape) CrochetsEcriture().etape(e);
}

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t LongueurSuffixe = 6;

// ".NAME.XXXXXX": hidden beside the target, and recognisable as one of its temporaries.
std::string NomTemporaire(const std::string& nom) {
  static std::mt19937_64 alea{std::random_device{}()};
  std::string r = "." + nom + ".";
  for (std::size_t i = 0; i < LongueurSuffixe; ++i) r += Alphabet[alea() % Alphabet.size()];
  return r;
}

bool EstTemporaireDe(std::string_view fichier, const std::string& nom) {
  if (fichier.size() != nom.size() + 2 + LongueurSuffixe || fichier[0] != '.' || fichier.substr(1, nom.size()) != nom ||
      fichier[nom.size() + 1] != '.')
    return false;
  for (const char c : fichier.substr(nom.size() + 2))
    if (Alphabet.find(c) == std::string_view::npos) return false;
  return true;
}

// A writer holds a lock on its temporary until the rename; a temporary nobody locks was left
// by a writer that died, and goes.
void NettoyerTemporaires(int dossier, const std::string& nom) {
  const int copie = ::dup(dossier);
  if (copie < 0) return;
  DIR* d = ::fdopendir(copie);
  if (!d) {
    ::close(copie);
    return;
  }
  while (const dirent* e = ::readdir(d)) {
    if (!EstTemporaireDe(e->d_name, nom)) continue;
    // Never block on a FIFO nor follow a link that merely bears the name.
    const int fd = ::openat(dossier, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dossier, e->d_name, 0);
    ::close(fd);
  }
  ::closedir(d);
}

bool ToutEcrire(int fd, const std::uint8_t* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

mode_t ModeParDefaut() {
  const mode_t masque = ::umask(0);
  ::umask(masque);
  return 0666 & ~masque;
}

// A new named temporary in the folder; its name goes into temporaire.
int CreerTemporaire(int dossier, const std::string& nom, std::string& temporaire) {
  for (int essai = 0; essai < 100; ++essai) {
    temporaire = NomTemporaire(nom);
    const int fd = ::openat(dossier, temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  temporaire.clear();
  return -1;
}

// Gives the unnamed file fd a name in the folder: the target itself when it does not exist yet,
// else a temporary name that goes into temporaire. False when links to unnamed files are
// impossible here.
bool Nommer(int fd, int dossier, const std::string& nom, bool cibleExiste, std::string& temporaire, bool& impossible) {
  const std::string source = "/proc/self/fd/" + std::to_string(fd);
  if (!cibleExiste && ::linkat(AT_FDCWD, source.c_str(), dossier, nom.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  if (!cibleExiste && errno != EEXIST) {
    impossible = errno == ENOENT;  // no /proc
    return false;
  }
  for (int essai = 0; essai < 100; ++essai) {
    temporaire = NomTemporaire(nom);
    if (::linkat(AT_FDCWD, source.c_str(), dossier, temporaire.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) {
      impossible = errno == ENOENT;
      break;
    }
  }
  temporaire.clear();
  return false;
}

}  // namespace

std::string CibleEcriture(const std::string& chemin) {
  fs::path cible(chemin);
  for (int liens = 0;; ++liens) {
    struct stat st {};
    if (::lstat(cible.c_str(), &st) != 0) {
      if (errno == ENOENT) return cible.string();
      throw Echec(chemin);
    }
    if (S_ISREG(st.st_mode)) return cible.string();
    if (!S_ISLNK(st.st_mode)) throw EErreurClasse(Formater(MsgPasFichierOrdinaire, chemin));
    if (liens == MaxLiens) throw Echec(chemin);
    std::error_code ec;
    const fs::path lien = fs::read_symlink(cible, ec);
    if (ec) throw Echec(chemin);
    cible = lien.is_absolute() ? lien : cible.parent_path() / lien;
  }
}

void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           bool synchroniser) {
  const fs::path cible = CibleEcriture(chemin);
  struct stat st {};
  const bool existe = ::stat(cible.c_str(), &st) == 0;
  const mode_t mode = existe ? st.st_mode & 07777 : ModeParDefaut();
  const std::string nom = cible.filename().string();
  const fs::path chemindossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
  const int dossier = ::open(chemindossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dossier < 0 || nom.empty()) {
    if (dossier >= 0) ::close(dossier);
    throw Echec(chemin);
  }
  NettoyerTemporaires(dossier, nom);

  std::string temporaire;
  const auto abandonner = [&](int fd) {
    if (fd >= 0) ::close(fd);
    if (!temporaire.empty()) ::unlinkat(dossier, temporaire.c_str(), 0);
    ::close(dossier);
    return Echec(chemin);
  };
  bool anonyme = !CrochetsEcriture().sansFichierAnonyme;
  for (;;) {
    int fd = -1;
    if (anonyme) {
      fd = ::openat(dossier, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
      anonyme = fd >= 0;
    }
    if (!anonyme) fd = CreerTemporaire(dossier, nom, temporaire);
    if (fd < 0) throw abandonner(fd);
    ::flock(fd, LOCK_EX);
    if (!ToutEcrire(fd, donnees, taille) || ::fchmod(fd, mode) != 0 || (synchroniser && ::fsync(fd) != 0))
      throw abandonner(fd);
    Etape(TEtapeEcriture::DonneesEcrites);
    if (anonyme) {
      bool impossible = false;
      if (!Nommer(fd, dossier, nom, existe, temporaire, impossible)) {
        if (!impossible) throw abandonner(fd);
        ::close(fd);
        anonyme = false;  // write it again, the named way
        continue;
      }
      if (temporaire.empty()) {  // linked straight as the new target
        ::close(fd);
        break;
      }
    }
    Etape(TEtapeEcriture::TemporaireNomme);
    const int fermeture = ::close(fd);
    if (fermeture != 0 || ::renameat(dossier, temporaire.c_str(), dossier, nom.c_str()) != 0) throw abandonner(-1);
    break;
  }
  // The new name itself must reach the disk, or a crash could bring the old file back.
  if (synchroniser) ::fsync(dossier);
  ::close(dossier);
}

}  // namespace calevrin
