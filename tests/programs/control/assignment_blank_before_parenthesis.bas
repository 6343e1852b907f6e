' With a blank between the name and "(" the keyword is the name alone: no assignment.
DIM A(3)
A(1) = 2
A (1) = 3
PRINT "never"
