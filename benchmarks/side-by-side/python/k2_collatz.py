# K2 nested loops with if: the Collatz chains of every n below limit
import math

limit = 3000
total = 0
longest = 0
for n in range(1, limit):
    m = n
    steps = 0
    while m != 1:
        if m - 2 * math.floor(m / 2) == 0:
            m = m / 2
        else:
            m = 3 * m + 1
        steps = steps + 1
    total = total + steps
    if steps > longest:
        longest = steps
print(total * 1000 + longest)
