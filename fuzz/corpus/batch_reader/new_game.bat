C:\ulvex2\ulvex2.exe  +map exMap +exec config.cfg
