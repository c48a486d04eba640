ulvex2.exe +set deathMatch 0 +set coop 1 +map base1 +exec config.cfg
