// See transaction.h. Portable.
#include "setup/transaction.h"

namespace setup {

bool Transaction::Run(const std::vector<PlannedStep>& steps) {
    if (rolledBack_) return false;
    for (const PlannedStep& planned : steps) {
        std::wstring reason;
        if (port_.Do(planned.act, reason)) {
            if (planned.undo) undos_.push_back(*planned.undo);
            continue;
        }
        // Skipped by design: a tidying step that fails leaves a stray file, not a half change.
        if (planned.mayFail) continue;
        failedStep_ = planned.act;
        failureReason_ = reason;
        RollBack();
        return false;
    }
    return true;
}

void Transaction::RollBack() {
    rolledBack_ = true;
    while (!undos_.empty()) {
        std::wstring reason;
        if (!port_.Do(undos_.back(), reason)) ++undoFailures_;
        undos_.pop_back();
    }
}

}  // namespace setup
