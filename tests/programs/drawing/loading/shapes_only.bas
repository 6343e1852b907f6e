' Shapes only: nothing a program can read back depends on the picture
DRAW LINE (10, 10) TO (200, 150), RED, 3
DRAW BOX (10, 120) TO (40, 140), BLUE
DRAW ARROW (10, 100) TO (60, 100)
PRINT "drawn"
