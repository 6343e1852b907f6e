' Plots two functions in a coordinate system of their own.
' DRAWCOORDINATES puts the origin near the middle of the canvas (measured in
' centimetres) and makes one unit 1.8 cm long; the negative y scale turns
' the y axis upwards, as in a maths book.
S = 1 / 1.8
DRAWCOORDINATES (7.6, 5.7), S, -S

' The axes, with an arrow head at their ends and a tick at every unit.
DRAW LINE (-4, 0) TO (3.6, 0), DARKGREY
DRAW ARROW (3.5, 0) TO (4, 0), DARKGREY
DRAW LINE (0, -3) TO (0, 2.6), DARKGREY
DRAW ARROW (0, 2.5) TO (0, 3), DARKGREY
FOR I = -3 TO 3
  DRAW LINE (I, -0.08) TO (I, 0.08), DARKGREY
  DRAW LINE (-0.08, I) TO (0.08, I), DARKGREY
NEXT I
DRAW TEXT (3.8, -0.2), "x", BLACK, 11
DRAW TEXT (0.15, 2.85), "y", BLACK, 11
DRAW TEXT (0.93, -0.4), "1", DARKGREY, 8
DRAW TEXT (0.15, 1.1), "1", DARKGREY, 8

' y = 2 sin x in red: the first LINE1 only sets pen 1's start, every
' further LINE1 draws on from where the pen stopped.
DRAW LINE1 (-4, 2 * SIN(-4))
FOR X = -4 TO 4 STEP 0.05
  DRAW LINE1 (X, 2 * SIN(X)), RED, 2
NEXT X

' y = x^3 / 8 in blue with pen 2.
DRAW LINE2 (-2.8, (-2.8) ^ 3 / 8)
FOR X = -2.8 TO 2.8 STEP 0.05
  DRAW LINE2 (X, X ^ 3 / 8), BLUE, 2
NEXT X

DRAW TEXT (1.6, -2.2), "y = 2 sin x", RED, 12
DRAW TEXT (1.6, -2.7), "y = x\^3/8", BLUE, 12
