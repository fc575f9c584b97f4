mkfifo fifo.euc
ln -s /dev/null null.euc
