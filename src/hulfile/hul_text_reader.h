// Reader of the hull file text that `ombrix-cli text` prints (hulfile/hul_text.h), edited or not.
#pragma once

#include <string>
#include <string_view>

#include "record/collision_data.h"

namespace ombrix {

struct HulTextReading {
  CollisionData data;  // whole when `fault` is empty
  std::string fault;   // the first mistake: "line 7: 'plane' takes 4 numbers, found 3"
};

// Reads a hull file text: blank lines and comments ("#" to the end of the line) are skipped,
// words are separated by spaces or TABs, lines may end in CR LF. Each "hull" line is followed by
// its "box" and "offset" lines, then any number of "point", "edge" and "plane" lines in any
// order (each list keeps its own order); "sphere" lines follow the hulls, then "trailing" lines,
// and an "end" line closes the text: only blank lines and comments may follow it, and a text
// without it is refused as cut off, since a text cut after any line would otherwise read as a
// smaller hull file. Values are decimals (correctly rounded to single precision; "inf", "nan" read too) or
// "0x" with eight hexadecimal digits giving the exact bits; edge indices are whole numbers that
// fit 16 bits. The counts of the file come from the number of lines, at most 32767 of each.
//
// Stops at the first mistake: `fault` gives its line number and what was expected there.
// For any reading without a fault, hul_text of the data reads back to the same data.
HulTextReading read_hul_text(std::string_view text);

}  // namespace ombrix
