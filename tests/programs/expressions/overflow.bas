' A result beyond the largest number (about 1.8E308) is an error of the
' statement, reported as its other evaluation errors are, and never Infinity
' or NaN in a variable. Each case runs as a program of its own.
Q$ = CHR(34)
DIM CASES$(9)
CASES$(1) = "I = 1E308 + 1E308"
CASES$(2) = "X = -1E308: I = X - 1E308"
CASES$(3) = "IF 1E308 + 1E308 > 0 THEN PRINT " + Q$ + "never" + Q$
CASES$(4) = "FOR I = 1E308 TO 1E308 STEP 1E308: PRINT I: NEXT I"
CASES$(5) = "DIM R&(2) = 1E308 + 1E308"
CASES$(6) = "GLOBAL G& = -(1E308 + 1E308)"
CASES$(7) = "DO WHILE 1E308 + 1E308: LOOP"
CASES$(8) = "DRAW WIDTH 1E308 + 1E308"
CASES$(9) = "PRINT " + Q$ + "sum:" + Q$ + "; 1E308 + 1E308: PRINT " + Q$ + "never" + Q$
FOR K = 1 TO 9
  OPEN "case.bas" FOR OUTPUT AS #1
  PRINT #1, CASES$(K)
  CLOSE #1
  EXECUTE case.bas
NEXT K
' Up to the largest number a sum is fine.
PRINT 1E308 + 7E307
