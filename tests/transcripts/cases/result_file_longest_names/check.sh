# The longest names a typed line holds, 250 and 251 bytes with ".euc",
# both written with the same results.
a=$(printf 'a%.0s' $(seq 246)).euc
b=$(printf 'b%.0s' $(seq 247)).euc
[ ${#a} = 250 ] && [ ${#b} = 251 ] && [ -s "$a" ] && cmp -s "$a" "$b" ||
  { echo "a long result name was not written"; exit 1; }
