#include "fichiers/ecriture.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "fichiers/erreurs.h"

namespace calevrin {

namespace fs = std::filesystem;

TCrochetsEcriture& CrochetsEcriture() {
  static TCrochetsEcriture c;
  return c;
}

namespace {

// The kernel's own limit on a chain of links.
constexpr int MaxLiens = 40;

EErreurFichier Echec(const std::string& chemin) { return EErreurFichier(Formater(MsgCreation, chemin)); }

void Etape(TEtapeEcriture e) {
  if (CrochetsEcriture().etape) CrochetsEcriture().etape(e);
}

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view Prefixe = ".calevrin-";
constexpr std::string_view Suffixe = ".tmp";
constexpr std::size_t LongueurAlea = 12;

// Of fixed length, so that a target whose name is near the file system's limit still has
// a temporary; hidden, and recognisable by the clean-up.
std::string NomTemporaire() {
  thread_local std::mt19937_64 alea{std::random_device{}()};
  std::string r(Prefixe);
  for (std::size_t i = 0; i < LongueurAlea; ++i) r += Alphabet[alea() % Alphabet.size()];
  r += Suffixe;
  return r;
}

bool EstTemporaire(std::string_view f) {
  if (f.size() != Prefixe.size() + LongueurAlea + Suffixe.size() || !f.starts_with(Prefixe) || !f.ends_with(Suffixe))
    return false;
  for (const char c : f.substr(Prefixe.size(), LongueurAlea))
    if (Alphabet.find(c) == std::string_view::npos) return false;
  return true;
}

// A writer holds a lock on its temporary until the rename; a temporary nobody locks was left
// by a writer that died, and goes.
void NettoyerTemporaires(int dossier) {
  const int copie = ::dup(dossier);
  if (copie < 0) return;
  DIR* d = ::fdopendir(copie);
  if (!d) {
    ::close(copie);
    return;
  }
  while (const dirent* e = ::readdir(d)) {
    if (!EstTemporaire(e->d_name)) continue;
    // Never block on a FIFO nor follow a link that merely bears the name.
    const int fd = ::openat(dossier, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    struct stat nom {};
    // Still under that name once locked: renamed meanwhile, the name may be another's by now.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(dossier, e->d_name, &nom, AT_SYMLINK_NOFOLLOW) == 0 && nom.st_ino == st.st_ino &&
        nom.st_dev == st.st_dev)
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

// A new named temporary in the folder, locked; its name goes into temporaire.
int CreerTemporaire(int dossier, mode_t mode, std::string& temporaire) {
  for (int essai = 0; essai < 100; ++essai) {
    temporaire = NomTemporaire();
    const int fd = ::openat(dossier, temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
      if (errno != EEXIST) break;
      continue;
    }
    // Between its creation and the lock another writer's clean-up may have taken it.
    struct stat st {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
    ::close(fd);
  }
  temporaire.clear();
  return -1;
}

// Gives the unnamed file fd a name in the folder: the target itself when it must not exist,
// else a temporary name that goes into temporaire. impossible when links to unnamed files are
// impossible here, existe when the target appeared.
bool Nommer(int fd, int dossier, const std::string& nom, bool direct, std::string& temporaire, bool& impossible,
            bool& existe) {
  const std::string source = "/proc/self/fd/" + std::to_string(fd);
  if (direct) {
    if (::linkat(AT_FDCWD, source.c_str(), dossier, nom.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    existe = errno == EEXIST;
    impossible = errno == ENOENT;  // no /proc
    return false;
  }
  for (int essai = 0; essai < 100; ++essai) {
    temporaire = NomTemporaire();
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
    if (!S_ISLNK(st.st_mode)) throw EErreurFichier(Formater(MsgPasFichierOrdinaire, chemin));
    if (liens == MaxLiens) throw Echec(chemin);
    std::error_code ec;
    const fs::path lien = fs::read_symlink(cible, ec);
    if (ec) throw Echec(chemin);
    cible = lien.is_absolute() ? lien : cible.parent_path() / lien;
  }
}

namespace {

// One write in progress: the target's folder held open, and the temporary when it has a name.
struct TEcriture {
  const std::string& chemin;
  const TModeEcriture& options;
  std::string nom = {};
  int dossier = -1;
  std::string temporaire = {};
  bool fixerMode = false;
  mode_t mode = 0;
  mode_t creation = 0;
  bool direct = false;   // straight under the target's name
  bool anonyme = false;  // an O_TMPFILE not yet linked

  EErreurFichier Abandonner(int fd, std::string_view message = MsgCreation) {
    if (!temporaire.empty()) ::unlinkat(dossier, temporaire.c_str(), 0);
    if (fd >= 0) ::close(fd);
    ::close(dossier);
    return EErreurFichier(Formater(message, chemin));
  }
};

// One attempt; false when the anonymous temporary cannot be linked and the data must be
// written again under a name.
bool Tenter(TEcriture& e, const std::uint8_t* donnees, std::size_t taille) {
  const TModeEcriture& options = e.options;
  int fd = -1;
  if (e.anonyme) {
    fd = ::openat(e.dossier, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, e.creation);
    e.anonyme = fd >= 0;
    // Locked before it has a name, so that no clean-up ever sees it unlocked.
    if (e.anonyme) ::flock(fd, LOCK_EX);
  }
  if (!e.anonyme) fd = CreerTemporaire(e.dossier, e.creation, e.temporaire);
  if (fd < 0) throw e.Abandonner(fd);
  if (!ToutEcrire(fd, donnees, taille) || (e.fixerMode && ::fchmod(fd, e.mode) != 0) ||
      (options.synchroniser && ::fsync(fd) != 0))
    throw e.Abandonner(fd);
  Etape(TEtapeEcriture::DonneesEcrites);
  if (e.anonyme) {
    bool impossible = false;
    bool apparu = false;
    bool nomme = Nommer(fd, e.dossier, e.nom, e.direct, e.temporaire, impossible, apparu);
    if (!nomme && apparu && !options.exclusif) {  // another writer's: replaced as usual
      e.direct = false;
      nomme = Nommer(fd, e.dossier, e.nom, e.direct, e.temporaire, impossible, apparu);
    }
    if (!nomme) {
      if (apparu) throw e.Abandonner(fd, MsgExisteDeja);
      if (!impossible) throw e.Abandonner(fd);
      ::close(fd);
      e.anonyme = false;
      return false;
    }
    if (e.temporaire.empty()) {  // linked straight as the new target
      ::close(fd);
      return true;
    }
  }
  Etape(TEtapeEcriture::TemporaireNomme);
  // A link fails where a rename would replace.
  if (e.direct && ::linkat(e.dossier, e.temporaire.c_str(), e.dossier, e.nom.c_str(), 0) == 0) {
    ::unlinkat(e.dossier, e.temporaire.c_str(), 0);
  } else if (e.direct && (errno != EEXIST || options.exclusif)) {
    throw e.Abandonner(fd, errno == EEXIST ? MsgExisteDeja : MsgCreation);
  } else if (::renameat(e.dossier, e.temporaire.c_str(), e.dossier, e.nom.c_str()) != 0) {
    throw e.Abandonner(fd);
  }
  ::close(fd);  // only now: the lock kept the temporary from every clean-up until renamed
  return true;
}

}  // namespace

void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           const TModeEcriture& options) {
  const fs::path cible = CibleEcriture(chemin);
  struct stat st {};
  const bool existe = ::stat(cible.c_str(), &st) == 0;
  if (existe && options.exclusif) throw EErreurFichier(Formater(MsgExisteDeja, chemin));
  // Root may write anything: a file without any write permission is protected all the same.
  if (existe && ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0))
    throw EErreurFichier(Formater(MsgProtege, chemin));
  TEcriture e{chemin, options};
  // A replaced file keeps its mode; a new one is created with the usual mode and the kernel
  // applies the umask (changing the umask would race with the other threads).
  e.fixerMode = options.prive || existe;
  e.mode = options.prive ? 0600 : existe ? st.st_mode & 07777 : 0666;
  e.creation = e.fixerMode ? 0600 : 0666;
  e.nom = cible.filename().string();
  const fs::path chemindossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
  e.dossier = ::open(chemindossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (e.dossier < 0 || e.nom.empty()) {
    if (e.dossier >= 0) ::close(e.dossier);
    throw Echec(chemin);
  }
  NettoyerTemporaires(e.dossier);
  // Straight under the target's name when there is nothing to replace: a file that appears
  // meanwhile is never overwritten.
  e.direct = !existe;
  e.anonyme = !CrochetsEcriture().sansFichierAnonyme;
  while (!Tenter(e, donnees, taille)) continue;  // once more, under a name
  // The new name itself must reach the disk, or a crash could bring the old file back.
  if (options.synchroniser) ::fsync(e.dossier);
  ::close(e.dossier);
}

}  // namespace calevrin
