' Blanks inside the parentheses of an assignment's target belong to the target.
DIM A(5), B$(2, 2)
J = 1
T = 3
A(J + 1) = T
A( 3 ) = 4
a( J ) = A(J + 1) * 10
B$(1, 2) = "one, two"
B$( J + 1 , 2 ) = "two, two"
A(A(1) / 10 + 2) = A( 2 ) + A(3)
FOR I = 1 TO 5
  A(I - 1) = A(I - 1) + 100
NEXT I
PRINT A(0); A(1); A(2); A(3); A(4); A(5)
PRINT B$(1, 2); " / "; B$(2, 2)
' Only the first "=" after the target assigns.
A( 1 ) = A(2) = 103
PRINT A(1)
