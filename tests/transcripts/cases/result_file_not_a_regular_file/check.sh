# A FIFO without a reader is answered at once (the runner's time limit
# catches a wait) and, like the device, never replaced by a file.
[ -p fifo.euc ] || { echo "fifo.euc is no longer a FIFO"; exit 1; }
[ "$(readlink null.euc)" = /dev/null ] && [ -c /dev/null ] || { echo "null.euc or /dev/null was replaced"; exit 1; }
