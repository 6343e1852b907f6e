' The FOR trace names the loop variable, not the last variable that its
' start, end or step expression read.
N = 2
S = 1
FOR I = 1 TO N
NEXT I
FOR J = N TO 1 STEP -S
NEXT J
FOR K = S TO N STEP S
NEXT K
