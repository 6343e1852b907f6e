' The README's picture: squares in the
' protocol, balls and circles on the canvas.
DRAW SCALE PIXEL
DRAW BOX (10, 10) TO (330, 64), BLUE
DRAW TEXT (24, 24), "Morvane 2.1", BLACK
FOR I = 1 TO 8
  PRINT I; I * I
  DRAW BALL (10 + I * 38, 130), 6 + I * 2, RGB(255 - I * 28, I * 28, 140)
  DRAW CIRCLE (10 + I * 38, 230), I * 5, RED
NEXT I
DRAW LINE (20, 300) TO (330, 300), GREEN, 3
END
