// The two number texts the external hull program handles, read and written the way the program
// does, so that a hull computed in the tool meets the same numbers the program would.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// The point coordinates the program takes from `input`, a text in the form the bridge writes
// ("3", the point count, then the coordinates): every number after the first two, in order,
// each as the C library's strtod reads it in the "C" locale (correctly rounded to double;
// "+Infinity", "-Infinity" and "NaN" read as such). Numbers are separated by white space.
std::vector<double> read_input_coordinates(std::string_view input);

// `value` as the program prints each number of a facet line: printf's "%6.16g " in the "C"
// locale, that is 16 significant digits, trailing zeros dropped, padded on the left to six
// characters and followed by one space.
std::string output_number_text(double value);

}  // namespace ombrix
