printf "not a folder\n" > plain
mkdir folder.euc
