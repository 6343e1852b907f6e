# K3 strings: reverse a sentence letter by letter, upper-case it and search it
import math

rounds = 8000
w = "Morvane reads every line of a program as it runs"
l = len(w)
t = 0
for r in range(1, rounds + 1):
    v = ""
    for i in range(l, 0, -1):
        v = v + w[i - 1]
    u = v.upper()
    t = t + (u.find("M") + 1) + (u.find(chr(65 + r - 26 * math.floor(r / 26))) + 1)
    p = 1 + r - l * math.floor(r / l)
    t = t + ord(u[p - 1])
print(t)
