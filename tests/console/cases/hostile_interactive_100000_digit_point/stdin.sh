printf "1\n"
head -c 100000 /dev/zero | tr "\0" 9
printf " 0 0\n1 2 3\n0 0 0\n1 0 0\n0 1 0\n0 0 1\n0\n"
