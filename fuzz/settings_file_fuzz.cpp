// The settings file on any bytes, and any field texts saved into it: what is saved reloads to
// exactly the same fields, and saving what was loaded changes nothing more.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/settings_file.h"

using namespace ombrix;

namespace {

bool same_fields(const FieldSettings& a, const FieldSettings& b) {
  return a.files == b.files && a.file_save == b.file_save && a.grid_resolution_val == b.grid_resolution_val &&
         a.sample_sphere_resolution_val == b.sample_sphere_resolution_val && a.target_sphere_n == b.target_sphere_n &&
         a.sphere_overshot_val == b.sphere_overshot_val && a.update_clipboard == b.update_clipboard;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  FieldSettings fields;
  for (std::string* text : {&fields.files, &fields.file_save, &fields.grid_resolution_val,
                            &fields.sample_sphere_resolution_val, &fields.target_sphere_n,
                            &fields.sphere_overshot_val}) {
    *text = provider.ConsumeRandomLengthString(24);
  }
  fields.update_clipboard = provider.ConsumeBool();
  const std::string file = provider.ConsumeRemainingBytesAsString();

  const FieldSettings loaded = settings_of_text(file);
  const std::string resaved = text_with_settings(file, loaded);
  if (!same_fields(settings_of_text(resaved), loaded)) fuzz::report_finding("saving unchanged fields changed them");
  if (text_with_settings(resaved, loaded) != resaved) fuzz::report_finding("a second save changed the file");

  const std::string saved = text_with_settings(file, fields);
  if (!same_fields(settings_of_text(saved), fields)) fuzz::report_finding("saved fields reload differently");
  return 0;
}
