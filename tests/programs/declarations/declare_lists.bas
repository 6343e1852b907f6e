' One statement declares a whole list; DIM and LOCAL are the same statement,
' GLOBAL reaches every procedure level.
DIM A(5), B$ AS STRING, C AS LONG
PRINT A(5); "["; B$; "]"; C
C = 2.5
PRINT C
LOCAL D = 3 AS DOUBLE, E%
PRINT D; E%
DIM M(1, 2) = 7
PRINT M(1, 2); M(0, 0)
GLOBAL G AS STRING, H(2)
G$ = "seen everywhere"
H(2) = 5
X = 1
CALL SHOW
PRINT X
DIM A(5)
PRINT A(5)
END

SUB SHOW
  PRINT G$; H(2)
  LOCAL X = 10
  PRINT X
END SUB
