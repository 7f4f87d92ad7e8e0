// The command line as scripts use it: options, output lines, exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::model_file_bytes;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

using CliRun = testing::ProgramRun;

// Runs ombrix-cli with `arguments` from `directory`, standard error folded into the output
// unless `errors` is false.
CliRun run_cli(const std::filesystem::path& directory, const std::string& arguments, bool errors = true) {
  return testing::run_program(OMBRIX_CLI_PATH, directory, arguments, errors);
}

// The output's lines with the time stamps ("HH:MM:SS." and a TAB) taken off.
std::vector<std::string> unstamped_lines(const std::string& out) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = out.find('\n'); end != std::string::npos; end = out.find('\n', start)) {
    std::string line = out.substr(start, end - start);
    if (line.size() >= 10 && line[2] == ':' && line[5] == ':' && line[8] == '.' && line[9] == '\t') {
      line = line.substr(10);
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool has_line(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

class OmbrixCli : public ::testing::Test {
 protected:
  OmbrixCli() { write_file(dir.file("body.prm"), model_file_bytes(box_corners({-5, -5, -5}, {5, 5, 5}))); }
  TempDir dir;
};

TEST_F(OmbrixCli, DefaultsReadBodyPrmAndWriteHullHulWithTheWindowsLog) {
  const CliRun run = run_cli(dir.path(), "");
  EXPECT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> lines = unstamped_lines(run.out);
  ASSERT_GE(lines.size(), 7u) << run.out;
  EXPECT_EQ(lines[0], "'qconvex' not found. Internal Hull procedure will be used.");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "start");
  EXPECT_EQ(lines[3], "Reading file: body.prm (8 vertices And 1 polies).");
  EXPECT_EQ(lines[4], "Creating Hull.");
  EXPECT_EQ(lines[5], "    Number of planes for the Hull: 6");
  EXPECT_EQ(lines.back().rfind("end (", 0), 0u);
  EXPECT_TRUE(std::filesystem::exists(dir.file("hull.hul")));
}

TEST_F(OmbrixCli, AForcedHullChoiceLogsNoProgramLine) {
  std::filesystem::create_directory(dir.path() / "car");
  std::filesystem::rename(dir.file("body.prm"), dir.path() / "car" / "cube.prm");
  const CliRun run = run_cli(dir.path(), "--hull internal --workdir car --input cube.prm --output c.hul");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(unstamped_lines(run.out)[0], "");
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "car" / "c.hul"));
}

TEST_F(OmbrixCli, ExactHullWritesAFileWhereTheOwnProcedureHasTooManyPlanes) {
  write_file(dir.file("roof.prm"), model_file_bytes(testing::roof_at_zero_body()));
  EXPECT_EQ(run_cli(dir.path(), "--hull internal --input roof.prm").status, 1);
  const CliRun exact = run_cli(dir.path(), "--hull exact --input roof.prm");
  EXPECT_EQ(exact.status, 0) << exact.out;
  const std::vector<std::string> lines = unstamped_lines(exact.out);
  ASSERT_GE(lines.size(), 4u) << exact.out;
  EXPECT_EQ(lines[0], "");  // a chosen procedure: no line about the program, and no "Creating Hull."
  EXPECT_EQ(lines[3].rfind("    Number of planes for the Hull: ", 0), 0u) << lines[3];
}

TEST_F(OmbrixCli, PlanesGiveTheOwnProcedureAFileAndABadBudgetStopsTheRun) {
  write_file(dir.file("roof.prm"), model_file_bytes(testing::roof_at_zero_body()));
  const CliRun budgeted = run_cli(dir.path(), "--hull internal --input roof.prm --planes 20");
  EXPECT_EQ(budgeted.status, 0) << budgeted.out;
  const std::vector<std::string> lines = unstamped_lines(budgeted.out);
  ASSERT_GE(lines.size(), 6u) << budgeted.out;
  EXPECT_EQ(lines[5].rfind("    Hull reduced to 20 planes from ", 0), 0u) << lines[5];
  EXPECT_EQ(read_file(dir.file("hull.hul")).substr(6, 2), std::string("\x14\x00", 2));  // the plane count

  const CliRun refused = run_cli(dir.path(), "--hull internal --input roof.prm --planes=3 --output other.hul");
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(has_line(unstamped_lines(refused.out),
                       "Aborting. Max planes must be empty, 0 or a whole number from 4 to 32767, not '3'."))
      << refused.out;
  EXPECT_FALSE(std::filesystem::exists(dir.file("other.hul")));
}

TEST_F(OmbrixCli, PlacementGreedyIsTheDefaultAndRefinedAddsItsLine) {
  write_file(dir.file("body.prm"), model_file_bytes(testing::roof_at_zero_body()));
  const CliRun plain = run_cli(dir.path(), "--hull exact --output plain.hul");
  const CliRun greedy = run_cli(dir.path(), "--hull exact --output greedy.hul --placement greedy");
  const CliRun refined = run_cli(dir.path(), "--hull exact --output refined.hul --placement refined");
  ASSERT_EQ(plain.status, 0) << plain.out;
  ASSERT_EQ(greedy.status, 0) << greedy.out;
  ASSERT_EQ(refined.status, 0) << refined.out;
  EXPECT_EQ(read_file(dir.file("greedy.hul")), read_file(dir.file("plain.hul")));
  EXPECT_NE(read_file(dir.file("refined.hul")), read_file(dir.file("plain.hul")));

  std::vector<std::string> lines = unstamped_lines(refined.out);
  const auto shares = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& line) { return line.rfind("    Spheres refined: ", 0) == 0; });
  ASSERT_NE(shares, lines.end()) << refined.out;
  lines.erase(shares);
  std::vector<std::string> plain_lines = unstamped_lines(plain.out);
  // All but the output name and the closing time are the greedy's lines.
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end() - 3),
            std::vector<std::string>(plain_lines.begin(), plain_lines.end() - 3));

  EXPECT_EQ(run_cli(dir.path(), "--placement best").status, 2);
}

TEST_F(OmbrixCli, AnAbortedRunOrAnUnwrittenFileExitsWithOne) {
  EXPECT_EQ(run_cli(dir.path(), "--input missing.prm").status, 1);
  EXPECT_EQ(run_cli(dir.path(), "--output no/such/dir/h.hul").status, 1);
}

TEST_F(OmbrixCli, ABadCommandLineExitsWithTwoAndHelpWithZero) {
  const CliRun bad = run_cli(dir.path(), "--no-such-option");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.out.find("--no-such-option"), std::string::npos);
  EXPECT_EQ(run_cli(dir.path(), "--hull sideways").status, 2);
  const CliRun help = run_cli(dir.path(), "--help");
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--workdir", "--input", "--output", "--spheres", "--grid", "--samples", "--overshoot",
                             "--planes", "--placement", "--hull", "--table", "--settings"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
}

TEST_F(OmbrixCli, EveryFieldOptionTakesAnEmptyTextInBothForms) {
  // What each empty field does to the run; the working directory and overshoot are empty or 0
  // by default, so only the option after them shows that nothing was swallowed.
  const std::vector<std::pair<std::string, std::string>> options = {
      {"--workdir", "end ("},
      {"--input", "Aborting. Can't find the file: "},
      {"--output", "Can't write file: "},
      {"--spheres", "Sphere 1 coordinates"},
      {"--grid", "    No spheres for this volume: the grid and sampling resolutions must be finite and above 0."},
      {"--samples", "    No spheres for this volume: the grid and sampling resolutions must be finite and above 0."},
      {"--overshoot", "end ("},
      {"--planes", "end ("},
  };
  for (const auto& [option, line] : options) {
    for (const std::string& empty : {option + "=", option + " ''"}) {
      SCOPED_TRACE(empty);
      std::filesystem::remove(dir.file("t.txt"));
      const CliRun followed = run_cli(dir.path(), empty + " --table t.txt --hull internal");
      EXPECT_TRUE(std::filesystem::exists(dir.file("t.txt"))) << followed.out;
      const std::vector<std::string> lines = unstamped_lines(followed.out);
      EXPECT_TRUE(std::ranges::any_of(lines, [&](const std::string& l) { return l.starts_with(line); }))
          << followed.out;
      if (option == "--spheres") {
        EXPECT_EQ(followed.out.find("Sphere 2 coordinates"), std::string::npos);
      }
      EXPECT_NE(run_cli(dir.path(), "--hull internal " + empty).status, 2);  // last on the line
    }
  }
}

TEST_F(OmbrixCli, TheTableGoesToTheNamedFile) {
  const CliRun run = run_cli(dir.path(), "--table table.txt");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(std::filesystem::exists(dir.file("table.txt")));
}

TEST_F(OmbrixCli, PictureOfTheRunLeavesTheLogAndTheHullFileAsTheyWere) {
  const CliRun plain = run_cli(dir.path(), "--hull internal --output plain.hul");
  const CliRun pictured = run_cli(dir.path(), "--hull internal --output pictured.hul --picture view.png", false);
  EXPECT_EQ(pictured.status, 0) << pictured.out;
  std::vector<std::string> plain_lines = unstamped_lines(plain.out);
  std::vector<std::string> pictured_lines = unstamped_lines(pictured.out);
  ASSERT_EQ(plain_lines.size(), pictured_lines.size());
  plain_lines.pop_back();  // the end lines carry the run's time
  pictured_lines.pop_back();
  EXPECT_EQ(plain_lines, pictured_lines);
  EXPECT_EQ(read_file(dir.file("plain.hul")), read_file(dir.file("pictured.hul")));
  EXPECT_EQ(testing::png_size(read_file(dir.file("view.png"))), std::make_pair(1200u, 900u));
}

TEST_F(OmbrixCli, RunThatWroteNoHullFileDrawsNoPicture) {
  EXPECT_EQ(run_cli(dir.path(), "--input missing.prm --picture view.png").status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.file("view.png")));
}

TEST_F(OmbrixCli, SettingsFileGivesTheDefaultsAndOptionsStillWin) {
  std::filesystem::rename(dir.file("body.prm"), dir.file("cube.prm"));
  write_file(dir.file("ombrix.ini"), "FILES = cube.prm\r\nfile_save = saved.hul\r\ntarget_sphere_n = 2\r\n");
  const CliRun from_file = run_cli(dir.path(), "--settings --hull internal");
  EXPECT_EQ(from_file.status, 0) << from_file.out;
  EXPECT_TRUE(std::filesystem::exists(dir.file("saved.hul")));
  EXPECT_NE(from_file.out.find("Sphere 2 coordinates"), std::string::npos);
  EXPECT_EQ(from_file.out.find("Sphere 3 coordinates"), std::string::npos);

  const CliRun overridden = run_cli(dir.path(), "--settings --hull internal --output given.hul");
  EXPECT_EQ(overridden.status, 0) << overridden.out;
  EXPECT_TRUE(std::filesystem::exists(dir.file("given.hul")));

  // Without --settings the file is not read: the default body.prm is missing here.
  EXPECT_EQ(run_cli(dir.path(), "--hull internal").status, 1);
}

TEST_F(OmbrixCli, LinkToTheProgramInTheCurrentDirectoryMakesTheRunUseIt) {
  const std::filesystem::path installed = "/usr/bin/qconvex";
  if (!std::filesystem::exists(installed)) GTEST_SKIP() << "qconvex is not installed";
  std::filesystem::create_symlink(installed, dir.path() / "qconvex");
  const CliRun run = run_cli(dir.path(), "--hull auto 2>errors.txt", false);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> lines = unstamped_lines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "'qconvex' found. It will be used to compute Hull.");
  EXPECT_FALSE(has_line(lines, "Creating Hull."));
  EXPECT_TRUE(has_line(lines, "    Number of planes for the Hull: 6"));
  EXPECT_EQ(read_file(dir.file("errors.txt")), "") << "Qt must not warn when no event loop runs";
}

TEST_F(OmbrixCli, ForcedProgramThatIsMissingIsReportedAndTheRunGoesOn) {
  const CliRun run = run_cli(dir.path(), "--hull external");
  const std::vector<std::string> lines = unstamped_lines(run.out);
  EXPECT_TRUE(has_line(lines, "Can't start qconvex."));
  EXPECT_FALSE(has_line(lines, "Creating Hull."));
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back().starts_with("end ("));
}

}  // namespace
}  // namespace ombrix
