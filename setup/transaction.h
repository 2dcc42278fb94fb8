// Carries out setup's steps all or nothing: each done step's undo is kept, and a step that
// fails undoes every earlier one in reverse, so the user is left with what they had. Portable:
// the platform acts through StepPort.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "setup/setup_step.h"

namespace setup {

struct PlannedStep {
    Step act;
    std::optional<Step> undo;  // nothing where the step leaves nothing to take back
    // A step whose failure is skipped: tidying up after the change has been made whole
    // (deleting a previous copy), where giving up would not restore anything.
    bool mayFail = false;
};

class StepPort {
  public:
    virtual ~StepPort() = default;
    // False when the step failed; `reason` then tells why, in the system's words.
    virtual bool Do(const Step& step, std::wstring& reason) = 0;
};

class Transaction {
  public:
    explicit Transaction(StepPort& port) : port_(port) {}
    // Runs the steps in order. On the first failure of a step that may not fail, every step
    // done so far in this transaction (earlier Runs included) is undone, newest first, and
    // the result is false; later Runs then do nothing and return false.
    bool Run(const std::vector<PlannedStep>& steps);
    // Undoes everything done so far, as a failure does; for a reason found between Runs.
    void RollBack();

    bool failed() const { return failedStep_.has_value(); }
    const std::optional<Step>& failedStep() const { return failedStep_; }
    const std::wstring& failureReason() const { return failureReason_; }
    // Undo steps that failed in turn: the state could not be put back whole.
    int undoFailures() const { return undoFailures_; }

  private:
    StepPort& port_;
    std::vector<Step> undos_;
    std::optional<Step> failedStep_;
    std::wstring failureReason_;
    bool rolledBack_ = false;
    int undoFailures_ = 0;
};

}  // namespace setup
