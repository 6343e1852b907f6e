' A picture that cannot be written is a file error.
DRAW PSET (1, 1)
