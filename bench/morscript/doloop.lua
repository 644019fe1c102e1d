local i, n, hits = 0, 0, 0
local word
repeat
    word = "w" .. i % 100
    if word == "w42" then
        hits = hits + 1
    end
    n = n + i % 7 * 3 - 1
    i = i + 1
until i >= 1000000
print(string.format("%g %g", hits, n))
