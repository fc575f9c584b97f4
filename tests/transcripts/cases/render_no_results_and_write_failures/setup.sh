mkdir dir.euc
