# One coordinate of 256 MiB, made as it is read: 64 MiB of leading zeros,
# then 2.5 followed by 192 MiB of digits (that are only zeros and then one
# 7, far past the digits that can change a double); the point's y, 2.5 as
# well, then the rest of a parallel definition.
printf '1  -1 '
head -c 67108864 /dev/zero | tr '\0' 0
printf '2.5'
head -c 201326590 /dev/zero | tr '\0' 0
printf '7 2.5  1 0 0  0 1 0  0 0 1  0\n'
