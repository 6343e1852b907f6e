' Mapped coordinates beyond the limit draw nothing.
DRAWCOORDINATES (0, 0), 0.0001, 0.0001
DRAW LINE (0, 0) TO (10, 10)
