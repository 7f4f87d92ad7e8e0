#include "pack/report_page.h"

#include <algorithm>
#include <numeric>

#include "pack/car_pictures.h"
#include "pack/pack_tally.h"
#include "shared/joined.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr const char* kStyle = R"(
body { font: 14px/1.4 sans-serif; margin: 24px; color: #222; background: #fafafa; }
h1 { font-size: 20px; margin: 0 0 4px; }
.summary span { display: inline-block; margin: 8px 16px 16px 0; padding: 6px 12px; border-radius: 4px; background: #eee; }
.summary .errors { background: #f8d7da; } .summary .warnings { background: #fff3cd; }
table { border-collapse: collapse; width: 100%; background: #fff; }
th, td { border-bottom: 1px solid #ddd; padding: 6px 8px; text-align: left; vertical-align: top; }
th { background: #f0f0f0; position: sticky; top: 0; }
tr.error td:first-child { border-left: 4px solid #c0392b; }
tr.warning td:first-child { border-left: 4px solid #e0a800; }
tr.clean td:first-child { border-left: 4px solid #2e8b57; }
tr.none { color: #888; }
.pair { display: flex; gap: 12px; } .pair > div { min-width: 9em; max-width: 13em; }
figure { margin: 0; } figcaption { font-size: 12px; color: #666; }
td.pictures img { display: block; border: 1px solid #ccc; }
td.figures { font-variant-numeric: tabular-nums; } td.findings { min-width: 16em; }
.folder { color: #666; font-size: 12px; }
ul { margin: 0; padding-left: 18px; } li.error { color: #c0392b; } li.warning { color: #8a6d00; }
.kind { font-family: monospace; }
.view { display: none; position: fixed; inset: 0; background: rgba(0,0,0,.8); align-items: center; justify-content: center; }
.view:target { display: flex; } .view img { max-width: 95vw; max-height: 95vh; background: #fff; }
)";

std::string figure(const std::optional<double>& value, const char* unit) {
  return value ? joined({format_fixed(*value, 1), unit}) : "–";
}

std::string count(const std::optional<size_t>& value) { return value ? std::to_string(*value) : "–"; }

std::string figures_cell(const HullFigures& figures, const char* title) {
  if (!figures.planes) return joined({"<b>", title, "</b><br>nothing to measure"});
  return joined({"<b>", title, "</b><br>planes ", count(figures.planes), ", spheres ", count(figures.spheres),
                 "<br>volume ", figure(figures.volume, ""), "<br>body out ", figure(figures.outside, "%"),
                 "<br>spheres fill ", figure(figures.coverage, "%"), "<br>", std::to_string(figures.count.errors),
                 " errors, ", std::to_string(figures.count.warnings), " warnings"});
}

std::string picture_link(size_t car, bool fresh, const std::string& alt) {
  const std::string id = joined({"v", std::to_string(car + 1), fresh ? "f" : ""});
  return joined({"<figure><a href=\"#", id, "\"><img src=\"", thumbnail_name(car, fresh), "\" width=\"",
                 std::to_string(kThumbnailWidth), "\" height=\"", std::to_string(kThumbnailHeight), "\" alt=\"",
                 html_escaped(alt), "\"></a><figcaption>", fresh ? "fresh" : "shipped",
                 "</figcaption><div class=\"view\" id=\"", id, "\"><a href=\"#\"><img loading=\"lazy\" src=\"",
                 views_name(car, fresh), "\" alt=\"", html_escaped(alt), "\"></a></div></figure>"});
}

const char* row_class(const CarCheck& car) {
  if (!car.is_car) return "none";
  if (car.count.errors > 0) return "error";
  return car.count.warnings > 0 ? "warning" : "clean";
}

int rank(const CarCheck& car) {
  if (!car.is_car) return 3;
  if (car.count.errors > 0) return 0;
  return car.count.warnings > 0 ? 1 : 2;
}

std::string car_row(const CarCheck& car, size_t index, bool pictured) {
  std::string pictures;
  if (pictured && car.is_car) {
    pictures = picture_link(index, false, "shipped hull of " + car.folder);
    if (car.fresh && car.fresh->fault.empty()) pictures += picture_link(index, true, "fresh hull of " + car.folder);
  }
  std::string figures;
  if (car.is_car) {
    // Each set in a block of its own: the pair lays out blocks, not the words of one set.
    figures = joined({"<div>", figures_cell(car.figures, "shipped"), "</div>"});
    if (car.fresh) {
      figures += joined({"<div>",
                         car.fresh->fault.empty() ? figures_cell(car.fresh->figures, "fresh")
                                                  : joined({"<b>fresh</b><br>", html_escaped(car.fresh->fault)}),
                         "</div>"});
    }
  }
  std::string findings;
  for (const CarFinding& finding : car.findings) {
    findings += joined({"<li class=\"", severity_word(finding.severity), "\">", severity_word(finding.severity),
                        " <span class=\"kind\">", html_escaped(finding.kind),
                        "</span>: ", html_escaped(finding.message), "</li>"});
  }
  const std::string files = joined(
      {car.body ? html_escaped(*car.body) : "no body", "<br>", car.hull ? html_escaped(*car.hull) : "no hull file"});
  return joined(
      {"<tr class=\"", row_class(car), "\"><td class=\"pictures\"><div class=\"pair\">", pictures, "</div></td><td>",
       html_escaped(car.name.value_or(car.is_car ? "(no name)" : "not a car")), "<div class=\"folder\">",
       html_escaped(car.folder), "</div><div class=\"folder\">", car.is_car ? files : "",
       "</div></td><td class=\"figures\"><div class=\"pair\">", figures, "</div></td><td class=\"findings\">",
       findings.empty() ? (car.is_car ? "no findings" : "") : joined({"<ul>", findings, "</ul>"}), "</td></tr>\n"});
}

}  // namespace

std::string html_escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string report_page(const std::string& path, const std::vector<CarCheck>& cars, const std::vector<bool>& pictured) {
  std::vector<size_t> order(cars.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return rank(cars[a]) < rank(cars[b]); });
  const PackTally tally = tally_cars(cars);
  std::string page =
      joined({"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>ombrix check: ",
              html_escaped(path), "</title>\n<style>", kStyle, "</style>\n</head>\n<body>\n<h1>ombrix check of ",
              html_escaped(path), "</h1>\n<div class=\"summary\"><span>", std::to_string(tally.cars),
              " cars</span><span class=\"errors\">", std::to_string(tally.with_errors),
              " with errors</span><span class=\"warnings\">", std::to_string(tally.with_warnings),
              " with warnings only</span><span>", std::to_string(tally.not_cars),
              tally.not_cars == 1 ? " not a car" : " not cars",
              "</span></div>\n<table>\n<tr><th>Pictures</th><th>Car</th><th>Figures</th><th>Findings</th></tr>\n"});
  for (const size_t i : order) page += car_row(cars[i], i, i < pictured.size() && pictured[i]);
  return page + "</table>\n</body>\n</html>\n";
}

}  // namespace ombrix
