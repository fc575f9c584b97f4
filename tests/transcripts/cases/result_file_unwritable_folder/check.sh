[ "$(readlink proc.euc)" = /proc/zunoka.euc ] || { echo "proc.euc is not its old link"; exit 1; }
