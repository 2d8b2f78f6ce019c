#pragma once
// Tables shared by every canvas of the process, one per key (a font at a resolution).
// A canvas holds the table it writes into by a shared reference: trimming the set when it
// grows frees only the tables no canvas holds, and a table dropped from the set stays alive
// for the canvases still using it. No Qt here, so the sanitizer build can exercise it.

#include <cstddef>
#include <map>
#include <memory>

namespace calevrin::plateforme {

template <class Cle, class Table>
class TCacheTables {
 public:
  explicit TCacheTables(std::size_t maxTables) : max_(maxTables) {}

  // The table of this key, created empty when missing.
  std::shared_ptr<Table> Obtenir(const Cle& cle) {
    if (auto it = tables_.find(cle); it != tables_.end()) return it->second;
    if (tables_.size() >= max_) Elaguer();
    auto t = std::make_shared<Table>();
    tables_.emplace(cle, t);
    return t;
  }

  std::size_t NbTables() const { return tables_.size(); }

 private:
  // The tables nobody holds go first; when every one is held (more canvases than the limit,
  // an unlikely case) the set is emptied and each canvas keeps its own until it lets go.
  void Elaguer() {
    for (auto it = tables_.begin(); it != tables_.end();)
      it = it->second.use_count() == 1 ? tables_.erase(it) : std::next(it);
    if (tables_.size() >= max_) tables_.clear();
  }

  std::size_t max_;
  std::map<Cle, std::shared_ptr<Table>> tables_;
};

}  // namespace calevrin::plateforme
