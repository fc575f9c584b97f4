# Links where a temporary file might be looked for: some lead to a file,
# some to a name nothing is at yet (writing through it would create it).
printf 'victim\n' > victim.txt
for name in e.euc.part1 e.euc.part999 e.euc.tmp e.euc~ .e.euc.swp; do ln -s victim.txt "$name"; done
for name in e.euc.part .e.euc.tmp .zunoka-0000000000000000; do ln -s planted.txt "$name"; done
printf 'mine\n' > e.euc.partial
