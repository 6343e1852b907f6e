' A house in the countryside, drawn in centimetres from the top left corner.
' BRICK paints filled rectangles, BOX outlines whose inside takes the fill
' colour, ELLIPSE and BALL round shapes, ARROW an arrow with its head.

' Sky and meadow.
DRAW BRICK (0, 0) TO (15, 8.5), LIGHTCYAN
DRAW BRICK (0, 8.5) TO (15, 11.2), LIGHTGREEN
DRAW BALL (13, 1.8), 1, AMBER

' The walls, with a dark outline two pixels wide.
DRAW BRICK (3, 4.5) TO (9, 9), BEIGE
DRAW BOX (3, 4.5) TO (9, 9), DARKBROWN, 2

' The roof: pen 1 goes round the triangle and closes it.
DRAW LINE1 (2.5, 4.5) TO (6, 1.5), DARKRED, 3
DRAW LINE1 (9.5, 4.5), DARKRED, 3
DRAW LINE1 (2.5, 4.5), DARKRED, 3

' Windows filled with light yellow, with their crosses, and a round one
' under the ridge.
DRAW FILLCOLOR LIGHTYELLOW
DRAW BOX (3.6, 5.2) TO (4.8, 6.4), DARKBROWN, 2
DRAW BOX (7.2, 5.2) TO (8.4, 6.4), DARKBROWN, 2
DRAW LINE (4.2, 5.2) TO (4.2, 6.4), DARKBROWN
DRAW LINE (3.6, 5.8) TO (4.8, 5.8), DARKBROWN
DRAW LINE (7.8, 5.2) TO (7.8, 6.4), DARKBROWN
DRAW LINE (7.2, 5.8) TO (8.4, 5.8), DARKBROWN
DRAW ELLIPSE (5.3, 2.9) TO (6.7, 3.7), DARKBROWN, 2

' The door with its knob, and the path to it in dashes.
DRAW BRICK (5.3, 6.6) TO (6.7, 9), BROWN
DRAW BALL (6.45, 7.9), 0.08, YELLOW
DRAW FILLCOLOR TRANSPARENT
DRAW LINESTYLE DASH
DRAW LINE (5.6, 9.1) TO (5.2, 11.1), DARKGREY, 2
DRAW LINE (6.4, 9.1) TO (6.8, 11.1), DARKGREY, 2
DRAW LINESTYLE NORMAL

' A tree: a trunk and a round crown.
DRAW BRICK (11.6, 6.5) TO (12.1, 9), DARKBROWN
DRAW FILLCOLOR DARKGREEN
DRAW ELLIPSE (10.4, 3.8) TO (13.3, 7), DARKGREEN
DRAW FILLCOLOR TRANSPARENT

' And a note about the door.
DRAW ARROW (10, 10.3) TO (7, 8.2), BLACK, 2
DRAW TEXT (10.1, 10.9), "the way in", BLACK, 12
