// morvane-run: runs a program of the workbench's language from a terminal or
// a script, with no window system. It drives the same interpreter as a
// document window does.

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/PictureCanvas.h"
#include "cli/RunnerHost.h"
#include "core/Messages.h"
#include "exec/ProgramFile.h"
#include "exec/RunControl.h"
#include "exec/Workspace.h"
#include "fast/EngineChoice.h"
#include "graphics/RecordingCanvas.h"
#include "manual/RunnerHelp.h"

namespace {

using namespace morvane;

enum class ExitStatus : int { Success = 0, Failure = 1, UsageOrFile = 2 };

int exitWith(ExitStatus status) { return static_cast<int>(status); }

// A run ends normally at the end of the program, at END or STOP, and at
// TERMINATE, which closes the window.
bool endedNormally(const std::string& message) {
  return message.empty() || message == msg::End || message == msg::Stop || message == msg::Deleted;
}

// What the runner's window draws on: a picture painted as in the workbench
// (when the picture module is there; it is loaded at the first drawing),
// with a recording canvas in front of it for --canvas-log. A log without a
// picture, and a runner without the module, use a recording canvas of
// fixed measures alone.
struct RunnerCanvas {
  std::unique_ptr<PictureCanvas> picture;
  std::unique_ptr<RecordingCanvas> recording;
  std::ofstream logFile;
  bool logToOutput = false;

  Canvas& canvas() { return recording ? static_cast<Canvas&>(*recording) : *picture; }

  // Sends the log into the runner's output while it exists.
  void attach(RunnerOutput& output) {
    if (logToOutput) recording->setSink([&output](std::string_view line) { output.writeLogLine(line); });
  }
  void detach() {
    if (logToOutput) recording->setSink([](std::string_view) {});
  }
};

struct CanvasOptions {
  std::string picturePath;  // --canvas
  std::string logPath;      // --canvas-log
  PixelSize size = RecordingCanvas::DefaultSize;
};

// "WxH" with whole numbers from 1 to the largest canvas side.
std::optional<PixelSize> parseCanvasSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  auto side = [](std::string_view digits) -> std::optional<int> {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || value < 1 || value > MaxCanvasSide) {
      return std::nullopt;
    }
    return value;
  };
  const std::optional<int> width = side(text.substr(0, x));
  const std::optional<int> height = side(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return PixelSize{*width, *height};
}

// Sets the canvas up; false (with the reason on standard error) when it
// cannot be.
bool makeCanvas(const CanvasOptions& options, const char* programName, RunnerCanvas& out) {
  const bool wantsPicture = !options.picturePath.empty();
  const bool wantsLog = !options.logPath.empty();
  if (wantsPicture && !CanMakePictures()) {
    std::cerr << "morvane-run: --canvas is not available: the picture module was built without Qt or is missing\n";
    return false;
  }
  if (CanMakePictures() && (wantsPicture || !wantsLog)) {
    out.picture = std::make_unique<PictureCanvas>(options.size, programName, wantsPicture);
  }
  if (wantsLog || !out.picture) {
    out.recording = out.picture ? std::make_unique<RecordingCanvas>(*out.picture)
                                : std::make_unique<RecordingCanvas>(options.size);
    if (!wantsLog) {
      out.recording->setSink([](std::string_view) {});
    } else if (options.logPath == "-") {
      out.logToOutput = true;
    } else {
      out.logFile.open(options.logPath, std::ios::out | std::ios::trunc);
      if (!out.logFile) {
        std::cerr << "morvane-run: cannot write " << options.logPath << "\n";
        return false;
      }
      std::ofstream* file = &out.logFile;
      out.recording->setSink([file](std::string_view line) { *file << line << '\n'; });
    }
  }
  return true;
}

// Runs the file as F5 (or F8 under --step) in a fresh window.
int runProgram(const std::string& path, const RunnerOptions& options, EngineChoice engine, RunnerCanvas& canvas) {
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

  RunnerOutput output(stdout);
  canvas.attach(output);
  RunnerHost host(options, output);
  Workspace workspace(host);
  const std::unique_ptr<StatementAccelerator> accelerator = MakeAccelerator(engine);
  workspace.setAccelerator(accelerator.get());
  if (options.fixedClock) workspace.fixClock();
  host.setWorkspace(workspace);
  RunnerDocument& window = host.openWindow(std::move(text), canvas.canvas());

  const std::string_view echo = options.singleStep ? msg::GoEcho : msg::RunEcho;
  window.skipOutput(echo.size() + 2);
  window.control().Text2_KeyDown(options.singleStep ? KeyCode::F8Go : KeyCode::F5Run);
  output.flush();
  canvas.detach();
  return exitWith(endedNormally(window.document().message) ? ExitStatus::Success : ExitStatus::Failure);
}

// Types each line of standard input into the protocol and presses Enter.
int runCommands(const RunnerOptions& options, EngineChoice engine, RunnerCanvas& canvas) {
  RunnerOutput output(stdout);
  canvas.attach(output);
  RunnerHost host(options, output);
  Workspace workspace(host);
  const std::unique_ptr<StatementAccelerator> accelerator = MakeAccelerator(engine);
  workspace.setAccelerator(accelerator.get());
  if (options.fixedClock) workspace.fixClock();
  host.setWorkspace(workspace);
  RunnerDocument& window = host.openWindow(std::string(), canvas.canvas());
  RunControl& control = window.control();

  bool anyError = false;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    for (char c : line) control.Text2_KeyPress(static_cast<unsigned char>(c));
    control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
    if (!endedNormally(control.document().message) || control.document().commandFailed) anyError = true;
    output.flush();
    if (control.document().free) break;  // TERMINATE closed the window
  }
  output.flush();
  canvas.detach();
  return exitWith(anyError ? ExitStatus::Failure : ExitStatus::Success);
}

}  // namespace

int main(int argc, char** argv) {
  RunnerOptions options;
  CanvasOptions canvasOptions;
  EngineChoice engine = EngineChoiceFromEnvironment();
  options.stdinIsTerminal = isatty(STDIN_FILENO) != 0;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << manual::Help;
      return exitWith(ExitStatus::Success);
    }
    if (arg == "--version") {
      std::cout << manual::Version;
      return exitWith(ExitStatus::Success);
    }
    // Hidden: which engine runs the program (the tests compare the two).
    if (arg.starts_with("--engine=")) {
      const std::optional<EngineChoice> choice = ParseEngineChoice(arg.substr(9));
      if (!choice) {
        std::cerr << "morvane-run: --engine= wants fast or literal, not " << arg.substr(9) << "\n";
        return exitWith(ExitStatus::UsageOrFile);
      }
      engine = *choice;
    } else if (arg == "--fixed-clock") {
      // Hidden: TIMER, TIME and DATE always read the same moment.
      options.fixedClock = true;
    } else if (arg == "--step") {
      options.singleStep = true;
    } else if (arg == "--canvas" || arg == "--canvas-size" || arg == "--canvas-log") {
      if (i + 1 >= argc) {
        std::cerr << "morvane-run: " << arg << " needs a value\n" << manual::Help;
        return exitWith(ExitStatus::UsageOrFile);
      }
      const std::string_view value = argv[++i];
      if (arg == "--canvas") {
        canvasOptions.picturePath = value;
      } else if (arg == "--canvas-log") {
        canvasOptions.logPath = value;
      } else if (const std::optional<PixelSize> size = parseCanvasSize(value)) {
        canvasOptions.size = *size;
      } else {
        std::cerr << "morvane-run: --canvas-size wants WxH in pixels, each from 1 to " << MaxCanvasSide
                  << ", not " << value << "\n";
        return exitWith(ExitStatus::UsageOrFile);
      }
    } else if (arg.starts_with("-") && arg != "-") {
      std::cerr << "morvane-run: unknown option " << arg << "\n" << manual::Help;
      return exitWith(ExitStatus::UsageOrFile);
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.size() > 1) {
    std::cerr << "morvane-run: one program at a time\n" << manual::Help;
    return exitWith(ExitStatus::UsageOrFile);
  }
  RunnerCanvas canvas;
  if (!makeCanvas(canvasOptions, argv[0], canvas)) return exitWith(ExitStatus::UsageOrFile);
  InstallInterruptHandler();
  const int status = files.empty() ? runCommands(options, engine, canvas)
                                  : runProgram(files.front(), options, engine, canvas);
  if (!canvasOptions.picturePath.empty()) {
    Picture* picture = canvas.picture->picture();
    if (picture == nullptr || !picture->save(canvasOptions.picturePath)) {
      std::cerr << "morvane-run: cannot write " << canvasOptions.picturePath << "\n";
      return exitWith(ExitStatus::UsageOrFile);
    }
  }
  return status;
}
