// Opening scenario files in the real main window: a file no plan can hold is refused in one
// message box and the open plan stays; a file cut short inside a block opens after one
// warning box.
#include <gtest/gtest.h>

#include <QAction>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/main_window_fixture.h"
#include "model/plan_checks.h"

namespace tarvel::app {
namespace {

constexpr int kOpenCommand = 2;

class ScenarioOpenTest : public MainWindowFixture {
 protected:
  void SetUp() override { Start(true, "", &prompter_); }

  // The open sample's bytes with the float at offset replaced, or cut to length.
  std::string SampleBytes() { return test_support::ReadText(sample_); }
  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder_.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string WithFloat(std::string bytes, std::size_t offset, float value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
    return bytes;
  }
  void Open(const std::string& path) {
    prompter_.messages.clear();
    prompter_.open_choices = {path};
    Action(kOpenCommand)->trigger();
  }

  test_support::FakePrompter prompter_;
};

TEST_F(ScenarioOpenTest, AFileNoPlanCanHoldIsRefusedInOneBoxAndThePlanStays) {
  const QString title = window_->windowTitle();
  const std::string sample = SampleBytes();
  float start_age = 0;
  std::memcpy(&start_age, sample.data() + 26, sizeof start_age);
  const struct {
    std::string bytes;
    std::string line;
  } cases[] = {
      {WithFloat(sample, 30, start_age), model::EndAgeOrderText(start_age, start_age)},
      {WithFloat(sample, 30, start_age - 5), model::EndAgeOrderText(start_age, start_age - 5)},
      {WithFloat(sample, 36, NAN), "Initial Values, inflation rate: not a finite number"},
  };
  for (const auto& c : cases) {
    const std::string path = WriteFile("refused.ret", c.bytes);
    Open(path);
    ASSERT_EQ(prompter_.messages.size(), 1u) << c.line;
    EXPECT_EQ(prompter_.messages[0].caption, "FILE WARNING");
    EXPECT_EQ(prompter_.messages[0].text, path + " cannot be opened:\n\n" + c.line);
    EXPECT_EQ(window_->windowTitle(), title);
    EXPECT_EQ(session_->program().open_name, sample_);
  }
}

TEST_F(ScenarioOpenTest, AFileCutInsideABlockOpensAfterOneWarningAndAnOlderOneSilently) {
  const std::string sample = SampleBytes();
  const std::string cut = WriteFile("cut.ret", sample.substr(0, sample.size() - 10));
  Open(cut);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].caption, "FILE WARNING");
  EXPECT_EQ(prompter_.messages[0].text,
            cut +
                " ends inside its income and expense lists; default values were filled in "
                "for the income and expense lists.");
  EXPECT_EQ(session_->program().open_name, cut);
  EXPECT_TRUE(window_->windowTitle().contains("cut.ret"));

  const std::string older = WriteFile("older.ret", sample.substr(0, sample.size() - 153 * 1398));
  Open(older);
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(session_->program().open_name, older);
}

}  // namespace
}  // namespace tarvel::app
