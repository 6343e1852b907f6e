' A line width the canvas cannot take ends the run without a text.
DRAW WIDTH 2
DRAW WIDTH 0
