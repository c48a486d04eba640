ulvex2.exe +set game ctf +map base1 +Load quick +exec config.cfg
