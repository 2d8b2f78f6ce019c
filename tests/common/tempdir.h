#pragma once
// A temporary directory removed with its content at the end of a test.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace calevrin::test {

class TRepertoireTemp {
 public:
  TRepertoireTemp() {
    std::string modele = (std::filesystem::temp_directory_path() / "calevrin-test-XXXXXX").string();
    if (!::mkdtemp(modele.data())) std::abort();
    chemin_ = modele;
  }
  ~TRepertoireTemp() {
    std::error_code ec;
    std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(chemin_, ec);
  }
  TRepertoireTemp(const TRepertoireTemp&) = delete;
  TRepertoireTemp& operator=(const TRepertoireTemp&) = delete;

  const std::filesystem::path& Chemin() const { return chemin_; }
  std::string operator/(const std::string& nom) const { return (chemin_ / nom).string(); }

 private:
  std::filesystem::path chemin_;
};

}  // namespace calevrin::test
