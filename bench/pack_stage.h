// The benchmark's pack stage: a made-up car pack of the given bodies, laid out as a game folder,
// checked by ombrix-cli as a user runs it, without and with the report.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ombrix::bench {

// As many car folders as the community pack has.
inline constexpr int kPackCars = 163;

struct PackTiming {
  int cars = 0;
  int bodies = 0;               // distinct bodies the cars take turns with
  double check_seconds = 0.0;   // `ombrix-cli check` on the clock
  double report_seconds = 0.0;  // the same with --report
  double report_bytes = 0.0;    // the report folder's size
};

// Lays out kPackCars car folders under a temporary game folder, car i with the i-th of `bodies`
// (every body.prm among the models, in turn), a hull file of 40 planes made from it once by
// `cli`, and a parameters.txt naming both with backslashes in other letter cases; then times
// `cli check` on the game folder with every core, without and with --report. Nothing when no
// body is given or a step fails; `fault` then says which.
std::optional<PackTiming> time_pack(const std::vector<std::string>& models, const std::filesystem::path& cli,
                                    std::string& fault);

}  // namespace ombrix::bench
