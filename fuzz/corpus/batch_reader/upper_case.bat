ulvex2.exe +SET GAME mymod +set game +set Dedicated 0
