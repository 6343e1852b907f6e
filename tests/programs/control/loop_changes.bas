' The end and the step are read again on every pass, and the body may move I.
N = 3
FOR I = 1 TO N
  N = 5
  PRINT I;
NEXT I
PRINT
FOR I = 1 TO 10
  PRINT I;
  I = I + 3
NEXT I
PRINT
FOR I = 1 TO 5 STEP 0
  PRINT I;
  I = I + 2
  IF I > 7 THEN EXIT FOR
NEXT I
PRINT
FOR I = 1 TO 3
  IF I = 3 THEN CONTINUE FOR
  PRINT I;
NEXT I
PRINT I
END
