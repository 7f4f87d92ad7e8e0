#include "app/settings_file.h"

namespace ombrix {

FieldSettings load_settings_file(const std::string&) { return {}; }

}  // namespace ombrix
