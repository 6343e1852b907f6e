# K1 loops and arithmetic: 600000 steps of a linear congruential generator
import math

x = 1.0
s = 0.0
for i in range(1, 600001):
    x = x * 75 + 74
    x = x - 65537 * math.floor(x / 65537)
    s = s + x - 1000 * math.floor(x / 1000)
print(int(s))
