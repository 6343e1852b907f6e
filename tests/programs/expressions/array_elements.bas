' Elements of arrays met again and again in a loop, read and written with
' one index: the first and the last element, an array of two or three
' dimensions read with one index, a global array read inside a procedure,
' and, each as a program of its own, the indices that are no element's.
DIM A(4), L&(3), M(2, 3)
GLOBAL G#(2)
FOR K = 0 TO 4
  A(K) = K * K + 0.5
NEXT K
S = 0
FOR K = 4 TO 0 STEP -1
  S = S + A(K) * 2
NEXT K
PRINT S; A(0); A(4)
FOR K = 0 TO 3
  L&(K) = K * 2.5
  PRINT L&(K);
NEXT K
PRINT
FOR I = 0 TO 2
  FOR J = 0 TO 3
    M(I, J) = I * 10 + J
  NEXT J
NEXT I
FOR K = 0 TO 2
  PRINT M(K) + 0; M(K, 3) + 0;
  M(K) = M(K) + 100
NEXT K
PRINT
PRINT M(1, 0); M(2, 0)
G#(1) = 7
CALL SHOW
DIM CASES$(6)
CASES$(1) = "DIM B(3): FOR K = 3 TO 5: B(K) = K: PRINT B(K): NEXT K"
CASES$(2) = "DIM B(3): FOR K = 1 TO -1 STEP -1: PRINT B(K) + K: NEXT K"
CASES$(3) = "DIM B(3): FOR K = 0 TO 2 STEP 0.5: B(K) = K: PRINT B(K): NEXT K"
CASES$(4) = "DIM B&(2): FOR K = 1 TO 3: B&(1) = K * 1E9: PRINT B&(1): NEXT K"
CASES$(5) = "DIM B$(2): FOR K = 0 TO 1: X = B$(K): PRINT X: NEXT K"
CASES$(6) = "FOR K = 0 TO 2: PRINT C(K): NEXT K"
FOR K = 1 TO 6
  OPEN "case.bas" FOR OUTPUT AS #1
  PRINT #1, CASES$(K)
  CLOSE #1
  EXECUTE case.bas
NEXT K

SUB SHOW
  T# = 0
  FOR K = 0 TO 2
    T# = T# + G#(K)
    G#(K) = T#
  NEXT K
  PRINT T#; G#(2)
END SUB
