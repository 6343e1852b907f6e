' In a program the commands work silently; a refusal is an error of its line.
MD "store"
CD store
OPEN "inside.txt" FOR OUTPUT AS #1
PRINT #1, "x"
CLOSE #1
CD ..
OPEN "store/inside.txt" FOR INPUT AS #1
LINEINPUT #1, L$
CLOSE #1
PRINT L$
RD store
