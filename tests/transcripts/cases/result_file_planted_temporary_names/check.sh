# Every planted link is left as it was.
for name in e.euc.part1 e.euc.part999 e.euc.tmp e.euc~ .e.euc.swp; do
  [ "$(readlink "$name")" = victim.txt ] || { echo "$name is not its old link"; exit 1; }
done
for name in e.euc.part .e.euc.tmp .zunoka-0000000000000000; do
  [ "$(readlink "$name")" = planted.txt ] || { echo "$name is not its old link"; exit 1; }
done
[ -f e.euc ] && [ ! -L e.euc ] || { echo "e.euc is not a file of its own"; exit 1; }
