// The settings file read and rewritten as text: defaults, key lookup, kept entries, the byte
// order mark, and saves that must not damage a file.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

FieldSettings some_settings() {
  FieldSettings settings;
  settings.files = "a.prm | b.prm * c.m";
  settings.file_save = "out.hul";
  settings.grid_resolution_val = "8.0";
  settings.sample_sphere_resolution_val = "22.0";
  settings.target_sphere_n = "12";
  settings.sphere_overshot_val = "0.5";
  settings.update_clipboard = true;
  return settings;
}

constexpr const char* kSomeSettingsLines =
    "files = a.prm | b.prm * c.m\r\n"
    "file_save = out.hul\r\n"
    "grid_resolution_val = 8.0\r\n"
    "sample_sphere_resolution_val = 22.0\r\n"
    "target_sphere_n = 12\r\n"
    "sphere_overshot_val = 0.5\r\n"
    "update_clipboard = 1\r\n";

// Loads `text` as the file's whole content.
FieldSettings load_text(const TempDir& dir, const std::string& text) {
  write_file(dir.file("ombrix.ini"), text);
  return load_settings_file(dir.file("ombrix.ini"));
}

// Saves some_settings() over a file holding `text` and returns what the file then holds.
std::string save_over(const TempDir& dir, const std::string& text) {
  write_file(dir.file("ombrix.ini"), text);
  EXPECT_TRUE(save_settings_file(dir.file("ombrix.ini"), some_settings()));
  return read_file(dir.file("ombrix.ini"));
}

TEST(SettingsFileFirstStart, MissingFileGivesEveryDefault) {
  TempDir dir;
  const FieldSettings settings = load_settings_file(dir.file("ombrix.ini"));
  EXPECT_EQ(settings.files, "body.prm");
  EXPECT_EQ(settings.file_save, "hull.hul");
  EXPECT_EQ(settings.grid_resolution_val, "7.0");
  EXPECT_EQ(settings.sample_sphere_resolution_val, "21.0");
  EXPECT_EQ(settings.target_sphere_n, "11");
  EXPECT_EQ(settings.sphere_overshot_val, "0.0");
  EXPECT_FALSE(settings.update_clipboard);
}

TEST(SettingsFileFirstStart, NewFileHoldsTheSevenKeysInOrderWithCrLf) {
  TempDir dir;
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), some_settings()));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), kSomeSettingsLines);
}

TEST(SettingsFileFirstStart, SavedSettingsComeBackUnchanged) {
  TempDir dir;
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), some_settings()));
  const FieldSettings loaded = load_settings_file(dir.file("ombrix.ini"));
  EXPECT_EQ(loaded.files, "a.prm | b.prm * c.m");
  EXPECT_EQ(loaded.sphere_overshot_val, "0.5");
  EXPECT_TRUE(loaded.update_clipboard);
}

TEST(SettingsFileLookup, KeysAreFoundWhateverTheirCase) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "FILES = x.prm\r\nFile_Save=y.hul\r\n").files, "x.prm");
  EXPECT_EQ(load_text(dir, "FILES = x.prm\r\nFile_Save=y.hul\r\n").file_save, "y.hul");
}

TEST(SettingsFileLookup, KeyUnderAGroupIsNotSeen) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "[other]\r\nfiles = x.prm\r\n").files, "body.prm");
}

TEST(SettingsFileLookup, FirstOfTwoEqualKeysWins) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "files = first.prm\nFILES = second.prm\n").files, "first.prm");
}

TEST(SettingsFileLookup, EmptyValueIsAnEmptyTextNotTheDefault) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "files =\r\n").files, "");
  EXPECT_EQ(load_text(dir, "files\r\n").files, "");  // no "=" at all
}

TEST(SettingsFileLookup, BlanksAndTabsAroundKeyAndValueAreDropped) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, " \t files \t=  \t a b.prm \t \r\n").files, "a b.prm");
}

TEST(SettingsFileLookup, ValueKeepsEverythingAfterTheFirstEquals) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "file_save = a=b.hul ; not a comment\n").file_save, "a=b.hul ; not a comment");
}

TEST(SettingsFileLookup, LinesEndedByCrAloneOrLfAloneAreSeparated) {
  TempDir dir;
  const FieldSettings mac = load_text(dir, "files = a.prm\rfile_save = b.hul\r");
  EXPECT_EQ(mac.files, "a.prm");
  EXPECT_EQ(mac.file_save, "b.hul");
  const FieldSettings unix_lines = load_text(dir, "files = a.prm\nfile_save = b.hul");
  EXPECT_EQ(unix_lines.files, "a.prm");
  EXPECT_EQ(unix_lines.file_save, "b.hul");
}

TEST(SettingsFileClipboardToggle, ValueIsALeadingSignedWholeNumber) {
  TempDir dir;
  EXPECT_TRUE(load_text(dir, "update_clipboard = 5\n").update_clipboard);
  EXPECT_TRUE(load_text(dir, "update_clipboard = -1\n").update_clipboard);
  EXPECT_TRUE(load_text(dir, "update_clipboard = 2x\n").update_clipboard);
  EXPECT_FALSE(load_text(dir, "update_clipboard = x\n").update_clipboard);
  EXPECT_FALSE(load_text(dir, "update_clipboard = 0\n").update_clipboard);
  EXPECT_FALSE(load_text(dir, "update_clipboard =\n").update_clipboard);
  // A number too long for any integer is still not zero.
  EXPECT_TRUE(load_text(dir, "update_clipboard = 18446744073709551616\n").update_clipboard);
}

TEST(SettingsFileClipboardToggle, FiveIsSavedBackAsOne) {
  TempDir dir;
  write_file(dir.file("ombrix.ini"), "update_clipboard = 5\r\n");
  const FieldSettings loaded = load_settings_file(dir.file("ombrix.ini"));
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), loaded));
  EXPECT_NE(read_file(dir.file("ombrix.ini")).find("update_clipboard = 1\r\n"), std::string::npos);
}

TEST(SettingsFileRewrite, StoredKeysAreReplacedInPlaceKeepingTheirCase) {
  TempDir dir;
  EXPECT_EQ(save_over(dir, "TARGET_SPHERE_N=3\r\nfiles = old.prm\r\n"),
            "TARGET_SPHERE_N = 12\r\n"
            "files = a.prm | b.prm * c.m\r\n"
            "file_save = out.hul\r\n"
            "grid_resolution_val = 8.0\r\n"
            "sample_sphere_resolution_val = 22.0\r\n"
            "sphere_overshot_val = 0.5\r\n"
            "update_clipboard = 1\r\n");
}

TEST(SettingsFileHullProcedure, IsReadAsTextAndAnEmptyOneLeavesTheKeyAsItStands) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "Hull_Procedure =  exact \t\r\n").hull_procedure, "exact");
  EXPECT_EQ(save_over(dir, ""), kSomeSettingsLines);  // an older file gains no key
  EXPECT_EQ(save_over(dir, "hull_procedure = qconvex\r\n"),
            std::string("hull_procedure = qconvex\r\n") + kSomeSettingsLines);
}

TEST(SettingsFileRewrite, CommentsGroupsAndOtherKeysSurviveBlankLinesDoNot) {
  TempDir dir;
  EXPECT_EQ(save_over(dir, ";no blank\n\n  ;  two blanks\nother=  kept  \n\n[group]\nfiles = grouped\n[open"),
            "; no blank\r\n"
            ";  two blanks\r\n"  // only one blank after ";" belongs to the layout
            "other = kept  \r\n"
            "files = a.prm | b.prm * c.m\r\n"
            "file_save = out.hul\r\n"
            "grid_resolution_val = 8.0\r\n"
            "sample_sphere_resolution_val = 22.0\r\n"
            "target_sphere_n = 12\r\n"
            "sphere_overshot_val = 0.5\r\n"
            "update_clipboard = 1\r\n"
            "[group]\r\n"
            "files = grouped\r\n"
            "[open]\r\n");
}

TEST(SettingsFileRewrite, FileStartingWithAGroupGetsTheKeysAtItsStart) {
  TempDir dir;
  EXPECT_EQ(save_over(dir, "[group]\r\nfiles = grouped\r\n"),
            std::string(kSomeSettingsLines) + "[group]\r\nfiles = grouped\r\n");
}

TEST(SettingsFileRewrite, ByteOrderMarkIsKeptWithAnEmptyFirstLine) {
  TempDir dir;
  const std::string saved = save_over(dir, "\xEF\xBB\xBF" "files = \xC3\xA9t\xC3\xA9.prm\r\n");
  EXPECT_EQ(saved, std::string("\xEF\xBB\xBF\r\n") + kSomeSettingsLines);
  // Read again, the mark and the empty line are no entries.
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).files, "a.prm | b.prm * c.m");
  EXPECT_EQ(save_over(dir, saved), saved);
}

TEST(SettingsFileRewrite, ValueWithUtf8ByteOrderMarkIsRead) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "\xEF\xBB\xBF" "files = \xC3\xA9t\xC3\xA9.prm\r\n").files, "\xC3\xA9t\xC3\xA9.prm");
}

TEST(SettingsFileFailures, UnwritableTargetReportsFailureAndLeavesNothingBehind) {
  TempDir dir;
  EXPECT_FALSE(save_settings_file(dir.file("missing/ombrix.ini"), some_settings()));
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

  // A folder where the file should be: nothing to read, nothing can replace it.
  std::filesystem::create_directory(dir.file("ombrix.ini"));
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).files, "body.prm");
  EXPECT_FALSE(save_settings_file(dir.file("ombrix.ini"), some_settings()));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("ombrix.ini")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SettingsFileFailures, PipeOfThatNameIsNeitherReadNorReplaced) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("ombrix.ini").c_str(), 0600), 0);
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).files, "body.prm");  // and does not block
  EXPECT_FALSE(save_settings_file(dir.file("ombrix.ini"), some_settings()));
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("ombrix.ini")));
}

TEST(SettingsFileFailures, SaveLeavesNoTemporaryFileBeside) {
  TempDir dir;
  save_over(dir, "files = x\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace ombrix
