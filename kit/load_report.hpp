#pragma once
// The kit's loads report failure by their results; this also says so on standard error, once
// per failed load, so that a missing picture is not a silent blank screen.
#include <string_view>

namespace vorpel::detail {

// One line: what failed to load ("picture", "pack", "font definition"), its source and why.
// unreadable is the reason used when the source itself could be read.
void ReportLoadFailure(std::string_view what, std::string_view source,
                       std::string_view unreadable);

}  // namespace vorpel::detail
