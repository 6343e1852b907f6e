' The type is checked before the item is declared; items before it stay.
DIM Y = 4, X AS REAL
PRINT "never"
