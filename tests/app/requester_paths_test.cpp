// The requesters' path rules with the Windows separator, which the window on Linux never uses.
#include "app/requester_paths.h"

#include <gtest/gtest.h>

#include "app/qt_desktop.h"

namespace ombrix {
namespace {

TEST(RequesterPathsWindows, WorkingDirGetsItsBackslash) {
  EXPECT_EQ(requester_folder("E:\\work", "C:\\cwd\\", '\\'), "E:\\work\\");
  EXPECT_EQ(requester_folder("E:\\work\\", "C:\\cwd\\", '\\'), "E:\\work\\");
  EXPECT_EQ(requester_folder("", "C:\\cwd\\", '\\'), "C:\\cwd\\");
  // Only the backslash counts as a separator there.
  EXPECT_EQ(requester_folder("E:/work/", "C:\\cwd\\", '\\'), "E:/work/\\");
}

TEST(RequesterPathsWindows, ChosenFilesInsideTheWorkingDirBecomeRelative) {
  EXPECT_EQ(without_folder("E:\\work\\a.prm | E:\\work\\sub\\b.prm | F:\\c.prm", "E:\\work\\"),
            "a.prm | sub\\b.prm | F:\\c.prm");
  // The removal is exact: a working directory typed in other letters removes nothing.
  EXPECT_EQ(without_folder("E:\\work\\a.prm | E:\\work\\sub\\b.prm", "e:\\WORK\\"),
            "E:\\work\\a.prm | E:\\work\\sub\\b.prm");
  // Every occurrence goes, also one in the middle of a name.
  EXPECT_EQ(without_folder("x/w/y/w/", "w/"), "x/y/");
  EXPECT_EQ(without_folder("abc", ""), "abc");
}

TEST(RequesterPathsWindows, InitialPathSplitsAtTheLastBackslash) {
  const RequesterStart start = requester_start("E:\\work\\sub\\body.prm", '\\');
  EXPECT_EQ(start.folder, "E:\\work\\sub\\");
  EXPECT_EQ(start.name, "body.prm");

  const RequesterStart bare = requester_start("body.prm", '\\');
  EXPECT_EQ(bare.folder, "");
  EXPECT_EQ(bare.name, "body.prm");

  const RequesterStart slashes = requester_start("E:/work/body.prm", '\\');
  EXPECT_EQ(slashes.folder, "");
  EXPECT_EQ(slashes.name, "");  // "/" and ":" make it no valid name
}

TEST(RequesterPathsNames, InvalidPresetNamesAreDropped) {
  for (const char* name : {"a*b.prm", "a?.prm", "a\".prm", "a<b", "a>b", "a|b", "a:b", "tab\there"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(requester_start(std::string("/work/") + name, '/').name, "");
    EXPECT_EQ(requester_start(std::string("/work/") + name, '/').folder, "/work/");
  }
  EXPECT_EQ(requester_start("/work/body 2.prm", '/').name, "body 2.prm");
  EXPECT_EQ(requester_start("/work/\xC3\xA9t\xC3\xA9.prm", '/').name, "\xC3\xA9t\xC3\xA9.prm");
}

TEST(RequesterPathsFolder, CurrentDirectoryChoiceEmptiesTheField) {
  EXPECT_EQ(working_dir_from_choice("C:\\WORK\\", "c:\\work\\", true), "");
  EXPECT_EQ(working_dir_from_choice("/Work/", "/work/", false), "/Work/");
  EXPECT_EQ(working_dir_from_choice("/work/", "/work/", false), "");
  EXPECT_EQ(working_dir_from_choice("/work/sub/", "/work/", false), "/work/sub/");
}

TEST(RequesterNameFilter, PatternListBecomesQtFilters) {
  const char* patterns = "Model (*.prm, *.m)|*.prm;*.m|PRM (*.prm)|*.prm|All files (*.*)|*.*";
  EXPECT_EQ(qt_name_filter(patterns, false).toStdString(), "Model (*.prm *.m);;PRM (*.prm);;All files (*)");
  EXPECT_EQ(qt_name_filter(patterns, true).toStdString(), "Model (*.prm *.m);;PRM (*.prm);;All files (*.*)");
  EXPECT_EQ(qt_name_filter("Hul|*.hul|dangling", false).toStdString(), "Hul (*.hul)");
}

}  // namespace
}  // namespace ombrix
