' An instruction file of a dozen single-line IFs: cut at THEN and ELSE, they
' need more logical lines than the file has line ends and colons.
OPEN "ifs.bas" FOR OUTPUT AS #1
FOR I = 1 TO 12
  PRINT #1, "IF N > " + MID(STR(I), 2) + " THEN N = N - 1 ELSE N = N + 1"
NEXT I
CLOSE #1
N = 0
RUN ifs.bas
PRINT "N is"; N
