// The form host's portable rules: handler order on load and unload, timers that re-arm
// only when they should, and ticks that never interrupt a handler.
#include "common/skip_on_error.h"
#include "host/form_life.h"
#include "host/timer_switch.h"
#include "host/twips.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

host::FormHandlers LoggingHandlers(Log& log, bool cancel = false) {
    return host::FormHandlers{
        [&log] { log.push_back("load"); },
        [&log] { log.push_back("resize"); },
        [&log, cancel](host::UnloadReason) { log.push_back("queryUnload"); return cancel; },
        [&log] { log.push_back("unload"); }};
}

TEST(FormLife, UnloadRunsQueryUnloadThenUnloadOnce) {
    Log log;
    host::HandlerGate gate;
    host::FormLife form(LoggingHandlers(log), gate);
    form.Load();
    EXPECT_TRUE(form.RequestUnload(host::UnloadReason::UserClose));
    EXPECT_FALSE(form.RequestUnload(host::UnloadReason::Program)) << "a second request finds nothing loaded";
    form.WindowGone();
    EXPECT_EQ(log, (Log{"load", "queryUnload", "unload"}));
    EXPECT_FALSE(form.IsLoaded());
}

TEST(FormLife, ACancelledQueryKeepsTheFormLoaded) {
    Log log;
    host::HandlerGate gate;
    host::FormLife form(LoggingHandlers(log, /*cancel*/ true), gate);
    form.Load();
    EXPECT_FALSE(form.RequestUnload(host::UnloadReason::UserClose));
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(log, (Log{"load", "queryUnload"}));
}

TEST(FormLife, SessionEndAsksFirstAndUnloadsWhenTheSessionEnds) {
    Log log;
    host::HandlerGate gate;
    host::FormLife form(LoggingHandlers(log), gate);
    form.Load();
    EXPECT_TRUE(form.QueryUnload(host::UnloadReason::SessionEnd));
    EXPECT_TRUE(form.IsLoaded()) << "another program may still cancel the end of the session";
    EXPECT_TRUE(form.CompleteUnload());
    EXPECT_EQ(log, (Log{"load", "queryUnload", "unload"}));
}

TEST(FormLife, AWindowDestroyedWithItsParentStillRunsTheUnloadHandler) {
    Log log;
    host::HandlerGate gate;
    host::FormLife form(LoggingHandlers(log), gate);
    form.Load();
    form.WindowGone();
    EXPECT_EQ(log, (Log{"load", "unload"}));
    EXPECT_FALSE(form.IsLoaded());
}

TEST(FormLife, ACloseDuringTheQueryIsRefusedAndTheFirstRequestDecides) {
    Log log;
    host::HandlerGate gate;
    host::FormLife* self = nullptr;
    bool nestedAccepted = true;
    host::FormHandlers handlers = LoggingHandlers(log);
    handlers.queryUnload = [&](host::UnloadReason) {
        log.push_back("queryUnload");
        nestedAccepted = self->RequestUnload(host::UnloadReason::UserClose);
        return false;
    };
    host::FormLife form(handlers, gate);
    self = &form;
    form.Load();
    EXPECT_TRUE(form.RequestUnload(host::UnloadReason::Program));
    EXPECT_FALSE(nestedAccepted);
    EXPECT_EQ(log, (Log{"load", "queryUnload", "unload"}));
}

TEST(FormLife, HandlersRunInsideTheGate) {
    host::HandlerGate gate;
    std::vector<bool> seenRunning;
    auto note = [&] { seenRunning.push_back(gate.IsHandlerRunning()); };
    host::FormLife form(host::FormHandlers{note, note, [&](host::UnloadReason) { note(); return false; }, note}, gate);
    form.Load();
    form.Resized();
    form.RequestUnload(host::UnloadReason::Program);
    EXPECT_EQ(seenRunning, (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(gate.IsHandlerRunning());
}

TEST(HandlerGate, AModalFormRunsItsOwnTicksWhileTheHandlerThatShowedItWaits) {
    host::HandlerGate gate;
    host::HandlerGate::HandlerScope showingHandler(gate);
    EXPECT_TRUE(gate.IsHandlerRunning());
    {
        host::HandlerGate::ModalLevel modal(gate);
        EXPECT_FALSE(gate.IsHandlerRunning());
        host::HandlerGate::HandlerScope clickInDialog(gate);
        EXPECT_TRUE(gate.IsHandlerRunning());
    }
    EXPECT_TRUE(gate.IsHandlerRunning());
}

// --- Timers ------------------------------------------------------------------------------

enum class Op { Enable, Disable, Interval };
struct TimerStep { Op op; uint32_t intervalMs; host::TimerCommand expected; };
struct TimerCase { const char* name; uint32_t intervalMs; bool enabled; host::TimerCommand atCreation; std::vector<TimerStep> steps; };
class TimerRearming : public testing::TestWithParam<TimerCase> {};

TEST_P(TimerRearming, ArmsOnlyWhenTheCountdownMustRestart) {
    host::TimerSwitch timer(GetParam().intervalMs, GetParam().enabled);
    EXPECT_EQ(timer.OnWindowCreated(), GetParam().atCreation);
    for (size_t i = 0; i < GetParam().steps.size(); ++i) {
        const TimerStep& step = GetParam().steps[i];
        const host::TimerCommand got = step.op == Op::Enable    ? timer.SetEnabled(true)
                                 : step.op == Op::Disable ? timer.SetEnabled(false)
                                                          : timer.SetInterval(step.intervalMs);
        EXPECT_EQ(got, step.expected) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, TimerRearming, testing::Values(
    TimerCase{"EnabledAtLoad", 500, true, host::TimerCommand::Arm, {}},
    TimerCase{"DisabledAtLoad", 1000, false, host::TimerCommand::None,
              {{Op::Enable, 0, host::TimerCommand::Arm}, {Op::Disable, 0, host::TimerCommand::Disarm}}},
    TimerCase{"EnablingARunningTimerKeepsItsCountdown", 200, true, host::TimerCommand::Arm,
              {{Op::Enable, 0, host::TimerCommand::None}}},
    TimerCase{"DisablingAStoppedTimerDoesNothing", 200, false, host::TimerCommand::None,
              {{Op::Disable, 0, host::TimerCommand::None}}},
    TimerCase{"NewIntervalRestartsARunningTimer", 200, true, host::TimerCommand::Arm,
              {{Op::Interval, 100, host::TimerCommand::Arm}, {Op::Interval, 0, host::TimerCommand::Disarm},
               {Op::Interval, 50, host::TimerCommand::Arm}}},
    TimerCase{"NewIntervalOfAStoppedTimerWaitsForEnabling", 200, false, host::TimerCommand::None,
              {{Op::Interval, 100, host::TimerCommand::None}, {Op::Enable, 0, host::TimerCommand::Arm}}},
    TimerCase{"ZeroIntervalNeverTicks", 0, true, host::TimerCommand::None,
              {{Op::Disable, 0, host::TimerCommand::None}, {Op::Enable, 0, host::TimerCommand::None},
               {Op::Interval, 10, host::TimerCommand::Arm}}}),
    [](const testing::TestParamInfo<TimerCase>& info) { return std::string(info.param.name); });

struct TwipsCase { int twips; int pixels; };
class TwipsToPixel : public testing::TestWithParam<TwipsCase> {};
TEST_P(TwipsToPixel, RoundsToTheNearestPixel) {
    EXPECT_EQ(host::TwipsToPixels(GetParam().twips), GetParam().pixels);
    EXPECT_EQ(host::TwipsToPixels(host::PixelsToTwips(GetParam().pixels)), GetParam().pixels);
}
INSTANTIATE_TEST_SUITE_P(Values, TwipsToPixel, testing::Values(
    TwipsCase{6795, 453}, TwipsCase{3090, 206}, TwipsCase{7, 0}, TwipsCase{8, 1},
    TwipsCase{-7, 0}, TwipsCase{-8, -1}, TwipsCase{-15, -1}));

}  // namespace

namespace {

TEST(HandlerGate, AFailingHandlerIsAbandonedAndTheGateOpensAgain) {
    host::HandlerGate gate;
    Log log;
    host::FormLife form(host::FormHandlers{[&] {
                                   log.push_back("load");
                                   throw std::runtime_error("failed step");
                               },
                               nullptr,
                               [&](host::UnloadReason) -> bool { throw std::bad_alloc(); },
                               [&] { log.push_back("unload"); }},
                  gate);
    form.Load();
    EXPECT_FALSE(gate.IsHandlerRunning()) << "a tick may run again";
    EXPECT_TRUE(form.RequestUnload(host::UnloadReason::UserClose)) << "a failed query cancels nothing";
    EXPECT_EQ(log, (Log{"load", "unload"}));
}

// A window procedure's edge: whatever its handling throws, the system gets the default
// answer and never the exception; the rest of the handling is skipped.
struct EdgeCase {
    const char* name;
    void (*fail)();  // null: the handling succeeds
    long answer;
};

class WindowProcedureEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(WindowProcedureEdge, AnswersWithTheDefaultWhenTheHandlingFails) {
    Log log;
    const long answer = common::HandleSkippingOnError(
        [&] {
            log.push_back("handled");
            if (GetParam().fail) GetParam().fail();
            log.push_back("finished");
            return 7L;
        },
        [] { return -1L; });
    EXPECT_EQ(answer, GetParam().answer);
    EXPECT_EQ(log.size(), GetParam().fail ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Failures, WindowProcedureEdge, testing::Values(
    EdgeCase{"Succeeds", nullptr, 7},
    EdgeCase{"OutOfMemory", [] { throw std::bad_alloc(); }, -1},
    EdgeCase{"StandardError", [] { throw std::runtime_error("failed step"); }, -1},
    EdgeCase{"AnythingElse", [] { throw 42; }, -1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
