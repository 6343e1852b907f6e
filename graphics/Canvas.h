#pragma once
// The surface a document window's drawing statements paint on. The workbench
// and the runner implement it (the runner's picture can be saved as a file).

namespace morvane {

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Erases everything drawn.
  virtual void clear() = 0;
};

}  // namespace morvane
