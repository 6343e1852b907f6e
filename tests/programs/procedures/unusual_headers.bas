' A parameter named twice is declared twice: the second initialises the
' first again, and both slots hand back the one variable (I becomes 10).
' A parameter named like its procedure re-initialises the result.
FOR I = 1 TO 2
  CALL TWICE(I, I * 10)
  PRINT SAME(I)
NEXT I
CALL NOPARAMS
PRINT "done"

SUB TWICE(A, A)
  PRINT "A ="; A
END SUB

FUNCTION SAME(SAME)
  SAME = SAME + 100
END FUNCTION

SUB NOPARAMS
  PRINT "no parameters"
END SUB
