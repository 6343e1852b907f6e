' Formulas written with TEXT's formatting commands:
'   \_c subscript   \^c superscript   \| line break   \< back-step
'   \( \) bold on/off   \{ \} italic on/off   \[ \] underline on/off
' Each TEXT with a point puts the lower left corner of its text there; a
' TEXT without a point goes on where the previous text ended.
DRAW SCALE PIXEL

DRAW TEXT (20, 50), "\(\[Some formulas\]\)", DARKBLUE, 20

DRAW TEXT (20, 110), "\(Pythagoras:\) \{a\}\^2 + \{b\}\^2 = \{c\}\^2", BLACK, 16
DRAW TEXT (20, 160), "\(Water:\) H\_2O,  \(sulphuric acid:\) H\_2SO\_4", BLACK, 16
DRAW TEXT (20, 210), "\(Euler:\) e\^i\^x = cos x + i sin x", BLACK, 16

' A quadratic equation and its two roots. CHR(177) is the plus-minus sign.
DRAW TEXT (20, 270), "\{a\}x\^2 + \{b\}x + \{c\} = 0  has the roots", DARKRED, 16
DRAW TEXT (60, 310), "x\_1\_,\_2 = (-\{b\} " + CHR(177) + " SQR(\{b\}\^2 - 4\{ac\})) / 2\{a\}", DARKRED, 16

' A text continued by a second TEXT without a point, in another colour.
DRAW TEXT (20, 370), "Energy: ", BLACK, 16
DRAW TEXT "E = mc\^2", BLUE, 16

' A line break starts the next line under the text's first character.
DRAW TEXT (20, 420), "first line\|second line, same start", DARKGREEN, 12
