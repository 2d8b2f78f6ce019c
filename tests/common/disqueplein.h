#pragma once
// Writes fail past a few bytes, as on a full disk, even for root, while this object lives.

#include <signal.h>
#include <sys/resource.h>

namespace calevrin::test {

class TDisquePlein {
 public:
  explicit TDisquePlein(rlim_t octets = 100) : signal_(::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &avant_);
    rlimit l = avant_;
    l.rlim_cur = octets;
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~TDisquePlein() {
    ::setrlimit(RLIMIT_FSIZE, &avant_);
    ::signal(SIGXFSZ, signal_);
  }
  TDisquePlein(const TDisquePlein&) = delete;
  TDisquePlein& operator=(const TDisquePlein&) = delete;

 private:
  rlimit avant_{};
  void (*signal_)(int);
};

}  // namespace calevrin::test
