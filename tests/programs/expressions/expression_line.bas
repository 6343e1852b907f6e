' A line that is only an expression runs (a FUNCTION called so does its
' work), but in a program it is no statement.
SHOW(3)
PRINT "not reached"

FUNCTION SHOW(N)
  PRINT "SHOW got"; N
END FUNCTION
