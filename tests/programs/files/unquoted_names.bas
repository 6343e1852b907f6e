' A name written without quotes keeps the case it is written in, every time
' the line runs.
FOR I = 1 TO 2
  OPEN Mixed.Case.txt FOR APPEND AS #1
  PRINT #1, "pass"; I
  CLOSE #1
NEXT I
OPEN "Mixed.Case.txt" FOR INPUT AS #1
LINEINPUT #1, A$, B$
CLOSE #1
PRINT A$
PRINT B$
COPY Mixed.Case.txt, Copy Of.txt
RENAME CopyOf.txt, Renamed.txt
OPEN "Renamed.txt" FOR INPUT AS #1
LINEINPUT #1, C$
PRINT C$
CLOSE #1
OPEN "MIXED.CASE.TXT" FOR INPUT AS #1
