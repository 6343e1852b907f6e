// morvane-run: runs a program of the workbench's language from a terminal or
// a script, with no window system. It drives the same interpreter as a
// document window does.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunnerHost.h"
#include "core/Messages.h"
#include "exec/ProgramFile.h"
#include "exec/RunControl.h"
#include "exec/Workspace.h"

namespace {

using namespace morvane;

constexpr std::string_view Usage = R"(Usage: morvane-run [--step] [FILE.bas]

Runs FILE.bas as pressing F5 in a fresh document window of the workbench
does, and writes what the program prints to standard output (each line end
as a line feed). A run-time error prints " -> Error in Line N: TEXT" and the
statement; a structure fault prints the checker's message.

  --step      run as Go (F8) with every step confirmed at once, so each
              line's echo and the traces appear
  --help      show this text

INPUT and LINEINPUT read their answers from standard input, one line each;
the end of input, or Ctrl-C during a run, ends the run with
"Execution interrupted!". A PAUSE in the program is confirmed at once.

Without FILE, each line of standard input is typed into an idle protocol and
ended with Enter; the output shows the protocol as it grows.

Exit status: 0 when the run ends normally (end of program, End or Stop);
1 after a structure error, a run-time error or an interruption (without
FILE: 1 when any command answered with an error); 2 for a usage error or a
file that cannot be read.
)";

enum class ExitStatus : int { Success = 0, Failure = 1, UsageOrFile = 2 };

int exitWith(ExitStatus status) { return static_cast<int>(status); }

bool endedNormally(const std::string& message) {
  return message.empty() || message == msg::End || message == msg::Stop;
}

// Runs the file as F5 (or F8 under --step) in a fresh window.
int runProgram(const std::string& path, const RunnerOptions& options) {
  std::string text;
  switch (LoadProgramFile(path, text)) {
    case ProgramFileStatus::Loaded:
      break;
    case ProgramFileStatus::TooBig:
      std::cerr << "morvane-run: File " << path << " is too big!\n";
      return exitWith(ExitStatus::UsageOrFile);
    case ProgramFileStatus::CannotRead:
      std::cerr << "morvane-run: cannot read " << path << "\n";
      return exitWith(ExitStatus::UsageOrFile);
  }

  RunnerHost host(options, stdout);
  Workspace workspace(host);
  RunControl control(workspace, workspace.openDocument(host));
  host.attach(control);
  host.setProgram(std::move(text));

  const std::string_view echo = options.singleStep ? msg::GoEcho : msg::RunEcho;
  host.skipOutput(echo.size() + 2);
  control.Text2_KeyDown(options.singleStep ? KeyCode::F8Go : KeyCode::F5Run);
  host.flush();
  return exitWith(endedNormally(control.document().message) ? ExitStatus::Success : ExitStatus::Failure);
}

// Types each line of standard input into the protocol and presses Enter.
int runCommands(const RunnerOptions& options) {
  RunnerHost host(options, stdout);
  Workspace workspace(host);
  RunControl control(workspace, workspace.openDocument(host));
  host.attach(control);

  bool anyError = false;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    for (char c : line) control.Text2_KeyPress(static_cast<unsigned char>(c));
    control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
    if (!endedNormally(control.document().message)) anyError = true;
    host.flush();
  }
  host.flush();
  return exitWith(anyError ? ExitStatus::Failure : ExitStatus::Success);
}

}  // namespace

int main(int argc, char** argv) {
  RunnerOptions options;
  options.stdinIsTerminal = isatty(STDIN_FILENO) != 0;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << Usage;
      return exitWith(ExitStatus::Success);
    }
    if (arg == "--step") {
      options.singleStep = true;
    } else if (arg == "--canvas" || arg == "--canvas-size") {
      std::cerr << "morvane-run: " << arg << " is not available in this version\n";
      return exitWith(ExitStatus::UsageOrFile);
    } else if (arg.starts_with("-") && arg != "-") {
      std::cerr << "morvane-run: unknown option " << arg << "\n" << Usage;
      return exitWith(ExitStatus::UsageOrFile);
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.size() > 1) {
    std::cerr << "morvane-run: one program at a time\n" << Usage;
    return exitWith(ExitStatus::UsageOrFile);
  }
  InstallInterruptHandler();
  if (files.empty()) return runCommands(options);
  return runProgram(files.front(), options);
}
