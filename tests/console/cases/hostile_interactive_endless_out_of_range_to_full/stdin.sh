yes 5
