// A hull file as text a person can read and edit, one record a line: what `ombrix-cli text`
// prints and `ombrix-cli hul` reads back (hulfile/hul_text_reader.h).
#pragma once

#include <string>

#include "record/collision_data.h"

namespace ombrix {

// The text of `data`: for each hull a "hull" line, its "box" (min x, max x, min y, max y, min z,
// max z) and "offset" lines, then one "point", "edge" and "plane" line per record; then one
// "sphere" line per sphere (x, y, z, radius) and "trailing" lines with the bytes after the last
// sphere in hexadecimal, 32 a line; then the line "end", without which the text is refused as cut
// off. Finite values are the shortest decimals that read back to the same bits (negative zero is
// "-0"); other values are "0x" and their eight hexadecimal bit digits, so every bit pattern
// survives. Comments ("#" to the end of the line) give each hull's
// number and counts and each point's index, for the edges that refer to it.
std::string hul_text(const CollisionData& data);

}  // namespace ombrix
