#include "utils/report_error.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <ftxui/component/screen_interactive.hpp>

namespace {

[[noreturn]] void printReportAndExit(SourceLocation where, int error) {
  (void)std::fprintf(stderr, "Error at line %d, file %s (%d) [%s]\n", where.line, where.file, error,
                     std::strerror(error));
  (void)std::fflush(stderr);
  std::exit(1);
}

}  // namespace

void reportErrorAndExit(SourceLocation where) {
  const int error = errno;
  if (auto* screen = ftxui::ScreenInteractive::Active()) {
    screen->WithRestoredIO([=] { printReportAndExit(where, error); })();
  }
  printReportAndExit(where, error);
}
