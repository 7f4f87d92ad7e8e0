// The bridge against a stand-in program that prints what each case needs, sleeps or never starts.
// Each case runs from a fresh folder holding the stand-in under the program's name, as a user's
// current directory would hold qconvex.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external/external_hull.h"
#include "hull/external/external_hull_input.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::vertices_of;
using testing::write_file;

// The tetrahedron the stand-in's input is built from; the stand-in ignores the geometry.
const std::vector<Vector> kTetrahedron = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {0, 0, 10}};

// A fresh current directory with the stand-in installed as the program; the previous current
// directory comes back at the end.
class StandInFolder {
 public:
  StandInFolder() : previous_(fs::current_path()) {
    fs::copy_file(OMBRIX_STAND_IN_QCONVEX, folder_.path() / external_hull_program_name());
    fs::current_path(folder_.path());
  }
  ~StandInFolder() { fs::current_path(previous_); }
  StandInFolder(const StandInFolder&) = delete;
  StandInFolder& operator=(const StandInFolder&) = delete;

  void set(const std::string& name, const std::string& text) { write_file(folder_.file(name), text); }
  std::string received(const std::string& name) const { return read_file(folder_.file(name)); }
  fs::path path() const { return folder_.path(); }

 private:
  TempDir folder_;
  fs::path previous_;
};

// The planes and log lines of one call of the bridge, starting from an empty plane list.
struct BridgeRun {
  std::vector<Plane> planes;
  std::vector<LoggedLine> lines;
};

BridgeRun run_bridge(const std::vector<Vector>& points, const ExternalHullProgram& program = {}) {
  BridgeRun run;
  RecordingLog log;
  build_external_hull_using(program, run.planes, vertices_of(points), log);
  run.lines = log.lines;
  return run;
}

LoggedLine count_line(int count) {
  return {"    Number of planes for the Hull: " + std::to_string(count), Stamp::kStamped};
}

const std::string kOnePlane = "4\n1\n1 0 0 -5\n";

const std::vector<Plane> kCubeFaces = {{-1, 0, 0, 0},  {1, 0, 0, -10}, {0, -1, 0, 0},
                                       {0, 1, 0, -10}, {0, 0, -1, 0},  {0, 0, 1, -10}};
const std::string kCubeFaceLines = "-1 0 0 0\n1 0 0 -10\n0 -1 0 0\n0 1 0 -10\n0 0 -1 0\n0 0 1 -10\n";

// What the program prints reaches the planes through the output reader (its own tests cover the
// forms); two forms here show that the program's standard output is what it reads.
TEST(ExternalHullOutput, ProgramOutputBecomesPlanesInTheProgramsOrder) {
  StandInFolder folder;
  folder.set("output.txt", "4\n2\n" + kCubeFaceLines);
  const BridgeRun run = run_bridge(kTetrahedron);
  ASSERT_EQ(run.planes.size(), kCubeFaces.size());
  for (size_t i = 0; i < run.planes.size(); ++i) EXPECT_EQ(run.planes[i].d, kCubeFaces[i].d) << i;
  EXPECT_EQ(run.lines, std::vector<LoggedLine>{count_line(6)});
}

TEST(ExternalHullOutput, OutputInAnotherFormGivesNoPlanesAndACountOfZero) {
  StandInFolder folder;
  folder.set("output.txt", "4.0\n1\n1 0 0 -5\n");
  const BridgeRun run = run_bridge(kTetrahedron);
  EXPECT_TRUE(run.planes.empty());
  EXPECT_EQ(run.lines, std::vector<LoggedLine>{count_line(0)});
}

TEST(ExternalHullOutput, PlanesAreAppendedAndTheCountIsOfTheWholeList) {
  StandInFolder folder;
  folder.set("output.txt", kOnePlane);
  std::vector<Plane> planes = {{0, 0, 1, -1}};
  RecordingLog log;
  build_external_hull(planes, vertices_of(kTetrahedron), log);
  ASSERT_EQ(planes.size(), 2u);
  EXPECT_EQ(planes[0].c, 1.0f);
  EXPECT_EQ(planes[1].a, 1.0f);
  EXPECT_EQ(log.lines, std::vector<LoggedLine>{count_line(2)});
}

TEST(ExternalHullExchange, ProgramGetsTheVerticesAndTheSingleArgumentN) {
  StandInFolder folder;
  run_bridge(kTetrahedron);
  // Written by the stand-in in its working directory: it was started from the current one.
  EXPECT_EQ(folder.received("input.txt"), external_hull_input_text(vertices_of(kTetrahedron)));
  EXPECT_EQ(folder.received("arguments.txt"), "n\n");
}

TEST(ExternalHullExchange, LargeInputReachesTheProgramWhole) {
  // Far more than a pipe holds: the write must not stall or be cut short.
  std::vector<Vector> points;
  for (int i = 0; i < 20000; ++i) points.push_back({i * 0.25f, -i * 0.5f, i * 1.0e-3f});
  StandInFolder folder;
  folder.set("output.txt", kOnePlane);
  EXPECT_EQ(run_bridge(points).planes.size(), 1u);
  EXPECT_EQ(folder.received("input.txt"), external_hull_input_text(vertices_of(points)));
}

TEST(ExternalHullExchange, StandardErrorIsNotTakenForOutput) {
  StandInFolder folder;
  folder.set("error.txt", "4\n1\n9 9 9 9\n");
  folder.set("output.txt", kOnePlane);
  const BridgeRun run = run_bridge(kTetrahedron);
  ASSERT_EQ(run.planes.size(), 1u);
  EXPECT_EQ(run.planes[0].a, 1.0f);
}

TEST(ExternalHullExchange, OutputIsCollectedUntilTheProgramEnds) {
  StandInFolder folder;
  folder.set("output.txt", kOnePlane);
  folder.set("sleep_ms.txt", "300");
  EXPECT_EQ(run_bridge(kTetrahedron).lines, std::vector<LoggedLine>{count_line(1)});
}

TEST(ExternalHullFailure, ProgramThatLeavesWithoutReadingItsInputGivesNoPlanes) {
  // The tool must survive writing to a closed pipe.
  StandInFolder folder;
  folder.set("skip_input", "");
  const BridgeRun run = run_bridge(std::vector<Vector>(20000, Vector{1, 2, 3}));
  EXPECT_TRUE(run.planes.empty());
  EXPECT_EQ(run.lines, std::vector<LoggedLine>{count_line(0)});
}

TEST(ExternalHullFailure, ProgramThatCannotStartLogsOnceAndAddsNothing) {
  const std::vector<std::pair<const char*, std::string>> programs = {
      {"missing", ""},
      {"not executable", kOnePlane},
  };
  for (const auto& [name, contents] : programs) {
    SCOPED_TRACE(name);
    TempDir folder;
    const fs::path program = folder.path() / external_hull_program_name();
    if (!contents.empty()) write_file(program.string(), contents);
    const BridgeRun run = run_bridge(kTetrahedron, {.path = program});
    EXPECT_TRUE(run.planes.empty());
    const LoggedLine cannot_start = {"Can't start " + external_hull_program_name() + ".", Stamp::kStamped};
    EXPECT_EQ(run.lines, std::vector<LoggedLine>{cannot_start});
  }
}

TEST(ExternalHullFailure, ProgramStillRunningAtTheTimeLimitIsEndedAndItsOutputIgnored) {
  StandInFolder folder;
  folder.set("output.txt", kOnePlane);  // printed at once, then the program sleeps on
  folder.set("sleep_ms.txt", "60000");
  const auto start = std::chrono::steady_clock::now();
  const BridgeRun run = run_bridge(kTetrahedron, {.time_limit = std::chrono::milliseconds(300)});
  // Not a timing test: far below the sleep, it only shows that the program was not waited for.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_TRUE(run.planes.empty());
  const LoggedLine timed_out = {
      "    " + external_hull_program_name() + " did not finish in time: its output is ignored.", Stamp::kStamped};
  EXPECT_EQ(run.lines, (std::vector<LoggedLine>{timed_out, count_line(0)}));
}

TEST(ExternalHullFailure, OutputBeyondTheLimitIsIgnoredAndEndsTheProgram) {
  struct Case {
    const char* name;
    std::string repeat;
    std::size_t limit;
    size_t planes;
  };
  const std::vector<Case> cases = {
      {"exactly the limit is read", "1", kOnePlane.size(), 1},
      {"one byte more is not a hull", "1", kOnePlane.size() - 1, 0},
      {"repeated lines past the limit", "1000", 100 * kOnePlane.size(), 0},
      // Would print for hours: ended at the limit, not after the time limit.
      {"endless output", "1000000000000", 1000, 0},
  };
  for (const Case& limit_case : cases) {
    SCOPED_TRACE(limit_case.name);
    StandInFolder folder;
    folder.set("output.txt", kOnePlane);
    folder.set("repeat.txt", limit_case.repeat);
    const BridgeRun run = run_bridge(kTetrahedron, {.output_limit = limit_case.limit});
    EXPECT_EQ(run.planes.size(), limit_case.planes);
    EXPECT_EQ(run.lines, std::vector<LoggedLine>{count_line(static_cast<int>(limit_case.planes))});
  }
}

TEST(ExternalHullPresence, OnlyANonEmptyFileOfTheProgramsNameCounts) {
  const std::string name = external_hull_program_name();
  TempDir with_nothing;
  EXPECT_FALSE(external_hull_program_present(with_nothing.path()));

  TempDir with_empty_file;
  write_file(with_empty_file.file(name), "");
  EXPECT_FALSE(external_hull_program_present(with_empty_file.path()));

  TempDir with_folder;
  fs::create_directory(with_folder.path() / name);
  write_file(with_folder.file(name + "/inside"), "x");
  EXPECT_FALSE(external_hull_program_present(with_folder.path()));

  TempDir with_file;
  write_file(with_file.file(name), "x");
  EXPECT_TRUE(external_hull_program_present(with_file.path()));

  TempDir with_other_name;
  write_file(with_other_name.file("Qconvex2"), "x");
  EXPECT_FALSE(external_hull_program_present(with_other_name.path()));
}

TEST(ExternalHullPresence, StartUpLineNamesTheProgramAndTheProcedureChosen) {
  const std::string name = external_hull_program_name();
  EXPECT_EQ(external_hull_presence_line(true), "'" + name + "' found. It will be used to compute Hull.");
  EXPECT_EQ(external_hull_presence_line(false), "'" + name + "' not found. Internal Hull procedure will be used.");
}

TEST(ExternalHullPresence, LinkCountsWhenItLeadsToANonEmptyFile) {
  // How a Linux user installs the program: a symbolic link to the packaged one.
  const std::string name = external_hull_program_name();
  TempDir target;
  write_file(target.file("real"), "x");
  TempDir linked;
  fs::create_symlink(target.path() / "real", linked.path() / name);
  EXPECT_TRUE(external_hull_program_present(linked.path()));

  TempDir dangling;
  fs::create_symlink(target.path() / "gone", dangling.path() / name);
  EXPECT_FALSE(external_hull_program_present(dangling.path()));
}

}  // namespace
}  // namespace ombrix
