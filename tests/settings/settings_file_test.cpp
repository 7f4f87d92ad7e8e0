// The settings file read and rewritten as text: defaults, key lookup, kept entries, the byte
// order mark, and saves that must not damage a file.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

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

TEST(SettingsFileMaxPlanes, IsReadAsTextAndAnEmptyOneAddsNoKeyButEmptiesAKeptOne) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "MAX_PLANES = 40 \r\n").max_planes, "40");
  EXPECT_EQ(load_text(dir, "files = a.prm\r\n").max_planes, "");
  EXPECT_EQ(save_over(dir, ""), kSomeSettingsLines);  // an older file gains no key
  // A budget cleared in the window must not come back from the file at the next start.
  EXPECT_EQ(save_over(dir, "max_planes = 20\r\n"), std::string("max_planes = \r\n") + kSomeSettingsLines);
  FieldSettings budgeted = some_settings();
  budgeted.max_planes = "12";
  write_file(dir.file("ombrix.ini"), "");
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), budgeted));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), std::string(kSomeSettingsLines) + "max_planes = 12\r\n");
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).max_planes, "12");
}

TEST(SettingsFileSpherePlacement, TheGreedyAddsNoKeyToAnOlderFile) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "Sphere_Placement = refined\r\n").sphere_placement, "refined");
  EXPECT_EQ(load_text(dir, "files = a.prm\r\n").sphere_placement, "");
  FieldSettings greedy = some_settings();
  greedy.sphere_placement = "greedy";
  write_file(dir.file("ombrix.ini"), "");
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), greedy));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), kSomeSettingsLines);
  // Once chosen, the refined placement is kept, and going back to the greedy is kept too.
  FieldSettings refined = some_settings();
  refined.sphere_placement = "refined";
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), refined));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), std::string(kSomeSettingsLines) + "sphere_placement = refined\r\n");
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), greedy));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), std::string(kSomeSettingsLines) + "sphere_placement = greedy\r\n");
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
  const std::string saved = save_over(dir,
                                      "\xEF\xBB\xBF"
                                      "files = \xC3\xA9t\xC3\xA9.prm\r\n");
  EXPECT_EQ(saved, std::string("\xEF\xBB\xBF\r\n") + kSomeSettingsLines);
  // Read again, the mark and the empty line are no entries.
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).files, "a.prm | b.prm * c.m");
  EXPECT_EQ(save_over(dir, saved), saved);
}

TEST(SettingsFileRewrite, ValueWithUtf8ByteOrderMarkIsRead) {
  TempDir dir;
  EXPECT_EQ(load_text(dir,
                      "\xEF\xBB\xBF"
                      "files = \xC3\xA9t\xC3\xA9.prm\r\n")
                .files,
            "\xC3\xA9t\xC3\xA9.prm");
}

// Field texts a user can type or paste that a plain "key = value" line cannot hold, or that look
// like the quoted form or like other kinds of line.
const std::vector<std::pair<const char*, std::string>> kHostileTexts = {
    {"empty", ""},
    {"leading and trailing blanks", "  a.prm \t"},
    {"only blanks", " \t "},
    {"line feed injecting a key and a group", "x.prm\nfiles = evil.prm\n[group]"},
    {"carriage return alone", "a\rb"},
    {"CR LF at the end", "a.prm\r\n"},
    {"equals and semicolon", "= a ; b ="},
    {"starts like a group", "[group]"},
    {"starts like a comment", ";x"},
    {"byte order mark bytes",
     "\xEF\xBB\xBF"
     "files"},
    {"quoted form of a plain text", "\"a.prm\""},
    {"quoted form that would decode", "\"\\n\""},
    {"backslashes and quotes", "\\\"\\\\\"\\"},
    {"a lone quote", "\""},
    {"NUL and control bytes", std::string("a\0b\x01\x7f", 5)},
};

FieldSettings settings_holding(const std::string& text, bool toggle) {
  FieldSettings settings;
  settings.files = text;
  settings.file_save = text + "x";
  settings.grid_resolution_val = "x" + text;
  settings.sample_sphere_resolution_val = text + text;
  settings.target_sphere_n = text;
  settings.sphere_overshot_val = text;
  settings.update_clipboard = toggle;
  return settings;
}

void expect_same_fields(const FieldSettings& loaded, const FieldSettings& saved) {
  EXPECT_EQ(loaded.files, saved.files);
  EXPECT_EQ(loaded.file_save, saved.file_save);
  EXPECT_EQ(loaded.grid_resolution_val, saved.grid_resolution_val);
  EXPECT_EQ(loaded.sample_sphere_resolution_val, saved.sample_sphere_resolution_val);
  EXPECT_EQ(loaded.target_sphere_n, saved.target_sphere_n);
  EXPECT_EQ(loaded.sphere_overshot_val, saved.sphere_overshot_val);
  EXPECT_EQ(loaded.update_clipboard, saved.update_clipboard);
}

TEST(SettingsFileRoundTrip, SavedFieldsReloadExactlyWhateverTheyHold) {
  const std::vector<std::pair<const char*, std::string>> files_before = {
      {"no file", ""},
      {"byte order mark",
       "\xEF\xBB\xBF"
       "files = old\r\n"},
      {"comments, other keys and a group", "; c\r\nother = 1\r\n[g]\r\nfiles = grouped\r\n"},
  };
  for (const auto& [file_name, before] : files_before) {
    for (const auto& [text_name, text] : kHostileTexts) {
      SCOPED_TRACE(std::string(file_name) + ", " + text_name);
      const FieldSettings saved = settings_holding(text, text.size() % 2 == 0);
      const std::string first_save = text_with_settings(before, saved);
      expect_same_fields(settings_of_text(first_save), saved);
      // Saving what was loaded changes nothing, and no text has made a group line of its own.
      EXPECT_EQ(text_with_settings(first_save, settings_of_text(first_save)), first_save);
      EXPECT_EQ(first_save.find("\n[", 0) == std::string::npos, before.find('[') == std::string::npos);
    }
  }
}

TEST(SettingsFileRoundTrip, PlainTextsAreWrittenAsTheyStand) {
  // Backslashes and quotes that do not form a quoted text needing its quotes stay untouched.
  for (const std::string text : {"C:\\models\\body.prm", "\"my car.prm\"", "a \"b\" c", "\\", "\"\"", "x = y ; [z]",
                                 "\"C:\\new\\body.prm\"", "\xC3\xA9t\xC3\xA9.prm"}) {
    SCOPED_TRACE(text);
    FieldSettings settings;
    settings.files = text;
    const std::string saved = text_with_settings("", settings);
    EXPECT_EQ(saved.substr(0, 10 + text.size()), "files = " + text + "\r\n");
    EXPECT_EQ(settings_of_text(saved).files, text);
  }
}

TEST(SettingsFileRoundTrip, LineBreaksAreWrittenEscapedInQuotes) {
  TempDir dir;
  FieldSettings settings;
  settings.files = " x.prm\r\n[group]\r\nfile_save = \"evil\\\"";
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), settings));
  const std::string line = "files = \" x.prm\\r\\n[group]\\r\\nfile_save = \\\"evil\\\\\\\"\"\r\n";
  EXPECT_EQ(read_file(dir.file("ombrix.ini")).substr(0, line.size()), line);
}

TEST(SettingsFileRoundTrip, OldQuotedValuesReadAsTheyAlwaysDid) {
  TempDir dir;
  EXPECT_EQ(load_text(dir, "files = \"a.prm\"\r\n").files, "\"a.prm\"");
  EXPECT_EQ(load_text(dir, "files = \"C:\\models\\a.prm\"\r\n").files, "\"C:\\models\\a.prm\"");
  EXPECT_EQ(load_text(dir, "files = \"a\\\"\r\n").files, "\"a\\\"");
}

TEST(SettingsFileByteOrderMark, MarkBytesAfterTheStartAreNoMark) {
  // The mark's bytes begin the second line: they belong to a key of that name, not "files".
  TempDir dir;
  const std::string file =
      "\n\xEF\xBB\xBF"
      "files=evil.prm\nfiles=good.prm\n";
  EXPECT_EQ(load_text(dir, file).files, "good.prm");
  const FieldSettings loaded = load_settings_file(dir.file("ombrix.ini"));
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), loaded));
  const std::string saved = read_file(dir.file("ombrix.ini"));
  EXPECT_EQ(saved.substr(0, 2), "\r\n");  // the bytes do not become the file's first ones
  EXPECT_EQ(load_settings_file(dir.file("ombrix.ini")).files, "good.prm");
  ASSERT_TRUE(save_settings_file(dir.file("ombrix.ini"), load_settings_file(dir.file("ombrix.ini"))));
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), saved);
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
