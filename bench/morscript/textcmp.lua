local same, other = 0, 0
local a, b, c = "corridor", "corridor", "kitchen"
local i = 0
while i < 5000 do
    local j = 0
    while j < 1000 do
        if a == b then same = same + 1 end
        if a ~= c then other = other + 1 end
        if b == c then same = same - 1 end
        j = j + 1
    end
    i = i + 1
end
print(string.format("%g %g", same, other))
