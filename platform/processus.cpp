#include "platform/processus.h"

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace calevrin::plateforme {

bool Executer(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int err = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (err != 0) return false;
  int statut = 0;
  while (::waitpid(pid, &statut, 0) < 0)
    if (errno != EINTR) return false;
  return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

void RendreLesGrandsBlocs() {
  constexpr int Seuil = 128 * 1024;  // the C library's own starting value, kept fixed
  mallopt(M_MMAP_THRESHOLD, Seuil);
  mallopt(M_TRIM_THRESHOLD, Seuil);
}

}  // namespace calevrin::plateforme
