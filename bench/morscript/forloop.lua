local function sum(n)
    local s = 0
    for i = 0, n - 1 do
        s = s + i
    end
    return s
end
print(string.format("%g", sum(30000000)))
