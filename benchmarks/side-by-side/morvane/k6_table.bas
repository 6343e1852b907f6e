' K6 output: a table of 20000 squares, one line each, then the checksum
S# = 0
FOR I = 1 TO 20000
  PRINT I; " squared is"; I * I
  S# = S# + I * I - 1000 * INT(I * I / 1000)
NEXT I
PRINT S#
