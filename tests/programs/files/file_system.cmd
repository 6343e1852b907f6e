CD
MD Sub
CD Sub
CD ..
CDIR "Sub"
CDIR ..
MDIR "Two Words"
CD Two Words
CD "Two Words"
CD ..
RD "Two Words"
OPEN "a.txt" FOR OUTPUT AS #1
PRINT #1, "A"
CLOSE #1
COPY a.txt, Sub/b.txt
COPY "a.txt"; "c.txt"
COPY missing.txt, x.txt
OPEN "x.txt" FOR INPUT AS #1
COPY a.txt
COPY a.txt,
COPY
RENAME a.txt, c.txt
RENAME "a.txt"; "d.txt"
RENAME a.txt, e.txt
DEL *.txt
OPEN "d.txt" FOR INPUT AS #1
DEL Sub/?.t?t
DEL Sub/nothing.txt
DEL Sub
DELETE
MD
RD
RD Sub
RDIR Sub
RDIR Sub
MD Sub
