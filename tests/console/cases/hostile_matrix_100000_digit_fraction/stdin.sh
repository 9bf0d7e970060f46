printf "1 0."
head -c 100000 /dev/zero | tr "\0" 1
echo " 0 0 1 0 0 0 1 0 0 0 1 0"
