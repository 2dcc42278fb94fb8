// Carries out setup's steps on the user's files and registry, and answers what the run asks
// of the system between them. Win32 only.
#pragma once
#include "setup/payload_win32.h"
#include "setup/setup_run.h"

namespace setup {

class Win32SetupPort : public SetupPort {
  public:
    explicit Win32SetupPort(const Payloads& payloads) : payloads_(payloads) {}
    bool Do(const Step& step, std::wstring& reason) override;
    std::wstring ShortPathOf(const std::wstring& path) override;
    AnsiCharacterTest AnsiTest() override;

  private:
    const Payloads& payloads_;
};

}  // namespace setup
