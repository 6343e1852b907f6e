' In single step each DRAW statement ends its protocol line.
DRAW SCALE PIXEL
DRAW PSET (1, 2)
DRAW TEXTSIZE 8
