' A text file round trip: write three lines, add one, read them all back.
OPEN "shopping.txt" FOR OUTPUT AS #1
PRINT #1, "bread"
PRINT #1, "milk"
PRINT #1, "apples"
CLOSE #1

OPEN "shopping.txt" FOR APPEND AS #1
PRINT #1, "cheese"
CLOSE #1

OPEN "shopping.txt" FOR INPUT AS #2
FOR I = 1 TO 4
  LINEINPUT #2, ITEM$
  PRINT I; ". "; ITEM$
NEXT I
CLOSE #2
PRINT "The whole file has"; LEN(FILE("shopping.txt")); " characters."
DEL shopping.txt
END
