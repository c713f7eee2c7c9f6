#include "remote/RemoteRow.h"
#include "remote/CommandDisplay.h"
#include "remote/ConsoleKeys.h"
#include "support/RecordingLauncher.h"

#include <gtest/gtest.h>

using namespace voltrail;
using Lines = std::vector<std::string>;

namespace {

constexpr const char* kPlaceholder = "!!! COMMAND GENERATED AT RUNTIME !!!";

// Records what was shown, in order, and answers with what it holds.
class RecordingDisplay final : public CommandDisplay {
public:
    void SetText(const std::string& text) override
    {
        text_ = text;
        shown.push_back(text);
    }
    std::string Text() const override { return text_; }

    Lines shown;

private:
    std::string text_ = kPlaceholder;
};

// A box that changes what it is given: whatever it then holds is what runs.
class RewritingDisplay final : public CommandDisplay {
public:
    void SetText(const std::string& text) override { text_ = text + " [shown]"; }
    std::string Text() const override { return text_; }

private:
    std::string text_;
};

struct RunCase {
    std::int16_t s, r, f;
    Lines expected;
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << "S=" << c.s << " R=" << c.r << " F=" << c.f;
}

const char* kS = "shutdown /s /m \\\\SRV01 /t 30";
const char* kG = "shutdown /g /m \\\\SRV01 /t 30";
const char* kSF = "shutdown /s /f /m \\\\SRV01 /t 30";
const char* kGF = "shutdown /g /f /m \\\\SRV01 /t 30";

class RunRuleTable : public ::testing::TestWithParam<RunCase> {};

} // namespace

// Every combination of S, R and F in 0, 1 and 2 (2 only from a hand-edited store).
INSTANTIATE_TEST_SUITE_P(
    AllTicks, RunRuleTable,
    ::testing::Values(RunCase{0, 0, 0, {}}, RunCase{0, 0, 1, {}}, RunCase{0, 0, 2, {}},
                      RunCase{0, 1, 0, {kG}}, RunCase{0, 1, 1, {kGF}}, RunCase{0, 1, 2, {}},
                      RunCase{0, 2, 0, {}}, RunCase{0, 2, 1, {}}, RunCase{0, 2, 2, {}},
                      RunCase{1, 0, 0, {kS}}, RunCase{1, 0, 1, {kSF}}, RunCase{1, 0, 2, {}},
                      RunCase{1, 1, 0, {kS, kG}}, RunCase{1, 1, 1, {kSF, kGF}}, RunCase{1, 1, 2, {}},
                      RunCase{1, 2, 0, {kS}}, RunCase{1, 2, 1, {kSF}}, RunCase{1, 2, 2, {}},
                      RunCase{2, 0, 0, {}}, RunCase{2, 0, 1, {}}, RunCase{2, 0, 2, {}},
                      RunCase{2, 1, 0, {kG}}, RunCase{2, 1, 1, {kGF}}, RunCase{2, 1, 2, {}},
                      RunCase{2, 2, 0, {}}, RunCase{2, 2, 1, {}}, RunCase{2, 2, 2, {}}));

TEST_P(RunRuleTable, StartsTheShutdownLineThenTheRestartLineHidden)
{
    const RunCase& c = GetParam();
    RecordingDisplay display;
    test::RecordingLauncher launcher;
    RunRemoteRow({"SRV01", c.s, c.r, c.f}, "30", display, launcher);

    EXPECT_EQ(launcher.lines(), c.expected);
    EXPECT_EQ(display.shown, c.expected); // each line shown before it is started
    for (const auto& launched : launcher.launched)
        EXPECT_EQ(launched.style, kStyleHidden);
    // The box shows the last line started, or keeps its text when none ran.
    EXPECT_EQ(display.Text(), c.expected.empty() ? kPlaceholder : c.expected.back());
}

struct TextCase {
    const char* what;
    std::string name;
    std::string timeOut;
    std::string expected;
};

class VerbatimInputs : public ::testing::TestWithParam<TextCase> {};

INSTANTIATE_TEST_SUITE_P(
    AsTyped, VerbatimInputs,
    ::testing::Values(
        TextCase{"empty name", "", "30", "shutdown /s /m \\\\ /t 30"},
        TextCase{"empty time-out keeps the trailing blank", "SRV01", "", "shutdown /s /m \\\\SRV01 /t "},
        TextCase{"blanks around the name stay", "  SRV01 ", "30", "shutdown /s /m \\\\  SRV01  /t 30"},
        TextCase{"negative time-out", "SRV01", "-5", "shutdown /s /m \\\\SRV01 /t -5"},
        TextCase{"time-out beyond the range", "SRV01", "315360001", "shutdown /s /m \\\\SRV01 /t 315360001"},
        TextCase{"time-out that is no number", "SRV01", " 1e3 x", "shutdown /s /m \\\\SRV01 /t  1e3 x"},
        TextCase{"name already in network form", "\\\\SRV01", "0", "shutdown /s /m \\\\\\\\SRV01 /t 0"},
        TextCase{"shell characters are only text", "a&b|c;$(id)`x`\"", "30",
                 "shutdown /s /m \\\\a&b|c;$(id)`x`\" /t 30"},
        TextCase{"non-ASCII name", "Zürich-日本", "30", "shutdown /s /m \\\\Zürich-日本 /t 30"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return "case" + std::to_string(info.index); });

TEST_P(VerbatimInputs, NameAndTimeOutGoInUnchanged)
{
    const TextCase& c = GetParam();
    RecordingDisplay display;
    test::RecordingLauncher launcher;
    RunRemoteRow({c.name, 1, 0, 0}, c.timeOut, display, launcher);
    EXPECT_EQ(launcher.lines(), Lines{c.expected}) << c.what;
}

TEST(RemoteRules, StartWhatTheBoxHoldsAfterShowingTheLine)
{
    RewritingDisplay display;
    test::RecordingLauncher launcher;
    RunRemoteRow({"PC", 1, 1, 0}, "5", display, launcher);
    AbortRemoteRow("PC", display, launcher);
    EXPECT_EQ(launcher.lines(),
              (Lines{"shutdown /s /m \\\\PC /t 5 [shown]", "shutdown /g /m \\\\PC /t 5 [shown]",
                     "shutdown /a /m \\\\PC [shown]"}));
}

// The console saves in this order; its window test compares against this list.
TEST(ConsoleKeys, SaveOrder)
{
    const auto keys = ConsoleSaveKeys();
    ASSERT_EQ(keys.size(), 153u);
    EXPECT_EQ(keys[0], "SGUI_ADV_Left");
    EXPECT_EQ(keys[2], "SHUTDOWN_TIMEOUT_TEXTBOX");
    EXPECT_EQ(keys[3], "BATCH_RUN_1_TICKBOX");
    EXPECT_EQ(keys[33], "PC_NAME_1_TEXTBOX");
    EXPECT_EQ(keys[63], "SHUTDOWN_1_TICKBOX");
    EXPECT_EQ(keys[93], "RESTART_1_TICKBOX");
    EXPECT_EQ(keys[152], "FORCE_30_TICKBOX");
}
