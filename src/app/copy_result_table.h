// The result table of the last run put on the clipboard, for pasting into a spreadsheet.
#pragma once

#include "app/desktop.h"
#include "shared/log.h"
#include "spheres/sphere_result.h"

namespace ombrix {

// Replaces the clipboard's contents with the table of `results` and logs "Result copied in
// clipboard." (stamped) once the clipboard holds it. An empty list copies nothing and logs
// nothing; a clipboard that does not take the text is not reported, and the next request
// copies the table again.
void copy_result_table(const ResultList& results, Desktop& desktop, Log& log);

}  // namespace ombrix
