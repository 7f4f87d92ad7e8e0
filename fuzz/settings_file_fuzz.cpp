// The settings file on any bytes, and any field texts saved into it: what is saved reloads to
// exactly the same fields, and saving what was loaded changes nothing more.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/settings_file.h"

using namespace ombrix;

namespace {

// An empty hull procedure is not saved: the file keeps whatever it had.
bool same_fields(const FieldSettings& loaded, const FieldSettings& saved) {
  return loaded.files == saved.files && loaded.file_save == saved.file_save &&
         loaded.grid_resolution_val == saved.grid_resolution_val &&
         loaded.sample_sphere_resolution_val == saved.sample_sphere_resolution_val &&
         loaded.target_sphere_n == saved.target_sphere_n && loaded.sphere_overshot_val == saved.sphere_overshot_val &&
         loaded.update_clipboard == saved.update_clipboard &&
         (saved.hull_procedure.empty() || loaded.hull_procedure == saved.hull_procedure);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  FieldSettings fields;
  for (std::string* text :
       {&fields.files, &fields.file_save, &fields.grid_resolution_val, &fields.sample_sphere_resolution_val,
        &fields.target_sphere_n, &fields.sphere_overshot_val, &fields.hull_procedure}) {
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
