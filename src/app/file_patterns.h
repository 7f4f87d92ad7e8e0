// The file types the requesters offer, as "description|patterns|description|patterns...".
#pragma once

namespace ombrix {

inline constexpr const char* kModelPatterns =
    "Model (*.prm, *.m)|*.prm;*.m|PRM (*.prm)|*.prm|M (*.m)|*.m|All files (*.*)|*.*";
inline constexpr const char* kHullPatterns = "Hul (*.hul)|*.hul|All files (*.*)|*.*";

}  // namespace ombrix
