#pragma once

// Batch mode: "kestova --switch ..." does its work without opening a window
// and exits 0 on success, 1 when a file cannot be read or written (the
// program's message on standard error), 2 for a usage error.
namespace BatchMode {
// True when the command line asks for a batch command.
bool IsBatchInvocation(int argc, char** argv);
// Runs it; creates its own (offscreen) application object.
int Run(int argc, char** argv);
}  // namespace BatchMode
