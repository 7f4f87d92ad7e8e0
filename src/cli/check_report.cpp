#include "cli/check_report.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "cli/json_text.h"
#include "shared/joined.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

std::string counted(size_t count, const char* noun) {
  return joined({std::to_string(count), " ", noun, count == 1 ? "" : "s"});
}

std::string figures_text(const HullFigures& figures) {
  if (!figures.planes) return "";
  std::string text = joined({counted(*figures.planes, "plane"), ", ", counted(*figures.spheres, "sphere")});
  if (figures.volume) text += joined({", volume ", format_fixed(*figures.volume, 1)});
  if (figures.outside) text += joined({", body ", format_fixed(*figures.outside, 1), "% out"});
  if (figures.coverage) text += joined({", spheres fill ", format_fixed(*figures.coverage, 1), "% of the hull"});
  return text;
}

std::string json_count(const std::optional<size_t>& value) { return value ? std::to_string(*value) : "null"; }

std::string json_real(const std::optional<double>& value) {
  if (!value || !std::isfinite(*value)) return "null";
  if (std::abs(*value) <= std::numeric_limits<float>::max()) return json_number(static_cast<float>(*value));
  // The volume of an enormous hull, beyond single precision: still a number, never "inf".
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, *value).ptr);
}

std::string json_text_or_null(const std::optional<std::string>& text) { return text ? json_string(*text) : "null"; }

std::string figures_json(const HullFigures& figures) {
  return joined({"\"planes\": ", json_count(figures.planes), ", \"spheres\": ", json_count(figures.spheres),
                 ", \"volume\": ", json_real(figures.volume), ", \"outside\": ", json_real(figures.outside),
                 ", \"coverage\": ", json_real(figures.coverage)});
}

std::string fresh_json(const FreshHull& fresh) {
  if (!fresh.fault.empty())
    return joined(
        {", \"rebuilt\": {\"hull\": ", json_string(fresh.file), ", \"fault\": ", json_string(fresh.fault), "}"});
  return joined({", \"rebuilt\": {\"hull\": ", json_string(fresh.file), ", ", figures_json(fresh.figures),
                 ", \"errors\": ", std::to_string(fresh.figures.count.errors),
                 ", \"warnings\": ", std::to_string(fresh.figures.count.warnings), "}"});
}

std::string car_json(const CarCheck& car) {
  std::string findings;
  for (const CarFinding& finding : car.findings) {
    findings += joined({findings.empty() ? "\n" : ",\n", "      {\"kind\": ", json_string(finding.kind),
                        ", \"severity\": ", json_string(severity_word(finding.severity)),
                        ", \"message\": ", json_string(finding.message), "}"});
  }
  return joined({"{\"folder\": ",
                 json_string(car.folder),
                 ", \"kind\": ",
                 json_string(car.is_car ? "car" : "not a car"),
                 ", \"name\": ",
                 json_text_or_null(car.name),
                 ", \"body\": ",
                 json_text_or_null(car.body),
                 ", \"hull\": ",
                 json_text_or_null(car.hull),
                 ", ",
                 figures_json(car.figures),
                 ", \"errors\": ",
                 std::to_string(car.count.errors),
                 ", \"warnings\": ",
                 std::to_string(car.count.warnings),
                 ", \"findings\": [",
                 findings,
                 findings.empty() ? "]" : "\n    ]",
                 car.fresh ? fresh_json(*car.fresh) : "",
                 "}"});
}

// `line` with its control characters (from folder names and parameters.txt) shown as `?`: one line
// a car, and nothing a terminal would obey.
std::string printable(std::string line) {
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return line;
}

std::string raw_line(const CarCheck& car) {
  const std::string who = car.name ? joined({car.folder, " (", *car.name, ")"}) : car.folder;
  if (!car.is_car) return joined({who, ": not a car"});
  std::string line =
      joined({who, ": ", counted(car.count.errors, "error"), ", ", counted(car.count.warnings, "warning")});
  if (car.figures.planes) line += joined({"; ", figures_text(car.figures)});
  if (car.fresh) {
    line +=
        car.fresh->fault.empty()
            ? joined({"; fresh: ", counted(car.fresh->figures.count.errors, "error"), ", ",
                      counted(car.fresh->figures.count.warnings, "warning"), ", ", figures_text(car.fresh->figures)})
            : joined({"; fresh: ", car.fresh->fault});
  }
  for (const CarFinding& finding : car.findings) {
    if (finding.severity != Severity::kError) continue;
    return joined({line, "; first error: ", finding.kind, ": ", finding.message});
  }
  return line;
}

}  // namespace

std::string check_line(const CarCheck& car) { return printable(raw_line(car)); }

std::string check_total(const PackTally& tally) {
  return joined({counted(tally.folders, "folder"), ": ", counted(tally.cars, "car"), ", ",
                 std::to_string(tally.with_errors), " with errors, ", std::to_string(tally.with_warnings),
                 " with warnings only, ", std::to_string(tally.not_cars),
                 tally.not_cars == 1 ? " not a car" : " not cars"});
}

std::string check_json(const std::string& path, const std::vector<CarCheck>& cars) {
  std::string list;
  for (const CarCheck& car : cars) list += joined({list.empty() ? "\n    " : ",\n    ", car_json(car)});
  const PackTally tally = tally_cars(cars);
  return joined({"{\n  \"path\": ", json_string(path), ",\n  \"folders\": ", std::to_string(tally.folders),
                 ",\n  \"with_errors\": ", std::to_string(tally.with_errors), ",\n  \"with_warnings\": ",
                 std::to_string(tally.with_warnings), ",\n  \"not_cars\": ", std::to_string(tally.not_cars),
                 ",\n  \"cars\": [", list, list.empty() ? "]" : "\n  ]", "\n}\n"});
}

}  // namespace ombrix
