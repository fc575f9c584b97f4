printf 'old\n' > target.euc
chmod 0604 target.euc
# Another owner, where the run is allowed to give one.
chown 1:1 target.euc 2>/dev/null || true
stat -c '%u:%g %a' target.euc > target.before
ln -s target.euc link.euc
mkdir sub
ln -s ../target.euc sub/up.euc
ln -s created.euc dangling.euc
ln -s loop.euc loop.euc
ln -s missing/out.euc into_missing.euc
