#include "win32/Hint.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using win32::HintState;
using win32::HintTiming;

namespace {

struct ShortHintCase {
    const char* Name;
    std::string_view Hint;
    std::string_view Shown;
};

const ShortHintCase ShortHintCases[] = {
    {"Whole", "www.example.com", "www.example.com"},
    {"BeforeTheBar", "www.example.com|The maker's web site", "www.example.com"},
    {"BeforeTheFirstBar", "a|b|c", "a"},
    {"NothingBeforeTheBar", "|b", ""},
    {"Empty", "", ""},
};

void PrintTo(const ShortHintCase& shortHintCase, std::ostream* out) {
    *out << shortHintCase.Name;
}

class ShortHint : public testing::TestWithParam<ShortHintCase> {};

TEST_P(ShortHint, IsThePartBeforeTheFirstBar) {
    EXPECT_EQ(win32::ShortHint(GetParam().Hint), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(Hint, ShortHint, testing::ValuesIn(ShortHintCases),
                         [](const testing::TestParamInfo<ShortHintCase>& info) { return info.param.Name; });

struct PositionCase {
    const char* Name;
    chart::Point Pointer;
    chart::Size Size;
    chart::Point Position;
};

// A 1280 x 1024 screen whose taskbar takes the lowest 40 rows; the pointer's picture ends 20 px below
// its hot spot.
const chart::Rect WorkArea{0, 0, 1280, 984};
constexpr int PointerDepth = 20;

const PositionCase PositionCases[] = {
    {"BelowThePointer", {500, 500}, {100, 20}, {500, 520}},
    {"JustFitsBelow", {500, 944}, {100, 20}, {500, 964}},
    {"AboveThePointerAtTheWorkAreasBottom", {500, 945}, {100, 20}, {500, 925}},
    {"MovedLeftAtTheRightEdge", {1250, 500}, {100, 20}, {1180, 520}},
    {"MovedRightAtTheLeftEdge", {-5, 500}, {100, 20}, {0, 520}},
    {"LeftEdgeShownWhenWiderThanTheWorkArea", {500, 500}, {1500, 20}, {0, 520}},
};

void PrintTo(const PositionCase& positionCase, std::ostream* out) {
    *out << positionCase.Name;
}

class HintPosition : public testing::TestWithParam<PositionCase> {};

TEST_P(HintPosition, IsJustBelowThePointerInsideTheWorkArea) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(win32::HintPosition(c.Pointer, PointerDepth, c.Size, WorkArea), c.Position);
}

INSTANTIATE_TEST_SUITE_P(Hint, HintPosition, testing::ValuesIn(PositionCases),
                         [](const testing::TestParamInfo<PositionCase>& info) { return info.param.Name; });

// Records what the timing asks of the window system, one line per request.
class RecordingHost : public win32::HintHost {
public:
    void StartTimer(std::chrono::milliseconds delay) override {
        Requests.push_back("timer " + std::to_string(delay.count()));
    }
    void StopTimer() override { Requests.push_back("stop timer"); }
    bool ProgramActive() const override { return Active; }
    void ShowTip(std::string_view text) override { Requests.push_back("show " + std::string(text)); }
    void HideTip() override { Requests.push_back("hide"); }

    // The requests since the last call.
    std::vector<std::string> Take() { return std::exchange(Requests, {}); }

    bool Active = true;
    std::vector<std::string> Requests;
};

using Requests = std::vector<std::string>;

// Two controls with hints and one without, told apart by address as the window system's handles are.
const int Controls[3]{};
const HintTiming::ControlId Logo = &Controls[0];
const HintTiming::ControlId Other = &Controls[1];
const HintTiming::ControlId NoHint = &Controls[2];
constexpr std::string_view LogoHint = "www.example.com|the maker's web site";

class Timing : public testing::Test {
protected:
    // Over the logo with the hint on the screen.
    void ShowOnLogo() {
        timing.PointerMoved(Logo, LogoHint, {10, 10});
        timing.TimerElapsed();
        host.Take();
        ASSERT_EQ(timing.State(), HintState::Showing);
    }

    RecordingHost host;
    HintTiming timing{host};
};

TEST_F(Timing, ShowsTheShortHintAfterTheRestAndHidesItAfterTheHidePause) {
    timing.PointerMoved(Logo, LogoHint, {10, 10});
    EXPECT_EQ(host.Take(), (Requests{"timer 500"}));
    EXPECT_EQ(timing.State(), HintState::Waiting);
    timing.TimerElapsed();
    EXPECT_EQ(host.Take(), (Requests{"show www.example.com", "timer 2500"}));
    EXPECT_EQ(timing.State(), HintState::Showing);
    timing.TimerElapsed();
    EXPECT_EQ(host.Take(), (Requests{"hide"}));
    EXPECT_EQ(timing.State(), HintState::Spent);
}

TEST_F(Timing, StartsThePauseOverAtEveryMoveButNotAtAMoveToTheSamePlace) {
    timing.PointerMoved(Logo, LogoHint, {10, 10});
    timing.PointerMoved(Logo, LogoHint, {11, 10});
    timing.PointerMoved(Logo, LogoHint, {11, 10});
    EXPECT_EQ(host.Take(), (Requests{"timer 500", "timer 500"}));
}

TEST_F(Timing, KeepsTheShownHintWhileThePointerMovesOnTheControl) {
    ShowOnLogo();
    timing.PointerMoved(Logo, LogoHint, {12, 14});
    EXPECT_EQ(host.Take(), Requests{});
    EXPECT_EQ(timing.State(), HintState::Showing);
}

TEST_F(Timing, ShowsNoMoreUntilThePointerHasLeftAndComeBack) {
    ShowOnLogo();
    timing.TimerElapsed();
    timing.PointerMoved(Logo, LogoHint, {20, 20});
    timing.TimerElapsed(); // a timer the window system delivered late changes nothing
    EXPECT_EQ(host.Take(), (Requests{"hide"}));
    EXPECT_EQ(timing.State(), HintState::Spent);

    timing.PointerMoved(NoHint, "", {20, 50});
    EXPECT_EQ(timing.State(), HintState::Idle);
    timing.PointerMoved(Logo, LogoHint, {20, 20});
    EXPECT_EQ(host.Take(), (Requests{"timer 500"}));
}

TEST_F(Timing, WaitsWhileTheProgramIsInactiveUntilThePointerMovesAgain) {
    host.Active = false;
    timing.PointerMoved(Logo, LogoHint, {10, 10});
    timing.TimerElapsed();
    EXPECT_EQ(host.Take(), (Requests{"timer 500"}));
    EXPECT_EQ(timing.State(), HintState::Waiting);

    host.Active = true;
    timing.PointerMoved(Logo, LogoHint, {11, 10});
    timing.TimerElapsed();
    EXPECT_EQ(host.Take(), (Requests{"timer 500", "show www.example.com", "timer 2500"}));
}

TEST_F(Timing, StartsNothingForAControlWithoutAShortHint) {
    timing.PointerMoved(NoHint, "", {10, 10});
    timing.PointerMoved(Logo, "|only the long part", {11, 10});
    timing.PointerMoved(nullptr, LogoHint, {12, 10});
    EXPECT_EQ(host.Take(), Requests{});
    EXPECT_EQ(timing.State(), HintState::Idle);
}

TEST_F(Timing, StartsOverForTheNextControlWithAHint) {
    ShowOnLogo();
    timing.PointerMoved(Other, "other", {10, 60});
    timing.TimerElapsed();
    EXPECT_EQ(host.Take(), (Requests{"hide", "stop timer", "timer 500", "show other", "timer 2500"}));
}

TEST_F(Timing, IgnoresTheLateNoticeThatThePointerLeftAControlItHasLeftBefore) {
    timing.PointerMoved(Other, "other", {10, 60});
    timing.PointerMoved(Logo, LogoHint, {10, 10});
    host.Take();
    timing.PointerLeft(Other);
    EXPECT_EQ(host.Take(), Requests{});
    EXPECT_EQ(timing.State(), HintState::Waiting);
}

// Every way of ending the hint, in every state that has one.
enum class Ending { MoveOffTheControl, MoveOutOfTheProgram, LeaveNotice, Cancel };

struct EndingCase {
    const char* Name;
    Ending How;
};

const EndingCase EndingCases[] = {
    {"MoveOntoAControlWithoutHint", Ending::MoveOffTheControl},
    {"MoveOntoNoControl", Ending::MoveOutOfTheProgram},
    {"LeaveNotice", Ending::LeaveNotice},
    {"ButtonKeyOrActivation", Ending::Cancel},
};

void PrintTo(const EndingCase& endingCase, std::ostream* out) {
    *out << endingCase.Name;
}

class HintEnding : public Timing, public testing::WithParamInterface<EndingCase> {
protected:
    void End() {
        switch (GetParam().How) {
        case Ending::MoveOffTheControl:
            return timing.PointerMoved(NoHint, "", {10, 50});
        case Ending::MoveOutOfTheProgram:
            return timing.PointerMoved(nullptr, "", {10, 50});
        case Ending::LeaveNotice:
            return timing.PointerLeft(Logo);
        case Ending::Cancel:
            return timing.Cancel();
        }
    }
};

TEST_P(HintEnding, StopsTheWait) {
    timing.PointerMoved(Logo, LogoHint, {10, 10});
    host.Take();
    End();
    EXPECT_EQ(host.Take(), (Requests{"stop timer"}));
    EXPECT_EQ(timing.State(), HintState::Idle);
}

TEST_P(HintEnding, RemovesTheShownHintAtOnce) {
    ShowOnLogo();
    End();
    EXPECT_EQ(host.Take(), (Requests{"hide", "stop timer"}));
    EXPECT_EQ(timing.State(), HintState::Idle);
}

// Once ended, the hint starts over at the next move over the logo, even after it was spent.
TEST_P(HintEnding, StartsOverAtTheNextMoveOverTheControl) {
    ShowOnLogo();
    timing.TimerElapsed();
    End();
    host.Take();
    timing.PointerMoved(Logo, LogoHint, {10, 11});
    EXPECT_EQ(host.Take(), (Requests{"timer 500"}));
}

INSTANTIATE_TEST_SUITE_P(Hint, HintEnding, testing::ValuesIn(EndingCases),
                         [](const testing::TestParamInfo<EndingCase>& info) { return info.param.Name; });

} // namespace
