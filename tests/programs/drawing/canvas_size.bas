' The visible canvas of --canvas-size grows where a point lies beyond 90 % of it.
DRAW SCALE PIXEL
DRAW PSET (95, 10)
DRAW PSET (10, 46)
