' K1 loops and arithmetic: 600000 steps of a linear congruential generator
' X runs through X * 75 + 74 modulo 65537 (K - M * INT(K / M) is the modulo
' in every language); the checksum adds X modulo 1000.
X# = 1
S# = 0
FOR I = 1 TO 600000
  X# = X# * 75 + 74
  X# = X# - 65537 * INT(X# / 65537)
  S# = S# + X# - 1000 * INT(X# / 1000)
NEXT I
PRINT S#
