' Names that share their beginning, of up to seven characters and longer,
' each read and written as the variable of its own name, again and again.
ABCDEFG = 1
ABCDEFGH = 2
ABCDEFGHI = 3
ABCDEFGHIJKLMNOP = 4
ABCDEFGHIJKLMNOQ = 5
A = 6
AB = 7
FOR K = 1 TO 3
  ABCDEFGH = ABCDEFGH + ABCDEFG
  ABCDEFGHIJKLMNOQ = ABCDEFGHIJKLMNOQ * 2 - ABCDEFGHIJKLMNOP
  AB = AB + A
  PRINT ABCDEFG; ABCDEFGH; ABCDEFGHI; ABCDEFGHIJKLMNOP; ABCDEFGHIJKLMNOQ; A; AB
NEXT K
