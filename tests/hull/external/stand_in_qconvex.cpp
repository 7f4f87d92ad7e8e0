// A stand-in for the external hull program, built for the bridge's tests. It takes its part from
// files in its working directory, so a test that sets it up there also proves where it was started:
//   arguments.txt  written: the arguments it was given, one per line
//   input.txt      written: everything it read on standard input
//   skip_input     present: it exits at once without reading its input
//   output.txt     read: printed to standard output unchanged
//   repeat.txt     read: how many times output.txt is printed (once when it is missing)
//   error.txt      read: printed to standard error
//   sleep_ms.txt   read: milliseconds to sleep after printing, before exiting
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace {

bool read_whole_file(const char* name, std::string& text) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return false;
  text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

void write_whole_file(const char* name, const std::string& text) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

int main(int argc, char** argv) {
  std::string text;
  if (std::ifstream("skip_input")) return 3;

  std::string arguments;
  for (int i = 1; i < argc; ++i) arguments += std::string(argv[i]) + "\n";
  write_whole_file("arguments.txt", arguments);

  std::ostringstream input;
  input << std::cin.rdbuf();
  write_whole_file("input.txt", input.str());

  if (read_whole_file("error.txt", text)) std::cerr << text << std::flush;
  std::string repeat = "1";
  read_whole_file("repeat.txt", repeat);
  if (read_whole_file("output.txt", text)) {
    for (long long i = std::stoll(repeat); i > 0; --i) std::cout << text;
    std::cout << std::flush;
  }
  if (read_whole_file("sleep_ms.txt", text)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::stol(text)));
  }
  return 0;
}
