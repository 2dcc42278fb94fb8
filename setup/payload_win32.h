// The files setup carries: the pair as resources of its own program file, and that file
// itself (the uninstaller). Win32 only.
#pragma once
#include <string>

#include "setup/setup_step.h"

namespace setup {

// Resource numbers (RCDATA) of the carried pair, as setup.rc.in lays them down.
inline constexpr int kSaverResource = 101;
inline constexpr int kRendererResource = 102;

struct PayloadBytes {
    const void* data = nullptr;
    size_t size = 0;
};

class Payloads {
  public:
    // Reads the running program's own file once; the pair stays in the mapped image.
    explicit Payloads(const std::wstring& selfPath);
    // Nothing (data null) when the resource is missing: a damaged setup program.
    PayloadBytes Get(Payload payload) const;
    uint64_t TotalSize() const;

  private:
    std::string self_;
};

}  // namespace setup
