' A result whose suffix contradicts its AS clause is refused when the
' procedure is entered.
PRINT "before"
PRINT WRONG$(1)

FUNCTION WRONG$(N) AS INTEGER
  WRONG$ = N
END FUNCTION
