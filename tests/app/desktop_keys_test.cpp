// The keys preference: the planner's keys by default, the desktop's standard keys on request
// and kept for the next start, and the folder keys in both.
#include "app/desktop_keys.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include "app/main_window_fixture.h"

namespace tarvel::app {
namespace {

class DesktopKeysTest : public MainWindowFixture {
 protected:
  QString Keys(int id) { return Action(id)->shortcut().toString(); }
  QString FirstMenuTitle() { return window_->menuBar()->actions().front()->text(); }
};

TEST_F(DesktopKeysTest, PreferenceSwapsTheKeysAndIsKeptForTheNextStart) {
  Start();
  EXPECT_EQ(Keys(1), "Alt+N");
  EXPECT_EQ(Keys(177), "Ctrl+N");
  EXPECT_EQ(FirstMenuTitle(), "File");
  window_->keys().preference()->trigger();
  const struct {
    int id;
    const char* keys;
  } desktop[] = {{1, "Ctrl+N"},         {2, "Ctrl+O"},         {4, "Ctrl+Shift+S"},  {5, "Ctrl+Q"},
                 {177, "Ctrl+Shift+N"}, {881, "Ctrl+Shift+O"}, {110, "Ctrl+Shift+F"}};
  for (const auto& row : desktop) EXPECT_EQ(Keys(row.id), row.keys) << row.id;
  EXPECT_EQ(FirstMenuTitle(), "&File");

  window_.reset();
  Start(false);
  EXPECT_TRUE(window_->keys().preference()->isChecked());
  EXPECT_EQ(Keys(1), "Ctrl+N");
  window_->keys().preference()->trigger();
  EXPECT_EQ(Keys(1), "Alt+N");
  EXPECT_EQ(ReadKeyScheme(folder_.path()), ui::KeyScheme::Planner);
}

TEST_F(DesktopKeysTest, FolderKeysStepThroughTheFoldersInBothSchemes) {
  Start();
  window_->show();
  QApplication::setActiveWindow(window_.get());
  const int count = window_->tab_bar()->count();
  ASSERT_GT(count, 4);
  for (bool desktop : {false, true}) {
    if (desktop) window_->keys().preference()->trigger();
    window_->SwitchFolder(0);
    QTest::keyClick(window_.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), 1) << desktop;
    QTest::keyClick(window_.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), 2) << desktop;
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), count - 1) << desktop;
  }
}

}  // namespace
}  // namespace tarvel::app
