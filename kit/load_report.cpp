#include "kit/load_report.hpp"

#include <cstdio>
#include <string>

#include "platform/resources.hpp"

namespace vorpel::detail {

void ReportLoadFailure(std::string_view what, std::string_view source,
                       std::string_view unreadable) {
  std::string why = SourceProblem(source);
  if (why.empty()) why = unreadable;
  std::fprintf(stderr, "vorpel kit: could not load the %.*s \"%.*s\": %s\n", int(what.size()),
               what.data(), int(source.size()), source.data(), why.c_str());
}

}  // namespace vorpel::detail
