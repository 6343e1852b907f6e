#pragma once
// The DRAW section of the executor: DRAW settings, DRAW shapes and
// DRAWCOORDINATES, drawn on the window's canvas with its canvas settings and
// the shared pens and user coordinates (graphics/DrawStatement).

#include "exec/StatementContext.h"

namespace morvane {

Completion ExecuteDrawing(StatementContext& ctx);

}  // namespace morvane
