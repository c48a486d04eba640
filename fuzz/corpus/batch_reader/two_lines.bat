ulvex2.exe +map first
ulvex2.exe +map second
