' Every call of a SUB or FUNCTION starts without variables: an array of
' another size in each call is no second declaration, also after a call
' whose array was large.
CALL FILL(3)
CALL FILL(300)
CALL FILL(5)
PRINT TOTAL(2); TOTAL(4)

SUB FILL(N)
  DIM A(N)
  FOR I = 0 TO N
    A(I) = I * 2
  NEXT I
  PRINT A(N)
END SUB

FUNCTION TOTAL(N)
  DIM B$(N)
  B$(N) = "x"
  TOTAL = N + LEN(B$(N))
END FUNCTION
