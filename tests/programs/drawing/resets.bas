' What CLS and RESET set back: CLS clears the canvas and the pens only,
' RESET also every canvas setting and the user coordinates.
DRAW SCALE PIXEL
DRAWCOORDINATES (100, 100), 2, -2
DRAW COLOR RED
DRAW WIDTH 3
DRAW LINE1 (0, 0) TO (10, 10)
CLS
PRINT "after CLS"
DRAW LINE1 (20, 20)
DRAW LINE1 (30, 20)
RESET
PRINT "after RESET"
DRAW LINE1 (20, 20)
DRAW LINE1 (30, 20)
DRAW SCALE PIXEL
DRAW LINE1 (40, 20)
DRAW LINE (0, 0) TO (1, 1)
END
