' A million trips round a loop with arithmetic, a comparison and an array.
DIM A(99)
S = 0
FOR I = 1 TO 1000000
  J = I - 100 * INT(I / 100)
  A(J) = A(J) + 1
  IF J = 0 THEN S = S + 1
NEXT I
PRINT S; A(1)
