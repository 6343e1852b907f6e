' K5 arrays: the sieve of Eratosthenes below LIMIT, ROUNDS times
' The checksum adds the primes counted in each round.
ROUNDS = 8
LIMIT = 20000
DIM F&(LIMIT)
C& = 0
FOR R = 1 TO ROUNDS
  FOR I = 2 TO LIMIT - 1
    F&(I) = 1
  NEXT I
  FOR I = 2 TO 141
    IF F&(I) = 1 THEN
      FOR J = I * I TO LIMIT - 1 STEP I
        F&(J) = 0
      NEXT J
    END IF
  NEXT I
  FOR I = 2 TO LIMIT - 1
    C& = C& + F&(I)
  NEXT I
NEXT R
PRINT C&
