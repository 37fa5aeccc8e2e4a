#pragma once

// Where a failing system call stands in the source, as the compiler records it.
struct SourceLocation {
  const char* file;
  int line;
};

#define MEMQUILL_HERE (SourceLocation{__FILE__, __LINE__})

// The fatal report for a failed call on the memory device: one line naming the call's source
// line and file, errno and its text, on the standard error stream; then exit status 1. A
// running full-screen loop has the terminal restored first, so the line is seen and the
// shell stays usable.
[[noreturn]] void reportErrorAndExit(SourceLocation where);
