' K4 recursion: the binomial coefficient C(20, 10) by Pascal's rule,
' 369511 calls of a FUNCTION with two parameters.
' The main program ends silently where the FUNCTION definition begins.
PRINT BINOM(20, 10)
FUNCTION BINOM(N, K)
  IF K = 0 OR K = N THEN
    BINOM = 1
  ELSE
    BINOM = BINOM(N - 1, K - 1) + BINOM(N - 1, K)
  END IF
END FUNCTION
