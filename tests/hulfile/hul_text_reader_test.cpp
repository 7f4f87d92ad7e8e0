// The editable text of a hull file: mistakes refused with their line and what was expected.
#include "hulfile/hul_text_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "hulfile/hul_file.h"
#include "hulfile/hul_text.h"
#include "support/generated_hulls.h"

namespace ombrix {
namespace {

constexpr const char* kHead = "hull\nbox -1 1 -1 1 -1 1\noffset 0 0 0\n";

TEST(HulTextMistakes, AreRefusedWithTheirLineAndWhatWasExpected) {
  const struct {
    const char* name;
    std::string text;
    const char* fault;
  } rows[] = {
      {"unknown word", "hull\nbx 1 2 3 4 5 6\n", "line 2: expected 'box' with six numbers after 'hull', found 'bx'"},
      {"not a record", std::string(kHead) + "\n# a comment\npoint 1 2 3\nvertex 1 2 3\n",
       "line 7: 'vertex' is not a record: expected hull, box, offset, point, edge, plane, sphere, "
       "trailing or end"},
      {"a value missing", std::string(kHead) + "plane 0 0 1\n", "line 4: 'plane' takes 4 numbers, found 3"},
      {"not a number", std::string(kHead) + "point 1 2 3x\n", "line 4: '3x' is not a number"},
      {"too large for a float", std::string(kHead) + "point 1e39 2 3\n",
       "line 4: '1e39' is beyond what a 32-bit float holds"},
      {"too small for a float", std::string(kHead) + "point -1e-46 2 3\n",
       "line 4: '-1e-46' is too small for a 32-bit float: it would read as 0"},
      {"too small even for a double", std::string(kHead) + "point 1e-400 2 3\n",
       "line 4: '1e-400' is too small for a 32-bit float: it would read as 0"},
      {"a record after the end", std::string(kHead) + "end\n# fine\nplane 0 0 1 -1\n",
       "line 6: 'plane' after 'end': the text ends there"},
      {"a short bit pattern", std::string(kHead) + "point 0x7fc0000 2 3\n",
       "line 4: '0x7fc0000' is not a bit pattern: 0x and eight hexadecimal digits"},
      {"an edge index out of range", std::string(kHead) + "edge 0 32768\n",
       "line 4: '32768' is not a whole number from -32768 to 32767"},
      {"a plane before any hull", "plane 0 0 1 -1\n", "line 1: 'plane' before any 'hull'"},
      {"offset before box", "hull\r\noffset 0 0 0\r\n",
       "line 2: expected 'box' with six numbers after 'hull', found 'offset'"},
      {"a hull after the spheres", "sphere 0 0 0 1\nhull\n",
       "line 2: 'hull' after the spheres: every hull comes before them"},
      {"a sphere after the trailing bytes", "trailing 00\nsphere 0 0 0 1\n",
       "line 2: 'sphere' after 'trailing': the trailing bytes come last"},
      {"the text ends before the offset", "hull\nbox 1 2 3 4 5 6\n\n",
       "line 4 (the end of the text): expected 'offset' with three numbers for hull 1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(read_hul_text(row.text).fault, row.fault);
  }
}

TEST(HulTextValues, DecimalsRoundOnceAndBitPatternsAndWordsGiveExactValues) {
  const HulTextReading reading = read_hul_text(
      "hull  # comment after a record\n"
      "box\t-0 +2.5 0.1 1e-45 inf -inf\n"
      "offset 0x7FC01234 0xff800000 nan\n"
      "edge -32768 7\n"
      "point 16777217 3.4028235e38 -1.17549435e-38\n"
      "end\n");
  ASSERT_EQ(reading.fault, "");
  const Volume& volume = reading.data.volumes.at(0);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(volume.box.min_x), 0x80000000u);
  EXPECT_EQ(volume.box.max_x, 2.5f);
  EXPECT_EQ(volume.box.min_y, 0.1f);
  EXPECT_EQ(volume.box.max_y, std::numeric_limits<float>::denorm_min());
  EXPECT_EQ(std::bit_cast<std::uint32_t>(volume.offset.x), 0x7fc01234u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(volume.offset.y), 0xff800000u);
  EXPECT_EQ(volume.edges.at(0).from, -32768);
  EXPECT_EQ(volume.points.at(0).x, 16777216.0f);  // ties to even
  EXPECT_EQ(volume.points.at(0).y, std::numeric_limits<float>::max());
}

// A text cut after any line, a whole one included, would read as a smaller hull file: only the
// closing line says the text is whole.
TEST(HulTextEnd, ATextCutAfterAnyLineIsRefusedAsCutOff) {
  const std::string text = hul_text(testing::generated_prisms(2));
  ASSERT_TRUE(text.ends_with("\nend\n"));
  ASSERT_EQ(read_hul_text(text).fault, "");
  size_t lines = 0;
  for (size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1)) {
    ++lines;
    EXPECT_NE(read_hul_text(text.substr(0, end + 1)).fault, "") << "cut after line " << lines;
  }
  EXPECT_EQ(read_hul_text(std::string(kHead) + "sphere 0 0 0 1\n").fault,
            "line 5 (the end of the text): expected 'end': the text is cut off (a whole text from before 'end' "
            "lines were written needs one added as its last line)");
}

TEST(HulTextLimits, MoreRecordsThanTheFileCanCountAreRefused) {
  std::string text = kHead;
  for (int i = 0; i <= 32767; ++i) text += "plane 0 0 1 -1\n";
  EXPECT_EQ(read_hul_text(text).fault, "line 32771: hull 1 has more than 32767 planes");
}

}  // namespace
}  // namespace ombrix
