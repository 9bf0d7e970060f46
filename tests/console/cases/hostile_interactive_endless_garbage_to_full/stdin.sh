yes x
