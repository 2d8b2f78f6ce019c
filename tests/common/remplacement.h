#pragma once
// A process-wide hook replaced for the life of this object, put back even when an assertion
// leaves the test early.

#include <type_traits>
#include <utility>

namespace calevrin::test {

template <typename T>
class TRemplacement {
 public:
  // remplacer installs its argument and returns what was installed before.
  TRemplacement(T (*remplacer)(T), std::type_identity_t<T> nouveau)
      : remplacer_(remplacer), ancien_(remplacer(std::move(nouveau))) {}
  ~TRemplacement() { remplacer_(std::move(ancien_)); }
  TRemplacement(const TRemplacement&) = delete;
  TRemplacement& operator=(const TRemplacement&) = delete;

 private:
  T (*remplacer_)(T);
  T ancien_;
};

template <typename T>
TRemplacement(T (*)(T), std::type_identity_t<T>) -> TRemplacement<T>;

}  // namespace calevrin::test
