local parts = {}
for i = 0, 299999 do
    parts[#parts + 1] = "x" .. i % 10
end
print(table.concat(parts))
