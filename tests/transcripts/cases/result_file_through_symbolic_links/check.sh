# Every link is still the same link; the files they end at got the results.
for pair in link.euc:target.euc sub/up.euc:../target.euc dangling.euc:created.euc \
            loop.euc:loop.euc into_missing.euc:missing/out.euc; do
  [ "$(readlink "${pair%%:*}")" = "${pair#*:}" ] || { echo "${pair%%:*} is not its old link"; exit 1; }
done
[ "$(stat -c '%u:%g %a' target.euc)" = "$(cat target.before)" ] ||
  { echo "target.euc lost its owner or permission bits"; exit 1; }
[ "$(stat -c %a created.euc)" = "$(printf '%o' $((0666 & ~$(umask))))" ] ||
  { echo "created.euc was not made under the umask"; exit 1; }
[ "$(ls -A sub)" = up.euc ] || { echo "sub holds a stray file"; exit 1; }
