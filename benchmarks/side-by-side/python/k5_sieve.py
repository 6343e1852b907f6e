# K5 arrays: the sieve of Eratosthenes below limit, rounds times
rounds = 8
limit = 20000
f = [0] * (limit + 1)
c = 0
for r in range(1, rounds + 1):
    for i in range(2, limit):
        f[i] = 1
    for i in range(2, 142):
        if f[i] == 1:
            for j in range(i * i, limit, i):
                f[j] = 0
    for i in range(2, limit):
        c = c + f[i]
print(c)
