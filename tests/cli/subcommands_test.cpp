// inspect, text, hul, scale and simplify as scripts use them: output, files written, exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <string>

#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "support/generated_hulls.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::generated_oddities;
using testing::generated_prisms;
using testing::read_file;
using testing::write_file;

class HulSubcommands : public ::testing::Test {
 protected:
  testing::ProgramRun run(const std::string& arguments) {
    return testing::run_program(OMBRIX_CLI_PATH, dir.path(), arguments);
  }
  void write_hul(const std::string& name, const CollisionData& data) {
    write_file(dir.file(name), *hul_file_bytes(data));
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir.path() / name); }

  testing::TempDir dir;
};

TEST_F(HulSubcommands, InspectExitsWithZeroOneOrTwoForNoErrorsErrorsAndUnreadable) {
  write_hul("sound.hul", generated_prisms(3));
  CollisionData reaching = generated_prisms(3);
  reaching.spheres[0].radius = 40.0f;
  write_hul("reach.hul", reaching);
  CollisionData bad_edge = generated_prisms(3);
  bad_edge.volumes[2].edges[0].to = 300;
  write_hul("edge.hul", bad_edge);
  write_file(dir.file("cut.hul"), read_file(dir.file("sound.hul")).substr(0, 300));
  write_file(dir.file("body.prm"), testing::model_file_bytes(bad_edge.volumes[1].points));
  write_file(dir.file("junk.prm"), "junk");

  const struct {
    const char* arguments;
    int status;
    const char* line;
  } rows[] = {
      {"inspect sound.hul", 0, "no findings\n"},
      {"inspect sound.hul --model body.prm", 0, "model body.prm: 8 vertices; every vertex lies inside the hulls"},
      {"inspect edge.hul", 1, "\nerror edge-index: hull 3: 1 of its 15 edges refers to points it does not have"},
      {"inspect reach.hul", 0, "1 finding (0 errors, 1 warning):\nwarning sphere-reach: sphere 1 reaches"},
      {"inspect reach.hul --strict", 1, "\nwarning sphere-reach: "},
      {"inspect sound.hul --strict", 0, "no findings\n"},
      {"inspect cut.hul", 2, "\nerror unreadable: hull 2 of 3 is cut off after its 2nd point (8 announced)\n"},
      {"inspect missing.hul", 2, "\nerror unreadable: there is no such file\n"},
      {"inspect sound.hul --model junk.prm", 2, "can't use the model: File 'junk.prm' is truncated."},
      {"inspect", 2, "FILE is required"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.status, row.status) << result.out;
    EXPECT_NE(result.out.find(row.line), std::string::npos) << result.out;
  }
}

QJsonObject inspect_json(const testing::ProgramRun& result) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
  return document.object();
}

TEST_F(HulSubcommands, InspectJsonHoldsTheFixedKeysWithValuesThatAreNotFiniteAsStrings) {
  write_hul("odd.hul", generated_oddities());
  const testing::ProgramRun odd = run("inspect --json odd.hul");
  EXPECT_EQ(odd.status, 1);
  const QJsonObject report = inspect_json(odd);
  EXPECT_EQ(report["file"].toString().toStdString(), "odd.hul");
  EXPECT_EQ(report["bytes"].toInteger(), qint64(read_file(dir.file("odd.hul")).size()));
  const QJsonArray hulls = report["hulls"].toArray();
  ASSERT_EQ(hulls.size(), 3);
  const QJsonObject first = hulls[0].toObject();
  EXPECT_EQ(first["points"].toInt(), 6);
  EXPECT_EQ(first["edges"].toInt(), 10);
  EXPECT_EQ(first["planes"].toInt(), 5);
  EXPECT_EQ(first["box"].toArray().size(), 6);
  EXPECT_EQ(first["offset"].toArray()[0].toString().toStdString(), "nan");
  EXPECT_EQ(first["offset"].toArray()[2].toString().toStdString(), "-inf");
  EXPECT_EQ(hulls[2].toObject()["offset"].toArray()[0].toDouble(), 80.0);
  EXPECT_EQ(report["spheres"].toInt(), 6);
  std::vector<std::string> kinds;
  for (const QJsonValue finding : report["findings"].toArray()) {
    kinds.push_back(finding.toObject()["kind"].toString().toStdString() + " " +
                    finding.toObject()["severity"].toString().toStdString());
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"not-finite error", "edge-index error", "not-finite error",
                                             "trailing-bytes warning"}));

  write_file(dir.file("cut.hul"), read_file(dir.file("odd.hul")).substr(0, 400));
  const testing::ProgramRun cut = run("inspect cut.hul --json");
  EXPECT_EQ(cut.status, 2);
  const QJsonObject unreadable = inspect_json(cut);
  EXPECT_EQ(unreadable["hulls"].toArray().size(), 1);  // the first hull was read whole
  const QJsonObject reason = unreadable["findings"].toArray()[0].toObject();
  EXPECT_EQ(reason["kind"].toString().toStdString(), "unreadable");
  EXPECT_EQ(reason["message"].toString().toStdString(), "hull 2 of 3 is cut off after its 6th edge (12 announced)");
}

TEST_F(HulSubcommands, TextThenHulGivesBackTheSameBytesAndATextWithAMistakeWritesNothing) {
  write_hul("odd.hul", generated_oddities());
  ASSERT_EQ(run("text odd.hul > odd.txt").status, 0);
  ASSERT_EQ(run("hul odd.txt --output back.hul").status, 0);
  EXPECT_EQ(read_file(dir.file("back.hul")), read_file(dir.file("odd.hul")));

  std::string text = read_file(dir.file("odd.txt"));
  const size_t plane = text.find("\nplane ");
  text.replace(plane + 1, text.find('\n', plane + 1) - plane - 1, "plane 1 0 0");
  const size_t line =
      static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<long>(plane) + 1, '\n')) + 1;
  write_file(dir.file("bad.txt"), text);
  const testing::ProgramRun bad = run("hul bad.txt --output back.hul");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "ombrix-cli: bad.txt: line " + std::to_string(line) +
                         ": 'plane' takes 4 numbers, found 3; nothing written\n");
  EXPECT_EQ(read_file(dir.file("back.hul")), read_file(dir.file("odd.hul")));

  write_file(dir.file("cut.hul"), read_file(dir.file("odd.hul")).substr(0, 40));
  const testing::ProgramRun cut = run("text cut.hul");
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.out, "ombrix-cli: can't read cut.hul: hull 1 of 3 is cut off in its offset\n");
}

TEST_F(HulSubcommands, AnOutputIsNeverTheInputUnlessOverwriteIsGiven) {
  write_hul("in.hul", generated_prisms(2));
  const std::string before = read_file(dir.file("in.hul"));
  std::filesystem::create_directory(dir.path() / "sub");
  std::filesystem::create_symlink(dir.path() / "in.hul", dir.path() / "link.hul");
  for (const char* output : {"in.hul", "./sub/../in.hul", "link.hul"}) {
    SCOPED_TRACE(output);
    const testing::ProgramRun refused = run(std::string("scale in.hul 2 --output ") + output);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out,
              std::string("ombrix-cli: ") + output + " is the input file; give --overwrite to replace it\n");
    EXPECT_EQ(read_file(dir.file("in.hul")), before);
  }
  ASSERT_EQ(run("text in.hul > in.txt").status, 0);
  EXPECT_EQ(run("hul in.txt --output in.txt").status, 1);

  EXPECT_EQ(run("scale in.hul 2 --output in.hul --overwrite").status, 0);
  EXPECT_EQ(read_hul_file(dir.file("in.hul")).data.volumes[0].box.max_z, 2 * (-12.5f + 15.0f));
  EXPECT_EQ(run("scale in.hul 2 --output no/such/folder.hul").status, 1);
}

TEST_F(HulSubcommands, ScaleMultipliesEveryLengthAndRefusesAFactorThatIsNotFiniteAboveZero) {
  write_hul("car.hul", generated_prisms(2));
  ASSERT_EQ(run("scale car.hul 1.1 --output big.hul").status, 0);
  const CollisionData was = read_hul_file(dir.file("car.hul")).data;
  const HulReading big = read_hul_file(dir.file("big.hul"));
  ASSERT_EQ(big.fault, "");
  const auto scaled = [](float value) { return static_cast<float>(value * 1.1); };
  const Volume& a = was.volumes[1];
  const Volume& b = big.data.volumes[1];
  EXPECT_EQ(b.box.min_y, scaled(a.box.min_y));
  EXPECT_EQ(b.offset.y, scaled(a.offset.y));
  EXPECT_EQ(b.points[5].x, scaled(a.points[5].x));
  EXPECT_EQ(b.planes[1].a, a.planes[1].a);
  EXPECT_EQ(b.planes[1].d, scaled(a.planes[1].d));
  EXPECT_EQ(big.data.spheres[2].radius, scaled(was.spheres[2].radius));
  EXPECT_EQ(big.data.spheres[2].z, scaled(was.spheres[2].z));

  for (const char* factor : {"0", "-1", "-0", "nan", "inf", "-inf", "1e999", "1.5x", "''", "0x2"}) {
    SCOPED_TRACE(factor);
    const testing::ProgramRun refused = run(std::string("scale car.hul ") + factor + " --output refused.hul");
    EXPECT_EQ(refused.status, 2) << refused.out;
    EXPECT_FALSE(exists("refused.hul"));
  }
  write_file(dir.file("cut.hul"), "\x01");
  EXPECT_EQ(run("scale cut.hul 2 --output refused.hul").status, 2);
  EXPECT_FALSE(exists("refused.hul"));
}

TEST_F(HulSubcommands, InspectGivesEachClosedHullsVolumeAndWithTheModelHowMuchMoreItHolds) {
  // The 3-sided prism of radius 20 and height 30: 3·√3/4·20²·30 = 15588.457; the model is the
  // prism's own corners, so its convex hull is the prism and the hulls hold nothing more.
  CollisionData data = generated_prisms(1);
  write_hul("prism.hul", data);
  write_file(dir.file("prism.prm"), testing::model_file_bytes(data.volumes[0].points));
  const testing::ProgramRun text = run("inspect prism.hul --model prism.prm");
  EXPECT_EQ(text.status, 0) << text.out;
  EXPECT_NE(text.out.find("; closed, volume 15588.45"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("; the hulls hold 0.0% more than its convex hull\n"), std::string::npos) << text.out;

  const QJsonObject report = inspect_json(run("inspect prism.hul --model prism.prm --json"));
  EXPECT_NEAR(report["hulls"].toArray()[0].toObject()["volume"].toDouble(), 15588.457, 0.01);
  EXPECT_NEAR(report["model"].toObject()["convex_volume"].toDouble(), 15588.457, 0.01);
  EXPECT_NEAR(report["model"].toObject()["beyond_convex"].toDouble(), 0.0, 1e-3);

  // Open: no volume, and nothing to compare with the model.
  data.volumes[0].planes.pop_back();
  write_hul("open.hul", data);
  const QJsonObject open = inspect_json(run("inspect open.hul --model prism.prm --json"));
  EXPECT_TRUE(open["hulls"].toArray()[0].toObject()["volume"].isNull());
  EXPECT_TRUE(open["model"].toObject()["beyond_convex"].isNull());
  EXPECT_EQ(run("inspect open.hul --model prism.prm").out.find("convex hull"), std::string::npos);
}

TEST_F(HulSubcommands, SimplifyCapsThePlanesSaysWhatItChangedAndRefusesWhatItCannotDo) {
  write_hul("prisms.hul", generated_prisms(4));  // 5, 6, 7 and 8 planes
  const testing::ProgramRun simplified = run("simplify prisms.hul --planes 6 --output simple.hul");
  EXPECT_EQ(simplified.status, 0) << simplified.out;
  EXPECT_NE(simplified.out.find("ombrix-cli: hull 3: 7 planes reduced to "), std::string::npos) << simplified.out;
  EXPECT_NE(simplified.out.find("ombrix-cli: hull 4: 8 planes reduced to "), std::string::npos) << simplified.out;
  EXPECT_EQ(simplified.out.find("hull 2:"), std::string::npos) << simplified.out;
  const HulReading simple = read_hul_file(dir.file("simple.hul"));
  ASSERT_EQ(simple.fault, "");
  for (const Volume& volume : simple.data.volumes) EXPECT_LE(volume.planes.size(), 6u);
  EXPECT_EQ(run("inspect simple.hul").status, 0);

  const std::string before = read_file(dir.file("prisms.hul"));
  for (const char* planes : {"0", "3", "32768", "six", "''"}) {
    SCOPED_TRACE(planes);
    EXPECT_EQ(run(std::string("simplify prisms.hul --planes ") + planes + " --output refused.hul").status, 2);
  }
  EXPECT_EQ(run("simplify missing.hul --planes 6 --output refused.hul").status, 2);
  EXPECT_EQ(run("simplify prisms.hul --planes 6 --output prisms.hul").status, 1);
  EXPECT_EQ(read_file(dir.file("prisms.hul")), before);

  CollisionData open = generated_prisms(4);
  open.volumes[3].planes.pop_back();
  write_hul("open.hul", open);
  const testing::ProgramRun refused = run("simplify open.hul --planes 6 --output refused.hul");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out,
            "ombrix-cli: can't simplify open.hul: hull 4: its planes close no region (it is open on "
            "some side); nothing written\n");
  EXPECT_FALSE(exists("refused.hul"));
}

TEST_F(HulSubcommands, FillKeepsTheHullBytesReplacesTheSpheresAndRefusesWhatItCannotFill) {
  CollisionData prisms = generated_prisms(3);
  prisms.volumes[1].planes.pop_back();  // open: left out, named
  write_hul("prisms.hul", prisms);
  const testing::ProgramRun filled =
      run("fill prisms.hul --spheres 7 --overshoot 10 --output filled.hul --table t.tsv");
  ASSERT_EQ(filled.status, 0) << filled.out;
  EXPECT_NE(filled.out.find("Creating spheres."), std::string::npos) << filled.out;
  EXPECT_NE(filled.out.find("ombrix-cli: hull 2 skipped: its planes do not close around a region\n"), std::string::npos)
      << filled.out;
  const HulReading reading = read_hul_file(dir.file("filled.hul"));
  ASSERT_EQ(reading.fault, "");
  EXPECT_EQ(reading.data.spheres.size(), 7u);
  // Everything before the sphere count is the input's, byte for byte.
  const std::string before = read_file(dir.file("prisms.hul"));
  const size_t hull_bytes = before.size() - 2 - prisms.spheres.size() * 16;
  EXPECT_EQ(read_file(dir.file("filled.hul")).substr(0, hull_bytes), before.substr(0, hull_bytes));
  EXPECT_NE(read_file(dir.file("t.tsv")).find("\r\n"), std::string::npos);
  EXPECT_EQ(filled.out.find("Spheres refined:"), std::string::npos);

  // The run's placement option reaches fill through the same sphere stage.
  const testing::ProgramRun refined =
      run("fill prisms.hul --spheres 7 --overshoot 10 --placement refined --output refined.hul");
  ASSERT_EQ(refined.status, 0) << refined.out;
  EXPECT_NE(refined.out.find("Spheres refined:"), std::string::npos) << refined.out;
  EXPECT_EQ(read_hul_file(dir.file("refined.hul")).data.spheres.size(), 7u);

  write_hul("empty.hul", CollisionData{});
  CollisionData all_open = generated_prisms(1);
  all_open.volumes[0].planes.resize(3);
  write_hul("open.hul", all_open);
  CollisionData slab = generated_prisms(1);  // too thin for a sample half a unit deep
  const float middle = (slab.volumes[0].box.min_z + slab.volumes[0].box.max_z) / 2.0f;
  slab.volumes[0].planes.push_back({0, 0, 1, -(middle + 0.4f)});
  slab.volumes[0].planes.push_back({0, 0, -1, middle - 0.4f});
  slab.volumes[0].box = {};
  write_hul("slab.hul", slab);
  const struct {
    const char* arguments;
    int status;
    const char* line;
  } refusals[] = {
      {"fill prisms.hul --output prisms.hul", 1, "prisms.hul is the input file; give --overwrite"},
      {"fill missing.hul --output out.hul", 2, "can't read missing.hul: there is no such file; nothing written"},
      {"fill empty.hul --output out.hul", 1, "can't fill empty.hul: it holds no hull; nothing written"},
      {"fill open.hul --output out.hul", 1, "can't fill open.hul: no hull could be filled; nothing written"},
      {"fill prisms.hul --grid 0 --output out.hul", 1, "no spheres for hull 1, hull 3 (the line above says why)"},
      {"fill slab.hul --output out.hul", 1, "can't fill slab.hul: no hull has room for a sphere; nothing written"},
  };
  for (const auto& row : refusals) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.status, row.status) << result.out;
    EXPECT_NE(result.out.find(row.line), std::string::npos) << result.out;
  }
  EXPECT_FALSE(exists("out.hul"));
  EXPECT_EQ(read_file(dir.file("prisms.hul")), before);
  // Its own input is refused before any filling is done or logged.
  EXPECT_EQ(run("fill prisms.hul --output ./prisms.hul").out.find("Creating spheres."), std::string::npos);
}

}  // namespace
}  // namespace ombrix
