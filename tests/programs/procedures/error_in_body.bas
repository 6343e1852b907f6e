' An error inside a procedure names the procedure's line; the calls before
' it ran as usual.
FOR I = 3 TO 0 STEP -1
  PRINT INVERSE(I)
NEXT I

FUNCTION INVERSE(X)
  INVERSE = 1 / X
END FUNCTION
