#include <cstdint>

#include "hull/budget/plane_budget.h"
#include "shared/number_text.h"
#include "shared/text.h"

namespace ombrix {

namespace {

constexpr size_t kMostDigits = 5;  // 32767: longer texts are too large before any overflow

}  // namespace

std::optional<size_t> read_plane_budget(std::string_view text) {
  text = trim_spaces(text);
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.empty()) return 0;
  if (text.size() > kMostDigits) return std::nullopt;
  size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<size_t>(c - '0');
  }
  if (value == 0) return 0;
  if (value < kFewestBudgetPlanes || value > kMostBudgetPlanes) return std::nullopt;
  return value;
}

std::string plane_budget_refusal(std::string_view text) {
  return "Aborting. Max planes must be empty, 0 or a whole number from " +
         format_whole(static_cast<std::int64_t>(kFewestBudgetPlanes)) + " to " +
         format_whole(static_cast<std::int64_t>(kMostBudgetPlanes)) + ", not '" + std::string(text) + "'.";
}

}  // namespace ombrix
