/home/ann/ulvex2/ulvex2.exe +set game mymod +set dedicated 1 +set deathmatch 1 +map q2dm1 +exec config.cfg
