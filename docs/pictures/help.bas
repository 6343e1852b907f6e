' Press F1 on a keyword to read its entry
' in the language reference.
DRAW SCALE PIXEL
FOR I = 1 TO 5
  DRAW BRICK (30 * I, 20) TO (30 * I + 24, 80), BLUE
NEXT I
END
