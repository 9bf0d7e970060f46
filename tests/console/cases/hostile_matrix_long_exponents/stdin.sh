# Exponents of a million digits: 1e000...0001 is 10, 5e-999...9 is 0 and
# 5e999...9 is too large, which ends the run at the direction.
printf '1  1e'
head -c 1000000 /dev/zero | tr '\0' 0
printf '1 5e-'
head -c 1000000 /dev/zero | tr '\0' 9
printf ' 0  1 0 0  0 1 0  0 0 1\n'
printf '1  0 0 0  1 0 5e'
head -c 1000000 /dev/zero | tr '\0' 9
printf '  0 1 0  0 0 1  0\n'
