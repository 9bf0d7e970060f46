head -c 1048576 /dev/zero | tr "\0" a
