-- K5 arrays: the sieve of Eratosthenes below limit, rounds times
local rounds = 8
local limit = 20000
local f = {}
for i = 0, limit do f[i] = 0 end
local c = 0
for r = 1, rounds do
  for i = 2, limit - 1 do
    f[i] = 1
  end
  for i = 2, 141 do
    if f[i] == 1 then
      for j = i * i, limit - 1, i do
        f[j] = 0
      end
    end
  end
  for i = 2, limit - 1 do
    c = c + f[i]
  end
end
print(c)
