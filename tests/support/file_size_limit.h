// A real write failure without a full disk: while the object lives, no file of this
// process may grow beyond `bytes` (RLIMIT_FSIZE). A write past the limit fails with
// EFBIG as one on a full disk fails with ENOSPC; the signal that would end the
// process is ignored meanwhile.
#pragma once

#include <sys/resource.h>

#include <csignal>

#include "core/non_copyable.h"

namespace testsupport {

class ScopedFileSizeLimit : NonCopyable {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace testsupport
