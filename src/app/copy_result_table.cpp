#include "app/copy_result_table.h"

#include "spheres/result_table.h"

namespace ombrix {

void copy_result_table(const ResultList& results, Desktop& desktop, Log& log) {
  if (results.empty()) return;
  if (desktop.set_clipboard_text(result_table_text(results)))
    log.log_message("Result copied in clipboard.", Stamp::kStamped);
}

}  // namespace ombrix
