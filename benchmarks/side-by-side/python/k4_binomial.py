# K4 recursion: the binomial coefficient C(20, 10) by Pascal's rule


def binom(n, k):
    if k == 0 or k == n:
        return 1
    else:
        return binom(n - 1, k - 1) + binom(n - 1, k)


print(binom(20, 10))
