// The planner's command line as a desktop hands it over, and the bug-report mail.
#include <gtest/gtest.h>

#include <QUrl>
#include <QUrlQuery>

#include "app/planner_arguments.h"
#include "app/planner_links.h"

namespace tarvel::app {
namespace {

TEST(PlannerArguments, ScenarioFileIsTakenApartFromTheKeywords) {
  const struct {
    std::vector<std::string> arguments;
    std::string scenario;
    std::string keywords;
    std::string workdir;
    bool problem;
  } cases[] = {
      {{"/home/ann/plans/Euro trip.ret"}, "/home/ann/plans/Euro trip.ret", "", "", false},
      {{"plans/../ours.RET", "Pound"}, "/desk/ours.RET", "Pound ", "", false},
      {{"--workdir", "/w", "NORET", "a.ret"}, "/desk/a.ret", "NORET ", "/w", false},
      {{"--workdir=/w", "Yen"}, "", "Yen ", "/w", false},
      {{"a.ret", "b.ret"}, "/desk/b.ret", "", "", true},
      {{".ret"}, "", ".ret ", "", false},
      {{"--workdir"}, "", "", "", true},
  };
  for (const auto& c : cases) {
    const PlannerArguments parsed = ParsePlannerArguments(c.arguments, "/desk");
    EXPECT_EQ(parsed.scenario_path, c.scenario) << c.arguments.front();
    EXPECT_EQ(parsed.command_line, c.keywords) << c.arguments.front();
    EXPECT_EQ(parsed.workdir, c.workdir) << c.arguments.front();
    EXPECT_EQ(!parsed.problem.empty(), c.problem) << c.arguments.front();
  }
}

TEST(BugReportMail, NamesProgramAndSystemWithoutARecipient) {
  SystemDetails details;
  details.version = "1.2.3";
  details.qt_version = "6.4.2";
  details.system = "Debian GNU/Linux 12 (bookworm)";
  details.kernel = "linux 6.1.0";
  details.desktop = "GNOME (wayland)";
  details.screen = "2560 x 1440 at 200 %";
  details.locale = "en_GB";
  const QUrl mail(BugReportMail(details));
  ASSERT_EQ(mail.scheme(), "mailto");
  EXPECT_TRUE(mail.path().isEmpty());
  const QUrlQuery query(mail);
  EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Tarvel Financial Planner 1.2.3");
  const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
  for (const char* line :
       {"Program: Tarvel Financial Planner 1.2.3\n", "Qt: 6.4.2\n",
        "System: Debian GNU/Linux 12 (bookworm)\n", "Kernel: linux 6.1.0\n",
        "Desktop: GNOME (wayland)\n", "Screen: 2560 x 1440 at 200 %\n", "Language: en_GB\n"}) {
    EXPECT_TRUE(body.contains(line)) << line;
  }
}

}  // namespace
}  // namespace tarvel::app
