' Each answer is an expression: a number may be computed, a string is quoted,
' and a FUNCTION of the program may be called.
INPUT A, B
PRINT "sum"; A + B
INPUT S$
PRINT S$
INPUT C; D$
PRINT C; D$
DIM V(3)
INPUT V(2)
PRINT V(2)
INPUT T
PRINT T
END

FUNCTION TWICE(X)
  TWICE = X * 2
END FUNCTION
